#include "platform/TimerTable.h"

#include <algorithm>

std::vector<TimerTable::Timer>::iterator TimerTable::Find(CWnd& wnd, UINT id)
{
    return std::find_if(m_timers.begin(), m_timers.end(),
                        [&](const Timer& t) { return t.wnd == &wnd && t.id == id; });
}

std::vector<TimerTable::Timer>::const_iterator TimerTable::Find(CWnd& wnd, UINT id) const
{
    return std::find_if(m_timers.begin(), m_timers.end(),
                        [&](const Timer& t) { return t.wnd == &wnd && t.id == id; });
}

void TimerTable::Set(CWnd& wnd, UINT id, UINT periodMs, std::int64_t now)
{
    Kill(wnd, id);
    const UINT period = std::max(periodMs, 1u);
    m_timers.push_back({&wnd, id, period, now + period, m_nextOrder++});
}

void TimerTable::Kill(CWnd& wnd, UINT id)
{
    auto it = Find(wnd, id);
    if (it != m_timers.end())
        m_timers.erase(it);
}

void TimerTable::KillAll(CWnd& wnd)
{
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const Timer& t) { return t.wnd == &wnd; }),
                   m_timers.end());
}

bool TimerTable::IsRunning(CWnd& wnd, UINT id) const
{
    return Find(wnd, id) != m_timers.end();
}

UINT TimerTable::Period(CWnd& wnd, UINT id) const
{
    auto it = Find(wnd, id);
    return it == m_timers.end() ? 0 : it->period;
}

bool TimerTable::NextDue(std::int64_t until, Due& next) const
{
    auto first = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->due > until)
            continue;
        if (first == m_timers.end() || it->due < first->due ||
            (it->due == first->due && it->order < first->order))
            first = it;
    }
    if (first == m_timers.end())
        return false;
    next = {first->wnd, first->id, first->due, first->period};
    return true;
}

bool TimerTable::FirstDueTime(std::int64_t& at) const
{
    if (m_timers.empty())
        return false;
    at = std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) {
             return a.due < b.due;
         })->due;
    return true;
}

void TimerTable::Ticked(CWnd& wnd, UINT id, std::int64_t at)
{
    auto it = Find(wnd, id);
    if (it == m_timers.end())
        return;
    // Counting from the tick, never from its due time, is what keeps a timer
    // that missed several periods from ticking once for each of them.
    it->due = std::max(at, it->due) + it->period;
    it->order = m_nextOrder++;
}
