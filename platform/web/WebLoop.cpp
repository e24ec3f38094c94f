// The loops of the browser backend: modal dialogs and message boxes each run
// one (a message box laid out as MessageBoxLayout says), in which the queued input goes to the top
// window while every window's timers and paint requests go on; Sleep holds everything but the
// picture.
#include <algorithm>
#include <cmath>
#include <ctime>

#include "platform/ApplicationResources.h"
#include "platform/Dialog.h"
#include "platform/WinApp.h"
#include "platform/web/MessageBoxLayout.h"
#include "platform/web/PageBridge.h"
#include "platform/web/PageInput.h"
#include "platform/web/WebBackend.h"
#include "platform/web/WebWindow.h"

namespace {
// A loop with nothing to do still looks at the queue this often, in case an
// event's wake-up was missed.
constexpr int kLongestWaitMs = 1000;
} // namespace

std::int64_t WebBackend::NowMs() const
{
    return static_cast<std::int64_t>(std::floor(tervan_now()));
}

time_seconds WebBackend::NowSeconds()
{
    if (m_fixedDate != 0)
        return m_fixedDate;
    return static_cast<time_seconds>(std::time(nullptr));
}

void WebBackend::Dispatch(CWnd& wnd, const MSG& msg)
{
    if (onDispatch)
        onDispatch(wnd, msg);
    wnd.SendMessage(msg.message, msg.wParam, msg.lParam);
}

void WebBackend::Command(WebWindow& window, int id)
{
    Dispatch(window.Wnd(), MSG{WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED), 0});
}

INT_PTR WebBackend::RunModal(CDialog& dlg)
{
    const DialogTemplate* tpl = FindDialogTemplate(dlg.GetTemplateId());
    const bool fillsPage = tpl && (tpl->style & DS_APPWINDOW) && !dlg.GetOwner();
    auto window = std::make_unique<WebWindow>(dlg, tpl, fillsPage);
    if (fillsPage && tpl->caption)
        tervan_set_title(tpl->caption);
    return RunWindow(dlg, std::move(window));
}

INT_PTR WebBackend::RunWindow(CDialog& dlg, std::unique_ptr<WebWindow> owned)
{
    // A window that holds the pointer would keep it from the dialog.
    m_capture = nullptr;
    m_input->Reset();
    m_screen.CloseMenu();
    WebWindow& window = *owned;
    // Centred on its owner, or on the page.
    Box area{0, 0, m_screen.Width(), m_screen.Height()};
    if (CWnd* owner = dlg.GetOwner())
        if (WebWindow* o = WindowOf(*owner))
            area = o->Outer();
    const Box outer = window.Outer();
    window.MoveTo(std::max(0, area.x + (area.w - outer.w) / 2),
                  std::max(0, area.y + (area.h - outer.h) / 2));
    m_stack.push_back(std::move(owned));
    dlg.SetCreated(true);
    const int depth = Depth();
    if (onWindowOpened)
        onWindowOpened(depth, window.Template() ? window.Template()->id : 0);

    const BOOL focusFirst = dlg.OnInitDialog();
    window.PartsChanged();
    if (!window.ended) {
        if (focusFirst)
            window.FocusFirstTabStop();
        m_screen.Invalidate(window.Outer());
        m_paints.insert(&dlg);
        BindInput();
        while (!window.ended) {
            Pump(window);
            if (window.ended)
                break;
            Present();
            Wait(true);
        }
    }
    const int result = window.result;
    if (onWindowClosed)
        onWindowClosed(depth, result);
    if (dlg.IsWindow())
        WindowDestroyed(dlg);
    m_screen.Invalidate(window.Outer());
    m_screen.CloseMenu();
    m_stack.erase(std::find_if(m_stack.begin(), m_stack.end(),
                               [&](const auto& w) { return w.get() == &window; }));
    m_input->Reset();
    BindInput();
    Present();
    return result;
}

void WebBackend::EndModal(CDialog& dlg, int result)
{
    if (WebWindow* w = WindowOf(dlg)) {
        if (w->ended)
            return;
        w->ended = true;
        w->result = result;
    }
}

void WebBackend::Pump(WebWindow& modal)
{
    // Input first, in the order it came (a handler may open a dialog whose
    // loop takes the rest), then paint requests, then each due timer once.
    while (!modal.ended && m_input->HandleNext()) {
        // A handler may have disabled the button it was pressed through.
        modal.SettleFocus();
    }
    while (!modal.ended && !m_paints.empty()) {
        CWnd* wnd = *m_paints.begin();
        m_paints.erase(m_paints.begin());
        if (WindowOf(*wnd))
            Dispatch(*wnd, MSG{WM_PAINT, 0, 0});
    }
    if (!modal.ended)
        DeliverDueTimers();
}

void WebBackend::DeliverDueTimers()
{
    // Every timer due now ticks once, however many periods it missed while
    // the program was held or the page was hidden or frozen: its next tick
    // comes a period after this one (the rule of the shared timer table).
    const std::int64_t now = NowMs();
    TimerTable::Due due;
    while (m_timers.NextDue(now, due)) {
        m_timers.Ticked(*due.wnd, due.id, now);
        if (!WindowOf(*due.wnd))
            continue;
        if (onTick)
            onTick(due.id);
        Dispatch(*due.wnd, MSG{WM_TIMER, due.id, 0});
    }
}

void WebBackend::Present()
{
    std::vector<WebWindow*> windows;
    for (const auto& w : m_stack)
        windows.push_back(w.get());
    m_screen.Present(windows);
    SyncMirror();
    if (onPresented)
        onPresented();
}

void WebBackend::Wait(bool wakeOnEvent)
{
    if (wakeOnEvent && tervan_pending_events() > 0)
        return;
    std::int64_t ms = kLongestWaitMs;
    std::int64_t next = 0;
    if (m_timers.FirstDueTime(next))
        ms = std::min(ms, std::max<std::int64_t>(0, next - NowMs()));
    if (!m_paints.empty())
        ms = 0;
    tervan_wait(static_cast<int>(ms), wakeOnEvent ? 1 : 0);
}

void WebBackend::SetTimer(CWnd& wnd, UINT id, UINT elapseMs)
{
    const UINT period = static_cast<UINT>(std::max(1.0, std::round(elapseMs * m_timeScale)));
    m_timers.Set(wnd, id, period, NowMs());
}

void WebBackend::KillTimer(CWnd& wnd, UINT id)
{
    m_timers.Kill(wnd, id);
}

void WebBackend::Sleep(UINT ms)
{
    // The thread is held: the frame drawn so far shows, then the browser
    // runs alone for the time; whatever it queues meanwhile waits its turn.
    ++m_sleepDepth;
    Present();
    const double until = tervan_now() + ms * m_timeScale;
    for (double left = until - tervan_now(); left > 0; left = until - tervan_now())
        tervan_wait(static_cast<int>(std::ceil(left)), 0);
    --m_sleepDepth;
}

int WebBackend::MessageBox(CWnd*, const CString& text, const CString& caption, UINT)
{
    // One OK button and no icon, whatever the type asks; the caption bar
    // carries the application's name.
    MessageBoxLayout layout = LayOutMessageBox(text.str());
    CDialog box(0);
    auto window = std::make_unique<WebWindow>(box, caption.str(), layout.clientW, layout.clientH);
    window->AddControl(std::move(layout.text));
    window->AddControl(std::move(layout.ok));
    RunWindow(box, std::move(window));
    return IDOK;
}
