// Long random sequences of everything a user can do to the main window, and
// of the clock running, with the experiment state's invariants checked after
// every event. Each seed plays episodes of a fresh window each; a failure
// prints the seed, the episode, the shortest failing prefix and a shorter
// sequence found by leaving events out.
//
// TERVAN_EVENTS sets the events per seed; TERVAN_SEED (with TERVAN_EPISODE
// and TERVAN_FAILURES) replays one seed (or one of its episodes) printing
// every event.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>

#include "support/CrashNote.h"
#include "support/EpisodeRunner.h"
#include "support/Sanitized.h"

namespace {

#if defined(TERVAN_SANITIZED)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

long EnvNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 0) : fallback;
}

// Four seeds of 50 000 events each make 200 000 per run; the sanitized build
// is some twenty times slower and plays a twentieth.
long EventsPerSeed()
{
    return EnvNumber("TERVAN_EVENTS", kSanitized ? 2500 : 50000);
}

Episode Generate(std::uint32_t seed, std::uint32_t index, std::size_t& length, std::mt19937& rng)
{
    std::seed_seq seq{seed, index};
    rng.seed(seq);
    Episode episode;
    episode.startSeed = static_cast<std::uint32_t>(rng());
    length = 50 + rng() % 3000;
    return episode;
}

// Leaves out runs of events, halving their length, as long as the sequence
// still fails the same check; bounded in time, as each try replays it all.
Episode Shorten(Episode episode, const std::string& kind, bool failures)
{
    EpisodeRunner runner(failures);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (std::size_t chunk = episode.events.size() / 2; chunk >= 1; chunk /= 2) {
        std::size_t start = 0;
        while (start + chunk < episode.events.size()) {
            if (std::chrono::steady_clock::now() > deadline)
                return episode;
            Episode candidate = episode;
            candidate.events.erase(candidate.events.begin() + static_cast<long>(start),
                                   candidate.events.begin() + static_cast<long>(start + chunk));
            const EpisodeResult r = runner.Play(candidate, candidate.events.size(), nullptr);
            if (r.Failed() && r.Kind() == kind) {
                candidate.events.resize(static_cast<std::size_t>(r.failedAt) + 1);
                episode = candidate;
            } else {
                start += chunk;
            }
        }
    }
    return episode;
}

std::string Report(std::uint32_t seed, std::uint32_t index, bool failures, const Episode& played,
                   const EpisodeResult& failed)
{
    std::ostringstream out;
    out << "seed " << seed << ", episode " << index << ": " << failed.what << "\n";
    Episode prefix{played.startSeed,
                   {played.events.begin(), played.events.begin() + failed.failedAt + 1}};
    EpisodeRunner runner(failures);
    const EpisodeResult again = runner.Play(prefix, prefix.events.size(), nullptr);
    Episode shorter = prefix;
    shorter.events.pop_back();
    const bool shortest = !runner.Play(shorter, shorter.events.size(), nullptr).Failed();
    out << "the first " << prefix.events.size() << " events of the episode fail"
        << (again.Failed() ? "" : " (NOT on replay)")
        << (shortest ? "; one fewer passes" : "; so does one fewer") << "\n";
    if (again.Failed()) {
        const Episode shortened = Shorten(prefix, again.Kind(), failures);
        out << "a failing sequence of " << shortened.events.size() << " events (start seed "
            << shortened.startSeed << "):\n";
        for (const UserEvent& e : shortened.events)
            out << "  " << e.Describe() << "\n";
    }
    out << "replay: TERVAN_SEED=" << seed << " TERVAN_EPISODE=" << index
        << (failures ? " TERVAN_FAILURES=1" : "");
    return out.str();
}

// Plays episodes of the seed until `events` events have been played; with
// `failures`, drawing operations fail now and then on the way.
void PlaySeed(std::uint32_t seed, long events, bool failures = false, long onlyEpisode = -1,
              bool trace = false)
{
    EpisodeRunner runner(failures);
    CrashNote::Install();
    long played = 0;
    std::uint32_t index = 0;
    for (; played < events || onlyEpisode >= 0; ++index) {
        std::mt19937 rng;
        std::size_t length = 0;
        Episode episode = Generate(seed, index, length, rng);
        if (onlyEpisode >= 0 && index != static_cast<std::uint32_t>(onlyEpisode))
            continue;
        CrashNote::Current() = {seed, index, &runner.current};
        const EpisodeResult r = runner.Play(episode, length, &rng, trace);
        played += r.played;
        if (r.Failed()) {
            ADD_FAILURE() << Report(seed, index, failures, episode, r);
            return;
        }
        if (onlyEpisode >= 0)
            break;
    }
    const EpisodeStats& s = runner.stats;
    std::printf("seed %u: %ld events in %u episodes; %ld submerged, %ld rows noted, %ld "
                "notebooks full, %ld baths past 60 degrees; %ld About, %ld warning and %ld level "
                "dialogs; %ld failures reported\n",
                seed, played, index, s.submerged, s.rows, s.full, s.hotWater, s.dialogs[0],
                s.dialogs[1], s.dialogs[2], s.boxes);
}

TEST(RandomSequenceTest, Seed20261207)
{
    PlaySeed(20261207u, EventsPerSeed());
}

TEST(RandomSequenceTest, Seed1)
{
    PlaySeed(1u, EventsPerSeed());
}

TEST(RandomSequenceTest, Seed4242)
{
    PlaySeed(4242u, EventsPerSeed());
}

TEST(RandomSequenceTest, Seed987654321)
{
    PlaySeed(987654321u, EventsPerSeed());
}

// Drawing operations fail at random; each failure's box stays open while the
// clock runs on behind it. Nothing may crash and the state stays sound.
TEST(RandomSequenceTest, Seed77WithDrawingFailures)
{
    PlaySeed(77u, EventsPerSeed() / 2, true);
}

TEST(RandomSequenceTest, ReplayFromEnvironment)
{
    const long seed = EnvNumber("TERVAN_SEED", -1);
    if (seed < 0)
        GTEST_SKIP() << "set TERVAN_SEED (and TERVAN_EPISODE) to replay one";
    PlaySeed(static_cast<std::uint32_t>(seed), EventsPerSeed(),
             EnvNumber("TERVAN_FAILURES", 0) != 0, EnvNumber("TERVAN_EPISODE", -1), true);
}

} // namespace
