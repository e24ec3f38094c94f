// Window timers on Qt: the shared timer table on a monotonic clock, and one
// Qt timer that wakes the thread when the next tick falls due. While blocking
// work holds the thread a wake-up only notes that ticks wait; they come when
// the work is over.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "platform/TimerTable.h"

class QtTimers {
  public:
    using TickFn = std::function<void(CWnd&, UINT)>;
    using HeldFn = std::function<bool()>;
    QtTimers(TickFn tick, HeldFn held);

    void Set(CWnd& wnd, UINT id, UINT periodMs);
    void Kill(CWnd& wnd, UINT id);
    void KillAll(CWnd& wnd);
    bool IsRunning(CWnd& wnd, UINT id) const { return m_table.IsRunning(wnd, id); }
    // Ticks the first timer that fell due while the thread was held, its
    // next tick a period from now; false when none waits.
    bool TickOneHeld();

  private:
    void Wake();
    // Sets the wake-up for the first due time, or stops it.
    void Arm();
    std::int64_t Now() const { return m_clock.elapsed(); }

    TickFn m_tick;
    HeldFn m_held;
    TimerTable m_table;
    QElapsedTimer m_clock;
    QTimer m_wake;
    bool m_bTicksHeld = false; // a wake-up met blocking work
};
