// The rule every backend's window timers follow, apart from any clock or
// event loop: each (window, ID) runs one timer; setting it again restarts
// it; ticks come in the order they fall due; and a tick that comes late,
// because blocking work held the thread, comes once, its next one period
// after it. The backend keeps the clock (milliseconds from any start), asks
// which timer is due and delivers the tick as WM_TIMER.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Types.h"

class CWnd;

class TimerTable {
  public:
    struct Due {
        CWnd* wnd;
        UINT id;
        std::int64_t at; // when it falls due
        UINT period;
    };

    // Starts timer `id` of `wnd`, or restarts it: it falls due one period
    // after `now`. A period of 0 counts as 1 ms.
    void Set(CWnd& wnd, UINT id, UINT periodMs, std::int64_t now);
    void Kill(CWnd& wnd, UINT id);
    void KillAll(CWnd& wnd);
    bool IsRunning(CWnd& wnd, UINT id) const;
    // The period the timer runs with; 0 when it does not run.
    UINT Period(CWnd& wnd, UINT id) const;

    // The timer that falls due first at or before `until`. Of timers due at
    // the same moment, the one set (or last ticked) first goes first. False
    // when none is due by then.
    bool NextDue(std::int64_t until, Due& next) const;
    // When the first of all timers falls due; false when none runs.
    bool FirstDueTime(std::int64_t& at) const;
    // The timer ticked at `at` (its due time, or later if the thread was
    // held): its next tick falls due one period after that, however many
    // periods it missed. Call it before the window handles the tick, which
    // may restart or kill the timer.
    void Ticked(CWnd& wnd, UINT id, std::int64_t at);

  private:
    struct Timer {
        CWnd* wnd;
        UINT id;
        UINT period;
        std::int64_t due;
        std::uint64_t order; // ties in due time go in this order
    };
    std::vector<Timer>::iterator Find(CWnd& wnd, UINT id);
    std::vector<Timer>::const_iterator Find(CWnd& wnd, UINT id) const;

    std::vector<Timer> m_timers;
    std::uint64_t m_nextOrder = 0;
};
