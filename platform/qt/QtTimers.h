// Window timers over Qt timers: one per (window, ID); setting one again
// restarts it. While blocking work holds the thread a timer that falls due
// only notes it, and ticks once when the work is over.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Types.h"

class CWnd;

class QtTimers : public QObject {
  public:
    using TickFn = std::function<void(CWnd&, UINT)>;
    using HeldFn = std::function<bool()>;
    QtTimers(TickFn tick, HeldFn held);

    void Set(CWnd& wnd, UINT id, UINT periodMs);
    void Kill(CWnd& wnd, UINT id);
    void KillAll(CWnd& wnd);
    bool IsRunning(CWnd& wnd, UINT id) const;
    // Ticks the timer that fell due first while the thread was held, and
    // starts its period afresh; false when none did.
    bool TickOneHeld();

  protected:
    void timerEvent(QTimerEvent* event) override;

  private:
    struct Timer {
        CWnd* wnd;
        UINT id;
        UINT period;
        int qtId;
        bool dueWhileHeld;
        std::uint64_t dueOrder;
    };
    std::vector<Timer>::iterator Find(CWnd& wnd, UINT id);

    TickFn m_tick;
    HeldFn m_held;
    std::vector<Timer> m_timers;
    std::uint64_t m_nextOrder = 0;
};
