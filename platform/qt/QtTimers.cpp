#include "platform/qt/QtTimers.h"

#include <QTimerEvent>
#include <algorithm>

QtTimers::QtTimers(TickFn tick, HeldFn held) : m_tick(std::move(tick)), m_held(std::move(held)) {}

std::vector<QtTimers::Timer>::iterator QtTimers::Find(CWnd& wnd, UINT id)
{
    return std::find_if(m_timers.begin(), m_timers.end(),
                        [&](const Timer& t) { return t.wnd == &wnd && t.id == id; });
}

void QtTimers::Set(CWnd& wnd, UINT id, UINT periodMs)
{
    Kill(wnd, id);
    const UINT period = std::max(periodMs, 1u);
    // Coarse timers let the system group wake-ups; the classic timers were
    // no finer than that either.
    const int qtId = startTimer(static_cast<int>(period), Qt::CoarseTimer);
    m_timers.push_back({&wnd, id, period, qtId, false, 0});
}

void QtTimers::Kill(CWnd& wnd, UINT id)
{
    auto it = Find(wnd, id);
    if (it == m_timers.end())
        return;
    killTimer(it->qtId);
    m_timers.erase(it);
}

void QtTimers::KillAll(CWnd& wnd)
{
    for (const Timer& t : m_timers)
        if (t.wnd == &wnd)
            killTimer(t.qtId);
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const Timer& t) { return t.wnd == &wnd; }),
                   m_timers.end());
}

bool QtTimers::IsRunning(CWnd& wnd, UINT id) const
{
    return std::any_of(m_timers.begin(), m_timers.end(),
                       [&](const Timer& t) { return t.wnd == &wnd && t.id == id; });
}

void QtTimers::timerEvent(QTimerEvent* event)
{
    auto it = std::find_if(m_timers.begin(), m_timers.end(),
                           [&](const Timer& t) { return t.qtId == event->timerId(); });
    if (it == m_timers.end())
        return;
    if (m_held()) {
        if (!it->dueWhileHeld) {
            it->dueWhileHeld = true;
            it->dueOrder = m_nextOrder++;
        }
        return;
    }
    // The handler may set or kill timers: take what it needs first.
    CWnd& wnd = *it->wnd;
    const UINT id = it->id;
    m_tick(wnd, id);
}

bool QtTimers::TickOneHeld()
{
    auto first = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it)
        if (it->dueWhileHeld && (first == m_timers.end() || it->dueOrder < first->dueOrder))
            first = it;
    if (first == m_timers.end())
        return false;
    first->dueWhileHeld = false;
    killTimer(first->qtId);
    first->qtId = startTimer(static_cast<int>(first->period), Qt::CoarseTimer);
    CWnd& wnd = *first->wnd;
    const UINT id = first->id;
    m_tick(wnd, id);
    return true;
}
