// If the program under test dies in the middle of a random sequence (a crash,
// or a sanitizer's report), says which seed, episode and event it was on, so
// the sequence can be replayed.
#pragma once

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <unistd.h>

#include "support/Sanitized.h"

#if defined(TERVAN_SANITIZED)
#include <sanitizer/common_interface_defs.h>
#endif

namespace CrashNote {
struct Where {
    std::uint32_t seed = 0;
    std::uint32_t episode = 0;
    const int* event = nullptr;
};

inline Where& Current()
{
    static Where where;
    return where;
}

inline void Write()
{
    const Where& w = Current();
    char text[200];
    const int n = std::snprintf(text, sizeof text,
                                "\nthe random sequence died at seed %u, episode %u, event %d; "
                                "replay: TERVAN_SEED=%u TERVAN_EPISODE=%u\n",
                                w.seed, w.episode, w.event ? *w.event : -1, w.seed, w.episode);
    if (n > 0 && ::write(2, text, static_cast<std::size_t>(n)) < 0)
        return;
}

extern "C" inline void OnFatalSignal(int signal)
{
    Write();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Installs the note once: as a sanitizer's death callback, and for the fatal
// signals nobody handles yet (a sanitizer keeps its own).
inline void Install()
{
    static const bool installed = [] {
#if defined(TERVAN_SANITIZED)
        __sanitizer_set_death_callback(Write);
#endif
        for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) {
            struct sigaction current {};
            sigaction(signal, nullptr, &current);
            if (current.sa_handler == SIG_DFL)
                std::signal(signal, OnFatalSignal);
        }
        return true;
    }();
    (void)installed;
}
} // namespace CrashNote
