#include "platform/qt/QtTimers.h"

#include <algorithm>
#include <limits>

QtTimers::QtTimers(TickFn tick, HeldFn held) : m_tick(std::move(tick)), m_held(std::move(held))
{
    m_clock.start();
    m_wake.setSingleShot(true);
    // Precise: the wake-up is set for one tick's own due time, and a coarse
    // one may come early or late by a twentieth of the wait.
    m_wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_wake, &QTimer::timeout, &m_wake, [this] { Wake(); });
}

void QtTimers::Set(CWnd& wnd, UINT id, UINT periodMs)
{
    m_table.Set(wnd, id, periodMs, Now());
    Arm();
}

void QtTimers::Kill(CWnd& wnd, UINT id)
{
    m_table.Kill(wnd, id);
    Arm();
}

void QtTimers::KillAll(CWnd& wnd)
{
    m_table.KillAll(wnd);
    Arm();
}

void QtTimers::Arm()
{
    std::int64_t due = 0;
    if (!m_table.FirstDueTime(due)) {
        m_wake.stop();
        return;
    }
    const std::int64_t wait =
        std::clamp<std::int64_t>(due - Now(), 0, std::numeric_limits<int>::max());
    m_wake.start(static_cast<int>(wait));
}

void QtTimers::Wake()
{
    if (m_held()) {
        // No new wake-up until the work is over: TickOneHeld follows it.
        m_bTicksHeld = true;
        return;
    }
    const std::int64_t now = Now();
    TimerTable::Due next;
    if (!m_table.NextDue(now, next)) {
        Arm();
        return;
    }
    // A tick that comes a little after its due time, as every event loop's
    // do, keeps its timer's cadence; one a whole period late (the loop was
    // busy) counts from now, so that it does not come again at once.
    const std::int64_t at = now - next.at < next.period ? next.at : now;
    m_table.Ticked(*next.wnd, next.id, at);
    // One tick per wake-up: input that came meanwhile goes between ticks.
    Arm();
    m_tick(*next.wnd, next.id);
}

bool QtTimers::TickOneHeld()
{
    if (!m_bTicksHeld)
        return false;
    TimerTable::Due next;
    if (!m_table.NextDue(Now(), next)) {
        m_bTicksHeld = false;
        Arm();
        return false;
    }
    m_table.Ticked(*next.wnd, next.id, Now());
    Arm();
    m_tick(*next.wnd, next.id);
    return true;
}
