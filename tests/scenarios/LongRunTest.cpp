// Two hours of a practical on the test clock: a student doing anything at
// all to the bench (the random sequences' events, the clock running on
// between them) for an hour and fifty minutes, then ten quiet minutes with
// only the clock running. The heap stops growing once the first half hour
// has warmed the caches, the timers still tick at their periods, and every
// row ever noted is still in the notebook as it was noted.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "support/HeapInUse.h"
#include "support/StateInvariants.h"
#include "support/UserEvents.h"

namespace {

constexpr std::int64_t kMinute = 60 * 1000;
// Under the sanitizers, some twenty times slower, twenty minutes: warm after
// ten, busy for ten.
#if defined(TERVAN_SANITIZED)
constexpr std::int64_t kWarm = 10 * kMinute;
constexpr std::int64_t kBusy = 10 * kMinute;
#else
constexpr std::int64_t kWarm = 30 * kMinute;
constexpr std::int64_t kBusy = 110 * kMinute;
#endif
constexpr std::int64_t kQuiet = 10 * kMinute;
// What the heap may differ by between samples once warm: the noted rows'
// texts, a dialog's leftovers, allocator bookkeeping. A leak of even one
// small string a gas tick (72 000 ticks an hour) is megabytes.
constexpr std::size_t kHeapSlack = 64 * 1024;

struct Row {
    double temp, level;
};

// One timer's ticks: how many, the first and the last, and, once watched,
// the first that did not come a period after the one before.
struct Ticks {
    explicit Ticks(std::int64_t p) : period(p) {}
    void At(std::int64_t now)
    {
        if (watched && last >= 0 && now - last != period && irregular < 0)
            irregular = now;
        if (first < 0)
            first = now;
        last = now;
        ++count;
    }
    std::int64_t period;
    std::size_t count = 0;
    std::int64_t first = -1, last = -1, irregular = -1;
    bool watched = false;
};

TEST(LongRunTest, TwoHoursOfAnyUseKeepTheHeapTheTimersAndEveryRow)
{
    HeadlessBackend backend;
    std::mt19937 rng(20261208u);
    std::mt19937 handler(7u);
    Random::SetSource([&handler] { return static_cast<int>(handler() % 32768u); });
    StateInvariants invariants;
    auto dlg = std::make_unique<CTervanDlg>();
    std::string failure;
    const auto fail = [&failure](const std::string& what) {
        if (failure.empty() && !what.empty())
            failure = what;
    };
    std::vector<LevelText> confirmed;
    long dialogs = 0;
    backend.defaultModal = [&](CDialog& d) {
        ++dialogs;
        if (d.GetTemplateId() != IDD_LEVEL)
            return IDOK;
        const auto& corpus = LevelCorpus();
        const LevelText& level = corpus[handler() % corpus.size()];
        backend.SetControlText(d, IDC_LEVEL, CString(level.text));
        if (handler() % 5 == 0)
            return IDCANCEL;
        confirmed.push_back(level);
        return IDOK;
    };
    backend.onClientUpdated = [&](CWnd& wnd) {
        if (&wnd == dlg.get())
            fail(invariants.AtCopy(*dlg));
    };
    Ticks gas(CTervanDlg::kGasTimerMs), drift(CTervanDlg::kDriftTimerMs);
    backend.onTick = [&](CWnd& wnd, UINT id) {
        if (&wnd == dlg.get() && id == CTervanDlg::kGasTimer)
            gas.At(backend.NowMs());
        if (&wnd == dlg.get() && id == CTervanDlg::kDriftTimer)
            drift.At(backend.NowMs());
    };
    backend.Open(*dlg);

    // The busy part: every event, then now and then up to two seconds more.
    UserEventGenerator events(rng);
    std::vector<Row> noted;
    std::vector<std::size_t> heap; // at every ten minutes
    heap.reserve(20);
    long played = 0;
    for (std::int64_t sample = 10 * kMinute; backend.NowMs() < kBusy && failure.empty();) {
        confirmed.clear();
        events.Next(backend, *dlg).SendTo(backend, *dlg);
        if (rng() % 2)
            backend.Advance(rng() % 2000);
        fail(invariants.AfterEvent(*dlg, backend, confirmed));
        for (int i = static_cast<int>(noted.size()); i < dlg->m_nCount; ++i)
            noted.push_back({dlg->m_dTemp[i], dlg->m_dLevel[i]});
        // The test backend's own journal is no part of the program's heap.
        backend.ClearAnnouncements();
        ++played;
        for (; backend.NowMs() >= sample; sample += 10 * kMinute)
            heap.push_back(HeapInUse());
    }
    ASSERT_TRUE(failure.empty()) << failure;
    ASSERT_TRUE(backend.IsTimerRunning(*dlg, CTervanDlg::kGasTimer));
    ASSERT_GE(heap.size(), static_cast<std::size_t>(kBusy / (10 * kMinute)));

    // The quiet part: the pointer let go, the ticks held by the last
    // handler delivered, then only the clock, in steps of any length.
    backend.Mouse(*dlg, WM_LBUTTONUP, -100, -100);
    backend.Advance(0);
    const std::int64_t quietFrom = backend.NowMs();
    const std::size_t gasBefore = gas.count, driftBefore = drift.count;
    gas.watched = drift.watched = true;
    while (backend.NowMs() < quietFrom + kQuiet)
        backend.Advance(
            std::min<std::int64_t>(1 + rng() % 5000, quietFrom + kQuiet - backend.NowMs()));
    ASSERT_TRUE(failure.empty()) << failure;
    EXPECT_EQ(gas.count - gasBefore, static_cast<std::size_t>(kQuiet / gas.period));
    EXPECT_EQ(drift.count - driftBefore, static_cast<std::size_t>(kQuiet / drift.period));
    EXPECT_EQ(gas.irregular, -1);
    EXPECT_EQ(drift.irregular, -1);
    heap.push_back(HeapInUse());

    // Once warm, no sample above the warm one by more than the slack.
    const auto warmAt = static_cast<std::ptrdiff_t>(kWarm / (10 * kMinute)) - 1;
    const std::size_t warm = heap[static_cast<std::size_t>(warmAt)];
    const std::size_t highest = *std::max_element(heap.begin() + warmAt, heap.end());
    EXPECT_LE(highest, warm + kHeapSlack);

    ASSERT_EQ(static_cast<std::size_t>(dlg->m_nCount), noted.size());
    for (std::size_t i = 0; i < noted.size(); ++i) {
        EXPECT_EQ(dlg->m_dTemp[i], noted[i].temp) << "row " << i;
        EXPECT_EQ(dlg->m_dLevel[i], noted[i].level) << "row " << i;
    }

    // The figures the README's table shows.
    const double ideal = static_cast<double>(backend.NowMs() - gas.first) / gas.period;
    std::printf("long run: %ld events and %ld dialogs in %.1f min on the test clock (%.1f min "
                "held by the bench's animations); %zu rows kept; heap %.1f KiB when warm, "
                "highest after %.1f KiB, at the end %.1f KiB; %zu gas ticks of %.0f the clock "
                "allowed, the last ten minutes %zu of %lld\n",
                played, dialogs, backend.NowMs() / 60000.0, backend.TotalSleptMs() / 60000.0,
                noted.size(), warm / 1024.0, highest / 1024.0, heap.back() / 1024.0, gas.count,
                ideal, gas.count - gasBefore, static_cast<long long>(kQuiet / gas.period));
    backend.Close(*dlg);
    dlg.reset();
    Random::SetSource({});
}

} // namespace
