#include "platform/headless/HeadlessBackend.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/ApplicationResources.h"
#include "platform/Dialog.h"

HeadlessBackend::HeadlessBackend()
{
    SetBackend(this);
}

HeadlessBackend::~HeadlessBackend()
{
    if (GetBackend() == this)
        SetBackend(nullptr);
}

// --- Clock and timers ------------------------------------------------------

void HeadlessBackend::SetTimer(CWnd& wnd, UINT id, UINT elapseMs)
{
    m_timers.Set(wnd, id, elapseMs, m_nowMs);
}

void HeadlessBackend::KillTimer(CWnd& wnd, UINT id)
{
    m_timers.Kill(wnd, id);
}

bool HeadlessBackend::DeliverOneDueTimer(std::int64_t until)
{
    TimerTable::Due next;
    if (!m_timers.NextDue(until, next))
        return false;
    // The clock walks to the tick; a tick held back by blocking work comes
    // now, when the work is over.
    m_nowMs = std::max(m_nowMs, next.at);
    m_timers.Ticked(*next.wnd, next.id, m_nowMs);
    if (onTick)
        onTick(*next.wnd, next.id);
    Dispatch(*next.wnd, MSG{WM_TIMER, next.id, 0});
    return true;
}

void HeadlessBackend::Advance(std::int64_t ms)
{
    const std::int64_t target = m_nowMs + ms;
    Pump();
    while (DeliverOneDueTimer(target))
        Pump();
    m_nowMs = std::max(m_nowMs, target);
}

void HeadlessBackend::Pump()
{
    if (m_sleepDepth > 0)
        return;
    while (!m_queued.empty()) {
        Input input = m_queued.front();
        m_queued.pop_front();
        if (Find(*input.wnd))
            Dispatch(*input.wnd, input.msg);
    }
    while (DeliverOneDueTimer(m_nowMs)) {
    }
}

void HeadlessBackend::Sleep(UINT ms)
{
    ++m_sleepDepth;
    m_nowMs += ms;
    m_sleptMs += ms;
    if (onSleep)
        onSleep(ms);
    --m_sleepDepth;
}

// --- Dispatch and input ----------------------------------------------------

void HeadlessBackend::Dispatch(CWnd& wnd, const MSG& msg)
{
    ++m_dispatchDepth;
    wnd.SendMessage(msg.message, msg.wParam, msg.lParam);
    --m_dispatchDepth;
}

void HeadlessBackend::Deliver(CWnd& wnd, const MSG& msg)
{
    if (m_sleepDepth > 0) {
        // The thread is held by blocking work: the input waits its turn.
        m_queued.push_back({&wnd, msg});
        return;
    }
    Dispatch(wnd, msg);
    if (m_dispatchDepth == 0) {
        Pump();
        // A handler may have disabled the control it was pressed through.
        SettleFocus();
    }
}

void HeadlessBackend::Click(CWnd& wnd, int id)
{
    Window* w = Find(wnd);
    DialogControl* c = FindControl(wnd, id);
    if (!w || (w->tpl && (!c || !c->enabled || !c->visible)))
        return; // a disabled or hidden button cannot be clicked
    // The pointer gives a button the focus, as it does on the desktop.
    if (c && w->tpl)
        w->focus.Set(FocusStop::OfControl(static_cast<int>(c - w->controls.All().data())));
    Deliver(wnd, MSG{WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED), 0});
}

void HeadlessBackend::Mouse(CWnd& wnd, UINT message, int x, int y)
{
    const WPARAM flags = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    Deliver(wnd, MSG{message, flags, MAKELPARAM(x, y)});
}

void HeadlessBackend::Send(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Deliver(wnd, MSG{message, wParam, lParam});
}

// --- Windows -----------------------------------------------------------------

HeadlessBackend::Window* HeadlessBackend::Find(CWnd& wnd)
{
    auto it = m_windows.find(&wnd);
    return it == m_windows.end() ? nullptr : it->second.get();
}

HeadlessBackend::Window& HeadlessBackend::Create(CDialog& dlg)
{
    auto window = std::make_unique<Window>();
    window->tpl = FindDialogTemplate(dlg.GetTemplateId());
    if (window->tpl)
        window->controls.Build(*window->tpl);
    const ::Box client = ClientBox(window->tpl);
    window->client.Reset(client.w, client.h);
    Window& result = *window;
    m_windows[&dlg] = std::move(window);
    dlg.SetCreated(true);
    return result;
}

void HeadlessBackend::Open(CDialog& dlg)
{
    Window& window = Create(dlg);
    if (dlg.OnInitDialog())
        window.focus.Start(window.controls.Facts(), dlg.GetClientParts());
}

void HeadlessBackend::Close(CDialog& dlg)
{
    WindowDestroyed(dlg);
}

bool HeadlessBackend::HasEnded(CWnd& wnd)
{
    Window* w = Find(wnd);
    return !w || w->ended;
}

void HeadlessBackend::WindowDestroyed(CWnd& wnd)
{
    m_timers.KillAll(wnd);
    m_queued.erase(std::remove_if(m_queued.begin(), m_queued.end(),
                                  [&](const Input& i) { return i.wnd == &wnd; }),
                   m_queued.end());
    if (m_capture == &wnd)
        m_capture = nullptr;
    m_windows.erase(&wnd);
    wnd.SetCreated(false);
}

