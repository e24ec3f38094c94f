#include "platform/web/PageInput.h"

#include "platform/ClassicLook.h"
#include "platform/Wnd.h"
#include "platform/web/PageBridge.h"
#include "platform/web/WebBackend.h"
#include "platform/web/WebWindow.h"

bool PageInput::HandleNext()
{
    int f[7] = {};
    const int kind = tervan_next_event(f);
    if (kind == kEventNone)
        return false;
    std::string text;
    if (f[6] > 0) {
        text.resize(static_cast<std::size_t>(f[6]) + 1);
        tervan_event_text(&text[0], f[6] + 1);
        text.resize(static_cast<std::size_t>(f[6]));
    }
    switch (kind) {
    case kPointerDown:
        PointerDown(f[0], f[1]);
        break;
    case kPointerMove:
        PointerMove(f[0], f[1], f[2] != 0);
        break;
    case kPointerUp:
        PointerUp(f[0], f[1]);
        break;
    case kPointerCancel:
        PointerCancel();
        break;
    case kKeyPress:
        Key(f[0], f[1] != 0);
        break;
    case kEditState:
        EditState(text, f[0], f[1], f[2] != 0);
        break;
    case kContextMenu:
        OpenMenu(f[0], f[1]);
        break;
    case kLongPress:
        LongPress(f[0], f[1]);
        break;
    case kMirrorFocus:
        MirrorFocus(f[0], f[1]);
        break;
    case kMirrorActivate:
        MirrorActivate(f[0], f[1]);
        break;
    case kMirrorStep:
        MirrorStep(f[0], f[1]);
        break;
    case kMenuChoose:
        if (f[0] >= 0 && f[0] < static_cast<int>(m_backend.GetScreen().Menu().items.size()))
            ChooseMenuItem(f[0]);
        break;
    default:
        if (onOtherEvent)
            onOtherEvent(kind, f, text);
        break;
    }
    return true;
}

void PageInput::Reset()
{
    if (m_target == Target::Button && m_window && m_control >= 0) {
        DialogControl& c = m_window->Controls()[static_cast<std::size_t>(m_control)];
        c.pressed = false;
        m_window->ControlChanged(c);
    }
    m_target = Target::None;
    m_window = nullptr;
    m_control = -1;
}

void PageInput::SendClientMouse(WebWindow& w, unsigned message, int x, int y, bool down)
{
    const Box client = w.ClientOnScreen();
    m_backend.Dispatch(w.Wnd(), MSG{message, static_cast<WPARAM>(down ? MK_LBUTTON : 0),
                                    MAKELPARAM(x - client.x, y - client.y)});
}

void PageInput::PointerDown(int x, int y)
{
    m_lastX = x;
    m_lastY = y;
    ContextMenu& menu = m_backend.GetScreen().Menu();
    if (menu.IsOpen()) {
        if (menu.box.Contains(x, y)) {
            m_target = Target::Menu;
        } else {
            // A press beside the menu only closes it.
            m_backend.GetScreen().CloseMenu();
        }
        return;
    }
    Reset();
    WebWindow* top = m_backend.Top();
    if (!top || !top->Outer().Contains(x, y))
        return; // the windows under a modal dialog take no input
    const Box client = top->ClientOnScreen();
    const int index = top->HitControl(x - client.x, y - client.y);
    m_window = top;
    m_control = index;
    if (index < 0) {
        if (client.Contains(x, y)) {
            m_target = Target::Client;
            SendClientMouse(*top, WM_LBUTTONDOWN, x, y, true);
        }
        return;
    }
    DialogControl& c = top->Controls()[static_cast<std::size_t>(index)];
    if (!c.enabled)
        return;
    top->SetFocus(index);
    if (c.IsButton()) {
        m_target = Target::Button;
        c.pressed = true;
        top->ControlChanged(c);
    } else {
        m_target = Target::Edit;
        const Box text = ClassicLook::EditTextBox(c);
        c.edit.caret = c.edit.anchor =
            OffsetAtX(top->Font(), c.edit.text, x - client.x - c.rect.x - text.x + c.edit.scroll);
        ClassicLook::PlaceCaret(c, top->Font());
        top->ControlChanged(c);
    }
    m_backend.BindInput();
}

void PageInput::PointerMove(int x, int y, bool down)
{
    m_lastX = x;
    m_lastY = y;
    ContextMenu& menu = m_backend.GetScreen().Menu();
    if (menu.IsOpen()) {
        const int hot = menu.ItemAt(x, y);
        if (hot != menu.hot) {
            menu.hot = hot;
            m_backend.GetScreen().Invalidate(menu.box);
        }
        return;
    }
    if (m_target == Target::Button && m_window) {
        DialogControl& c = m_window->Controls()[static_cast<std::size_t>(m_control)];
        const Box client = m_window->ClientOnScreen();
        const bool inside = c.rect.Contains(x - client.x, y - client.y);
        if (inside != c.pressed) {
            c.pressed = inside;
            m_window->ControlChanged(c);
        }
        return;
    }
    if (m_target == Target::Edit && m_window && down) {
        DialogControl& c = m_window->Controls()[static_cast<std::size_t>(m_control)];
        const Box client = m_window->ClientOnScreen();
        const Box text = ClassicLook::EditTextBox(c);
        c.edit.caret = OffsetAtX(m_window->Font(), c.edit.text,
                                 x - client.x - c.rect.x - text.x + c.edit.scroll);
        ClassicLook::PlaceCaret(c, m_window->Font());
        m_window->ControlChanged(c);
        m_backend.BindInput();
        return;
    }
    if (m_target == Target::Client && m_window) {
        SendClientMouse(*m_window, WM_MOUSEMOVE, x, y, down);
        return;
    }
    // A pointer passing over a window's client area, no button held.
    WebWindow* over = m_backend.Top();
    if (CWnd* capture = m_backend.Capture())
        over = m_backend.WindowOf(*capture);
    if (!over || down)
        return;
    const Box client = over->ClientOnScreen();
    if (client.Contains(x, y) && over->HitControl(x - client.x, y - client.y) < 0)
        SendClientMouse(*over, WM_MOUSEMOVE, x, y, false);
    else if (m_backend.Capture())
        SendClientMouse(*over, WM_MOUSEMOVE, x, y, false);
}

