// How messages reach the windows of the Qt backend: one at a time through
// Dispatch; user input, paint requests and timer ticks that meet blocking
// work (a handler held in Sleep) wait until it is over.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/Wnd.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/QtBackend.h"

bool QtBackend::HasEnded(CWnd& wnd) const
{
    auto it = m_windows.find(&wnd);
    return it != m_windows.end() && it->second->ended;
}

bool QtBackend::IsUnderDialog(CWnd& wnd) const
{
    QWidget* top = QApplication::activeModalWidget();
    return top && top != WindowOf(wnd);
}

void QtBackend::Dispatch(CWnd& wnd, const MSG& msg)
{
    // Once a window's end is asked for, nothing more reaches it: no input
    // that waited behind the command that ended it, no tick, no paint. Its
    // loop leaves first, as a classic modal loop does.
    if (HasEnded(wnd))
        return;
    ++m_nDispatchDepth;
    wnd.SendMessage(msg.message, msg.wParam, msg.lParam);
    --m_nDispatchDepth;
    if (m_nDispatchDepth == 0) {
        m_bSleptInHandler = false;
        DeliverHeld();
        // A handler may have disabled the button it was pressed through.
        for (auto& [w, modal] : m_windows)
            if (modal->window)
                modal->window->SettleFocus();
    }
}

void QtBackend::InputKey(CWnd& wnd, UINT vk, bool shift)
{
    InputAction(wnd, [this, &wnd, vk, shift] {
        m_bShiftDown = shift;
        Dispatch(wnd, MSG{WM_KEYDOWN, vk, MAKELPARAM(1, 0)});
        m_bShiftDown = false;
    });
}

void QtBackend::Input(CWnd& wnd, const MSG& msg)
{
    InputAction(wnd, [this, &wnd, msg] { Dispatch(wnd, msg); });
}

void QtBackend::InputAction(CWnd& wnd, std::function<void()> action)
{
    if (IsHeld()) {
        m_held.push_back({&wnd, std::move(action)});
        return;
    }
    action();
}

void QtBackend::PostPaint(CWnd& wnd)
{
    DialogWindow* window = WindowOf(wnd);
    if (!window || !m_paintsPosted.insert(&wnd).second)
        return; // one request is enough
    QTimer::singleShot(0, window, [this, &wnd] {
        m_paintsPosted.erase(&wnd);
        if (!WindowOf(wnd))
            return;
        if (IsHeld()) {
            // Never paint from inside blocking work: the window shows the
            // last frame copied to it until the work is over.
            m_paintsHeld.insert(&wnd);
            return;
        }
        Paint(wnd);
    });
}

void QtBackend::Paint(CWnd& wnd)
{
    Dispatch(wnd, MSG{WM_PAINT, 0, 0});
    if (onPaintHandled && WindowOf(wnd))
        onPaintHandled(wnd);
}

void QtBackend::Tick(CWnd& wnd, UINT id)
{
    Dispatch(wnd, MSG{WM_TIMER, id, 0});
}

void QtBackend::DeliverHeld()
{
    // Each item is taken off before it runs: a handler may open a dialog
    // whose loop delivers the rest.
    while (!IsHeld()) {
        if (!m_held.empty()) {
            Held next = std::move(m_held.front());
            m_held.pop_front();
            // Input that waited behind the command that opened a dialog
            // never reaches the window under it: the dialog blocks it there,
            // as it blocks the student's clicks from now on.
            if (!IsUnderDialog(*next.wnd))
                next.action();
        } else if (!m_paintsHeld.empty()) {
            CWnd* wnd = *m_paintsHeld.begin();
            m_paintsHeld.erase(m_paintsHeld.begin());
            Paint(*wnd);
        } else if (!m_timers.TickOneHeld()) {
            return;
        }
    }
}

UINT QtBackend::Scaled(UINT ms) const
{
    if (m_dTimeScale == 1.0 || ms == 0)
        return ms;
    return static_cast<UINT>(std::max(1.0, std::round(ms * m_dTimeScale)));
}

void QtBackend::SetTimer(CWnd& wnd, UINT id, UINT elapseMs)
{
    m_timers.Set(wnd, id, Scaled(elapseMs));
}

void QtBackend::KillTimer(CWnd& wnd, UINT id)
{
    m_timers.Kill(wnd, id);
}

void QtBackend::Sleep(UINT ms)
{
    // The thread is held: the window still repaints and answers the window
    // system, but takes no input and runs no handler until the time is up.
    ++m_nSleepDepth;
    m_bSleptInHandler = true;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(Scaled(ms)), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    --m_nSleepDepth;
}
