// The window registry of the browser backend and the calls that reach a
// window's controls, pixels and menu.
#include "platform/web/WebBackend.h"

#include <algorithm>

#include "platform/ApplicationResources.h"
#include "platform/Dialog.h"
#include "platform/WinApp.h"
#include "platform/web/MirrorJson.h"
#include "platform/web/PageBridge.h"
#include "platform/web/PageInput.h"
#include "platform/web/WebWindow.h"

namespace {
// The page is as large as the application's largest window.
Box LargestWindow()
{
    Box largest{0, 0, 320, 200};
    for (const DialogTemplate* t : GetApplicationResources().templates) {
        const Box b = WebWindow::OuterSize(t, (t->style & DS_APPWINDOW) != 0);
        largest.w = std::max(largest.w, b.w);
        largest.h = std::max(largest.h, b.h);
    }
    return largest;
}
} // namespace

WebBackend::WebBackend() : m_input(std::make_unique<PageInput>(*this))
{
    const Box page = LargestWindow();
    m_screen.Init(page.w, page.h);
}

void WebBackend::Run()
{
    SetBackend(this);
    AfxWinMain();
    tervan_set_work_at_risk(0);
    tervan_program_ended();
}

WebBackend::~WebBackend()
{
    if (GetBackend() == this)
        SetBackend(nullptr);
}

WebWindow* WebBackend::Top() const
{
    return m_stack.empty() ? nullptr : m_stack.back().get();
}

int WebBackend::Depth(CWnd& wnd) const
{
    for (std::size_t i = 0; i < m_stack.size(); ++i)
        if (&m_stack[i]->Wnd() == &wnd)
            return static_cast<int>(i);
    return -1;
}

WebWindow* WebBackend::WindowOf(CWnd& wnd) const
{
    for (const auto& w : m_stack)
        if (&w->Wnd() == &wnd)
            return w.get();
    return nullptr;
}

void WebBackend::WindowDestroyed(CWnd& wnd)
{
    m_timers.KillAll(wnd);
    m_paints.erase(&wnd);
    if (m_capture == &wnd)
        m_capture = nullptr;
    if (WebWindow* w = WindowOf(wnd))
        w->ended = true;
    wnd.SetCreated(false);
}

// --- Controls ------------------------------------------------------------

bool WebBackend::HasControl(CWnd& wnd, int id)
{
    WebWindow* w = WindowOf(wnd);
    return w && w->Control(id);
}

void WebBackend::EnableControl(CWnd& wnd, int id, bool enable)
{
    WebWindow* w = WindowOf(wnd);
    DialogControl* c = w ? w->Control(id) : nullptr;
    if (!c || c->enabled == enable)
        return;
    c->enabled = enable;
    if (!enable)
        c->pressed = false;
    w->ControlChanged(*c);
    // A control that loses its enabling loses the focus too.
    if (!enable && w->Focus() >= 0 && &w->Controls()[static_cast<std::size_t>(w->Focus())] == c)
        w->LosingFocus(w->Focus());
}

bool WebBackend::IsControlEnabled(CWnd& wnd, int id)
{
    WebWindow* w = WindowOf(wnd);
    const DialogControl* c = w ? w->Control(id) : nullptr;
    return c && c->enabled;
}

void WebBackend::SetControlText(CWnd& wnd, int id, const CString& text)
{
    WebWindow* w = WindowOf(wnd);
    DialogControl* c = w ? w->Control(id) : nullptr;
    if (!c || !c->edit.Set(text.str()))
        return;
    w->ControlChanged(*c);
    if (w == Top() && c->IsTypedInto())
        BindInput();
}

CString WebBackend::GetControlText(CWnd& wnd, int id)
{
    WebWindow* w = WindowOf(wnd);
    const DialogControl* c = w ? w->Control(id) : nullptr;
    return c ? CString(c->edit.text) : CString();
}

// --- Pixels and menu --------------------------------------------------------

Surface* WebBackend::ClientSurface(CWnd& wnd)
{
    WebWindow* w = WindowOf(wnd);
    return w ? &w->Client() : nullptr;
}

void WebBackend::ClientUpdated(CWnd& wnd)
{
    if (WebWindow* w = WindowOf(wnd))
        w->ClientChanged();
}

void WebBackend::DrawIcon(CWnd&, int, int, HICON)
{
    // A page is never minimised, so the program never draws its icon there.
}

void WebBackend::AppendSystemMenu(CWnd& wnd, UINT flags, UINT id, const CString& text)
{
    if (WebWindow* w = WindowOf(wnd))
        w->Menu().push_back({flags, id, text.str()});
}

void WebBackend::BindInput()
{
    WebWindow* top = Top();
    const int index = top ? top->TypedEdit() : -1;
    if (index < 0) {
        tervan_bind_input(0, 0, 0, 0, 0, "", 0, 0, 0);
        return;
    }
    const DialogControl& c = top->Controls()[static_cast<std::size_t>(index)];
    const Box r = c.rect.Offset(top->ClientOnScreen().x, top->ClientOnScreen().y);
    const bool focused = top->Focus() == index;
    tervan_bind_input(r.x, r.y, r.w, r.h, -top->Font().height, c.edit.text.c_str(),
                      static_cast<int>(c.edit.SelStart()), static_cast<int>(c.edit.SelEnd()),
                      focused ? 1 : 0);
}

void WebBackend::ClientPartsChanged(CWnd& wnd)
{
    if (WebWindow* w = WindowOf(wnd))
        w->PartsChanged();
}

int WebBackend::FocusedPart(CWnd& wnd)
{
    WebWindow* w = WindowOf(wnd);
    const FocusStop stop = w ? w->FocusedStop() : FocusStop{};
    return stop.kind == FocusStop::Part ? stop.index : 0;
}

void WebBackend::Announce(CWnd&, const CString& text)
{
    tervan_announce(text.str().c_str());
}

void WebBackend::SyncMirror()
{
    WebWindow* top = Top();
    std::string json = "null";
    if (top) {
        const AccessibleWindow description = top->Describe();
        MirrorFacts facts;
        facts.window = &description;
        facts.controls = &top->Controls();
        facts.parts = &top->Parts();
        facts.serial = top->Serial();
        facts.originX = top->ClientOnScreen().x;
        facts.originY = top->ClientOnScreen().y;
        facts.ring = top->RingAround();
        json = MirrorJson(facts);
    }
    if (json != m_mirror) {
        m_mirror = std::move(json);
        tervan_mirror(m_mirror.c_str());
    }
    // The menu over it, item by item, with the one the keys have chosen.
    const ContextMenu& menu = m_screen.Menu();
    std::string items;
    for (const ContextMenu::Item& item : menu.items)
        items += (items.empty() ? "{\"text\":" : ",{\"text\":") + JsonString(item.text) +
                 ",\"x\":" + std::to_string(item.box.x) + ",\"y\":" + std::to_string(item.box.y) +
                 ",\"w\":" + std::to_string(item.box.w) + ",\"h\":" + std::to_string(item.box.h) +
                 "}";
    std::string menuJson =
        menu.IsOpen() ? "{\"hot\":" + std::to_string(menu.hot) + ",\"items\":[" + items + "]}"
                      : "null";
    if (menuJson != m_menuMirror) {
        m_menuMirror = std::move(menuJson);
        tervan_menu(m_menuMirror.c_str());
    }
}

void WebBackend::NoteUnsavedWork(bool unsaved)
{
    // The page asks before it is closed or reloaded.
    tervan_set_work_at_risk(unsaved ? 1 : 0);
}
