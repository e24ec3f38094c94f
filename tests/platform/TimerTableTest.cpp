// The timer rule the backends share, driven here by a clock of the test's own
// the way a backend drives it: ask for the next due timer, move the clock to
// it, mark it ticked, let the "window" handle it. Each case compares the
// whole list of ticks, so a failure prints what came and when.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/TimerTable.h"
#include "platform/Wnd.h"

namespace {
class TimerTableTest : public ::testing::Test {
  protected:
    // Runs the clock to `until`. A tick's handler may hold the thread (move
    // the clock on) or change the timers; afterwards every timer then due
    // comes, as a backend's loop delivers what waited.
    void Run(std::int64_t until)
    {
        TimerTable::Due next;
        while (timers.NextDue(std::max(until, now), next)) {
            now = std::max(now, next.at);
            timers.Ticked(*next.wnd, next.id, now);
            const std::string name = next.wnd == &a ? "a" : "b";
            ticks.push_back(name + std::to_string(next.id) + "@" + std::to_string(now));
            if (onTick)
                onTick(*next.wnd, next.id);
        }
        now = std::max(now, until);
    }
    // Blocking work inside a handler: the clock moves, nothing ticks.
    void Hold(std::int64_t ms) { now += ms; }

    using Ticks = std::vector<std::string>;
    TimerTable timers;
    CWnd a;
    CWnd b;
    std::int64_t now = 0;
    Ticks ticks;
    std::function<void(CWnd&, UINT)> onTick;
};

TEST_F(TimerTableTest, TicksComeInDueOrderAndTiesInTheOrderTheyWereSet)
{
    timers.Set(a, 1, 30, now);
    timers.Set(b, 1, 20, now);
    timers.Set(a, 2, 60, now);
    Run(120);
    // At 60 all three fall due: b1 was last ticked at 40, a1 at 30, a2 set
    // at 0, so a2 goes first, then a1 (ticked at 30), then b1 (ticked at 40).
    EXPECT_EQ(ticks, (Ticks{"b1@20", "a1@30", "b1@40", "a2@60", "a1@60", "b1@60", "b1@80", "a1@90",
                            "b1@100", "a2@120", "a1@120", "b1@120"}));
    std::int64_t first = 0;
    ASSERT_TRUE(timers.FirstDueTime(first));
    EXPECT_EQ(first, 140);
}

TEST_F(TimerTableTest, SettingATimerAgainRestartsItAndKillingStopsIt)
{
    timers.Set(a, 1, 50, now);
    timers.Set(a, 2, 0, now); // a zero period ticks every millisecond
    EXPECT_EQ(timers.Period(a, 2), 1u);
    timers.Kill(a, 2);
    Run(40);
    timers.Set(a, 1, 25, now); // at 40: first tick at 65, not at 50
    Run(100);
    EXPECT_EQ(ticks, (Ticks{"a1@65", "a1@90"}));
    EXPECT_TRUE(timers.IsRunning(a, 1));
    EXPECT_EQ(timers.Period(a, 1), 25u);
    EXPECT_FALSE(timers.IsRunning(a, 2));
    EXPECT_EQ(timers.Period(a, 2), 0u);
    EXPECT_EQ(timers.Period(b, 1), 0u); // another window's timer of that ID

    timers.Set(b, 1, 10, now);
    timers.KillAll(a);
    EXPECT_FALSE(timers.IsRunning(a, 1));
    EXPECT_TRUE(timers.IsRunning(b, 1));
    timers.KillAll(b);
    std::int64_t first = 0;
    EXPECT_FALSE(timers.FirstDueTime(first));
}

TEST_F(TimerTableTest, AHandlerKillsOrRestartsTimersDuringItsTick)
{
    timers.Set(a, 1, 50, now);
    timers.Set(a, 2, 50, now);
    timers.Set(b, 3, 50, now);
    onTick = [&](CWnd& w, UINT id) {
        if (&w == &a && id == 1)
            timers.Kill(a, 2); // due at the same moment, still to come
        if (&w == &b && id == 3 && now == 50)
            timers.Set(b, 3, 30, now); // its own timer, now with a new period
        if (&w == &b && id == 3 && now == 80)
            timers.Kill(b, 3); // itself: Ticked already ran, nothing is left
    };
    Run(200);
    EXPECT_EQ(ticks, (Ticks{"a1@50", "b3@50", "b3@80", "a1@100", "a1@150", "a1@200"}));
}

TEST_F(TimerTableTest, BlockingWorkLetsEachDueTimerTickOnceInDueOrderThenAPeriodOn)
{
    timers.Set(a, 1, 30, now);  // due 30, 60, ...
    timers.Set(b, 2, 100, now); // due 100
    timers.Set(a, 3, 70, now);  // due 70
    onTick = [&](CWnd& w, UINT id) {
        if (&w == &a && id == 1 && now == 30)
            Hold(500); // from 30 to 530
    };
    Run(600);
    // During the hold a1 fell due 16 times, a3 7 times, b2 5 times: each
    // ticks once at 530, in the order they first fell due (a1 at 60, a3 at
    // 70, b2 at 100), and then one period after 530.
    EXPECT_EQ(ticks, (Ticks{"a1@30", "a1@530", "a3@530", "b2@530", "a1@560", "a1@590", "a3@600"}));
}

TEST_F(TimerTableTest, ATickHandledLateCountsItsPeriodFromWhenItCame)
{
    timers.Set(a, 1, 40, now);
    TimerTable::Due due;
    ASSERT_FALSE(timers.NextDue(39, due));
    ASSERT_TRUE(timers.NextDue(45, due));
    EXPECT_EQ(due.at, 40);
    EXPECT_EQ(due.period, 40u);
    timers.Ticked(a, 1, 45);
    ASSERT_TRUE(timers.NextDue(1000, due));
    EXPECT_EQ(due.at, 85);
    // A tick never counts from before its due time.
    timers.Ticked(a, 1, 0);
    ASSERT_TRUE(timers.NextDue(1000, due));
    EXPECT_EQ(due.at, 125);
}
} // namespace
