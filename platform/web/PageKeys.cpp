// The page's keys and its DOM mirror's requests, as the framework's one
// rule for keys routes them: Tab and Shift+Tab walk the controls and the
// window's focusable parts; Return, Space, Escape and F1 give commands; any
// other key on a focused part is the window's WM_KEYDOWN; the Menu key and
// Shift+F10 open the window's menu. A screen reader's
// focus, click or slider move in the mirror is the focus, click or keys a
// student at the keyboard would give.
#include "platform/KeyboardFocus.h"
#include "platform/Wnd.h"
#include "platform/web/PageBridge.h"
#include "platform/web/PageInput.h"
#include "platform/web/WebBackend.h"
#include "platform/web/WebWindow.h"

namespace {
// The page's keys (PageKey) as the window's virtual keys.
UINT VirtualKey(int key)
{
    switch (key) {
    case kKeyTab:
        return VK_TAB;
    case kKeyReturn:
        return VK_RETURN;
    case kKeyEscape:
        return VK_ESCAPE;
    case kKeySpace:
        return VK_SPACE;
    case kKeyArrowUp:
        return VK_UP;
    case kKeyArrowDown:
        return VK_DOWN;
    case kKeyArrowLeft:
        return VK_LEFT;
    case kKeyArrowRight:
        return VK_RIGHT;
    case kKeyPageUp:
        return VK_PRIOR;
    case kKeyPageDown:
        return VK_NEXT;
    case kKeyHome:
        return VK_HOME;
    case kKeyEnd:
        return VK_END;
    case kKeyF1:
        return VK_F1;
    default:
        return 0;
    }
}
} // namespace

void PageInput::Key(int key, bool shift)
{
    ContextMenu& menu = m_backend.GetScreen().Menu();
    if (key == kKeyMenu) {
        if (menu.IsOpen())
            m_backend.GetScreen().CloseMenu();
        else
            OpenMenuByKey();
        return;
    }
    if (menu.IsOpen()) {
        const int n = static_cast<int>(menu.items.size());
        if (key == kKeyEscape || key == kKeyTab)
            m_backend.GetScreen().CloseMenu();
        else if (key == kKeyReturn && menu.hot >= 0)
            ChooseMenuItem(menu.hot);
        else if (key == kKeyArrowDown || key == kKeyArrowUp) {
            menu.hot = ((menu.hot < 0 ? (key == kKeyArrowDown ? -1 : 0) : menu.hot) +
                        (key == kKeyArrowDown ? 1 : -1) + n) %
                       n;
            m_backend.GetScreen().Invalidate(menu.box);
        }
        return;
    }
    WebWindow* top = m_backend.Top();
    const UINT vk = VirtualKey(key);
    if (!top || vk == 0)
        return;
    top->UseKeys();
    if (vk == VK_TAB) {
        top->FocusNext(shift);
        m_backend.BindInput();
        return;
    }
    top->RestoreLostFocus();
    const KeyAction action = RouteKey(vk, shift, top->Facts(), top->Parts(), top->FocusedStop());
    switch (action.kind) {
    case KeyAction::Command: {
        // Space presses only a button that can be pressed.
        const DialogControl* c = top->Control(action.command);
        if (vk != VK_SPACE || (c && c->enabled && c->visible))
            m_backend.Command(*top, action.command);
        break;
    }
    case KeyAction::KeyToWindow:
        KeyToWindow(*top, vk, shift);
        break;
    case KeyAction::MoveFocus:
    case KeyAction::None:
        break;
    }
}

void PageInput::KeyToWindow(WebWindow& w, unsigned vk, bool shift, int count)
{
    m_backend.SetShiftDown(shift);
    m_backend.Dispatch(w.Wnd(), MSG{WM_KEYDOWN, vk, MAKELPARAM(count, 0)});
    m_backend.SetShiftDown(false);
}

// --- The page's DOM mirror ----------------------------------------------------------

namespace {
FocusStop StopOf(int kind, int index)
{
    return kind == 1 ? FocusStop::OfControl(index) : FocusStop::OfPart(index);
}
} // namespace

void PageInput::MirrorFocus(int kind, int index)
{
    WebWindow* top = m_backend.Top();
    const FocusStop stop = StopOf(kind, index);
    if (!top || !CanTakeFocus(top->Facts(), top->Parts(), stop))
        return;
    // A screen reader moves the focus for a student who does not point.
    top->UseKeys();
    top->SetFocusStop(stop);
    m_backend.BindInput();
}

void PageInput::MirrorActivate(int kind, int index)
{
    WebWindow* top = m_backend.Top();
    if (!top)
        return;
    top->UseKeys();
    if (kind == 1) {
        // A click on the button: it takes the focus and gives its command.
        if (index < 0 || index >= static_cast<int>(top->Controls().size()))
            return;
        const DialogControl& c = top->Controls()[static_cast<std::size_t>(index)];
        if (!c.IsButton() || !c.enabled || !c.visible)
            return;
        top->SetFocus(index);
        m_backend.BindInput();
        m_backend.Command(*top, c.id);
        return;
    }
    const ClientPart* part = top->Wnd().FindClientPart(index);
    if (!part)
        return;
    if (part->role == PartRole::PushButton) {
        m_backend.Command(*top, part->id);
    } else if (part->role == PartRole::Toggle && part->focusable) {
        // A toggle turns by Space on it, as a student at the keyboard turns it.
        top->SetFocusStop(FocusStop::OfPart(part->id));
        KeyToWindow(*top, VK_SPACE, false);
    }
}

void PageInput::MirrorStep(int id, int steps)
{
    WebWindow* top = m_backend.Top();
    const ClientPart* part = top ? top->Wnd().FindClientPart(id) : nullptr;
    if (!part || part->role != PartRole::Slider || !part->focusable || steps == 0)
        return;
    // A screen reader's increment is the arrow key a student would press.
    top->UseKeys();
    top->SetFocusStop(FocusStop::OfPart(id));
    KeyToWindow(*top, steps > 0 ? VK_UP : VK_DOWN, false, steps > 0 ? steps : -steps);
}