INT_PTR HeadlessBackend::RunModal(CDialog& dlg)
{
    Window& window = Create(dlg);
    ++m_modalDepth;
    if (dlg.OnInitDialog())
        window.focus.Start(window.controls.Facts(), dlg.GetClientParts());
    if (!window.ended) {
        if (m_scripts.empty() && !defaultModal) {
            Fail("a modal dialog (template " + std::to_string(dlg.GetTemplateId()) +
                 ") opened with no scripted answer");
            dlg.EndDialog(IDCANCEL);
        } else {
            ModalScript script = defaultModal;
            if (!m_scripts.empty()) {
                script = std::move(m_scripts.front());
                m_scripts.pop_front();
            }
            const int command = script(dlg);
            Window* still = Find(dlg);
            if (still && !still->ended)
                Dispatch(dlg,
                         MSG{WM_COMMAND, MAKEWPARAM(static_cast<UINT>(command), BN_CLICKED), 0});
            if (still && !still->ended)
                dlg.EndDialog(command);
        }
    }
    --m_modalDepth;
    Window* done = Find(dlg);
    const int result = done ? done->result : IDCANCEL;
    WindowDestroyed(dlg);
    SettleFocus();
    return result;
}

void HeadlessBackend::EndModal(CDialog& dlg, int result)
{
    if (Window* w = Find(dlg)) {
        w->ended = true;
        w->result = result;
    }
}

void HeadlessBackend::ExpectModal(ModalScript script)
{
    m_scripts.push_back(std::move(script));
}

void HeadlessBackend::Fail(const std::string& what)
{
    if (onScriptFailure) {
        onScriptFailure(what);
        return;
    }
    std::fprintf(stderr, "headless backend: %s\n", what.c_str());
    std::abort();
}

// --- Controls ------------------------------------------------------------------

DialogControl* HeadlessBackend::FindControl(CWnd& wnd, int id)
{
    Window* w = Find(wnd);
    if (!w)
        return nullptr;
    if (DialogControl* c = w->controls.Find(id))
        return c;
    if (w->tpl || id == IDC_STATIC)
        return nullptr;
    // A window without a template grows its controls as they are used.
    DialogControl c;
    c.id = id;
    return &w->controls.Add(std::move(c));
}

bool HeadlessBackend::HasControl(CWnd& wnd, int id)
{
    return FindControl(wnd, id) != nullptr;
}

void HeadlessBackend::EnableControl(CWnd& wnd, int id, bool enable)
{
    if (DialogControl* c = FindControl(wnd, id))
        c->enabled = enable;
}

bool HeadlessBackend::IsControlEnabled(CWnd& wnd, int id)
{
    DialogControl* c = FindControl(wnd, id);
    return c && c->enabled;
}

bool HeadlessBackend::IsControlVisible(CWnd& wnd, int id)
{
    DialogControl* c = FindControl(wnd, id);
    return c && c->visible;
}

void HeadlessBackend::SetControlText(CWnd& wnd, int id, const CString& text)
{
    if (DialogControl* c = FindControl(wnd, id))
        c->edit.Set(text.str());
}

CString HeadlessBackend::GetControlText(CWnd& wnd, int id)
{
    DialogControl* c = FindControl(wnd, id);
    return c ? CString(c->Text()) : CString();
}

// --- Client area, icons, menus, message boxes -------------------------------------

Surface* HeadlessBackend::ClientSurface(CWnd& wnd)
{
    Window* w = Find(wnd);
    return w ? &w->client : nullptr;
}

void HeadlessBackend::ClientUpdated(CWnd& wnd)
{
    if (Window* w = Find(wnd))
        ++w->clientUpdates;
    if (onClientUpdated)
        onClientUpdated(wnd);
}

int HeadlessBackend::ClientUpdates(CWnd& wnd)
{
    Window* w = Find(wnd);
    return w ? w->clientUpdates : 0;
}

COLORREF HeadlessBackend::ClientPixel(CWnd& wnd, int x, int y)
{
    Window* w = Find(wnd);
    if (!w || x < 0 || y < 0 || x >= w->client.width || y >= w->client.height)
        return 0;
    return ColorFromPixel(w->client.pixels[static_cast<std::size_t>(y) * w->client.width + x]);
}

bool HeadlessBackend::IsIconic(CWnd& wnd)
{
    Window* w = Find(wnd);
    return w && w->iconic;
}

void HeadlessBackend::SetIconic(CWnd& wnd, bool iconic)
{
    if (Window* w = Find(wnd))
        w->iconic = iconic;
}

void HeadlessBackend::SetIcon(CWnd& wnd, HICON icon, bool big)
{
    if (Window* w = Find(wnd))
        (big ? w->bigIcon : w->smallIcon) = icon;
}

HICON HeadlessBackend::Icon(CWnd& wnd, bool big)
{
    Window* w = Find(wnd);
    return w ? (big ? w->bigIcon : w->smallIcon) : 0;
}

void HeadlessBackend::DrawIcon(CWnd& wnd, int x, int y, HICON icon)
{
    if (Window* w = Find(wnd))
        w->iconDraws.push_back({x, y, icon});
}

std::vector<HeadlessBackend::IconDraw> HeadlessBackend::IconDraws(CWnd& wnd)
{
    Window* w = Find(wnd);
    return w ? w->iconDraws : std::vector<IconDraw>{};
}

void HeadlessBackend::AppendSystemMenu(CWnd& wnd, UINT flags, UINT id, const CString& text)
{
    if (Window* w = Find(wnd))
        w->systemMenu.push_back({flags, id, text.str()});
}

std::vector<HeadlessBackend::MenuItem> HeadlessBackend::SystemMenu(CWnd& wnd)
{
    Window* w = Find(wnd);
    return w ? w->systemMenu : std::vector<MenuItem>{};
}

int HeadlessBackend::MessageBox(CWnd*, const CString& text, const CString& caption, UINT type)
{
    m_boxes.push_back({text.str(), caption.str(), type});
    if (onMessageBox) {
        const Box box = m_boxes.back(); // the hook may show further boxes
        ++m_modalDepth;
        onMessageBox(box);
        --m_modalDepth;
    }
    return IDOK;
}