void PageInput::PointerUp(int x, int y)
{
    m_lastX = x;
    m_lastY = y;
    ContextMenu& menu = m_backend.GetScreen().Menu();
    if (menu.IsOpen()) {
        if (m_target == Target::Menu) {
            const int index = menu.ItemAt(x, y);
            m_target = Target::None;
            if (index >= 0)
                ChooseMenuItem(index);
        }
        return;
    }
    const Target target = m_target;
    WebWindow* window = m_window;
    const int control = m_control;
    m_target = Target::None;
    if (target == Target::Button && window) {
        DialogControl& c = window->Controls()[static_cast<std::size_t>(control)];
        const bool clicked = c.pressed && c.enabled;
        c.pressed = false;
        window->ControlChanged(c);
        if (clicked)
            m_backend.Command(*window, c.id);
    } else if (target == Target::Client && window) {
        SendClientMouse(*window, WM_LBUTTONUP, x, y, false);
    }
}

void PageInput::PointerCancel()
{
    // The browser took the pointer (a scroll or a long press): a held button
    // lets go without its click, a drag ends where it was.
    if (m_target == Target::Client && m_window)
        SendClientMouse(*m_window, WM_LBUTTONUP, m_lastX, m_lastY, false);
    Reset();
}

void PageInput::EditState(const std::string& text, int start, int end, bool backwards)
{
    WebWindow* top = m_backend.Top();
    const int index = top ? top->TypedEdit() : -1;
    if (index < 0)
        return;
    DialogControl& c = top->Controls()[static_cast<std::size_t>(index)];
    const bool changed = c.edit.text != text;
    c.edit.Mirror(text, static_cast<std::size_t>(start), static_cast<std::size_t>(end), backwards);
    if (changed && m_backend.onTyped)
        m_backend.onTyped(m_backend.Depth(), c.id, text);
    if (top->Focus() != index)
        top->SetFocus(index);
    ClassicLook::PlaceCaret(c, top->Font());
    top->ControlChanged(c);
}

void PageInput::OpenMenu(int x, int y)
{
    WebWindow* top = m_backend.Top();
    if (top && !top->Menu().empty() && top->Outer().Contains(x, y))
        m_backend.GetScreen().OpenMenu(*top, x, y);
}

void PageInput::OpenMenuByKey()
{
    // Below the control or part with the focus, or at the client area's
    // corner, with its first item chosen so that the arrows and Return go on.
    WebWindow* top = m_backend.Top();
    if (!top || top->Menu().empty())
        return;
    const Box client = top->ClientOnScreen();
    Box at{client.x, client.y, 0, 0};
    const FocusStop stop = top->FocusedStop();
    if (top->Focus() >= 0) {
        at =
            top->Controls()[static_cast<std::size_t>(top->Focus())].rect.Offset(client.x, client.y);
    } else if (stop.kind == FocusStop::Part) {
        if (const ClientPart* part = top->Wnd().FindClientPart(stop.index))
            at = part->rect.Offset(client.x, client.y);
    }
    Screen& screen = m_backend.GetScreen();
    screen.OpenMenu(*top, at.x, at.y + at.h);
    if (screen.Menu().IsOpen()) {
        screen.Menu().hot = 0;
        screen.Invalidate(screen.Menu().box);
    }
}

void PageInput::LongPress(int x, int y)
{
    // A finger held still opens the menu, but not on a control, nor where
    // the window took the pointer for a drag of its own.
    if (m_backend.GetScreen().Menu().IsOpen() || m_control >= 0 || m_backend.Capture())
        return;
    WebWindow* top = m_backend.Top();
    if (!top || m_window != top || top->Menu().empty())
        return;
    // The press ends without a click of its own.
    if (m_target == Target::Client)
        SendClientMouse(*top, WM_LBUTTONUP, m_lastX, m_lastY, false);
    Reset();
    OpenMenu(x, y);
}

void PageInput::ChooseMenuItem(int index)
{
    ContextMenu& menu = m_backend.GetScreen().Menu();
    WebWindow* owner = menu.owner;
    const unsigned id = menu.items[static_cast<std::size_t>(index)].id;
    m_backend.GetScreen().CloseMenu();
    if (owner)
        m_backend.Dispatch(owner->Wnd(), MSG{WM_SYSCOMMAND, id, 0});
}
