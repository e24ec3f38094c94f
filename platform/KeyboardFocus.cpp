#include "platform/KeyboardFocus.h"

#include "platform/Messages.h"

void KeyboardFocus::Start(const std::vector<ControlFacts>& controls,
                          const std::vector<ClientPart>& parts)
{
    m_focus = FirstFocus(controls, parts);
}

void KeyboardFocus::Tab(const std::vector<ControlFacts>& controls,
                        const std::vector<ClientPart>& parts, bool backwards)
{
    m_focus = NextFocus(controls, parts, m_focus, backwards);
}

bool KeyboardFocus::Settle(const std::vector<ControlFacts>& controls,
                           const std::vector<ClientPart>& parts)
{
    const FocusStop settled = SettledFocus(controls, parts, m_focus);
    if (settled == m_focus)
        return false;
    m_focus = settled;
    return true;
}

Box KeyboardFocus::FocusBox(const std::vector<DialogControl>& controls,
                            const std::vector<ClientPart>& parts) const
{
    if (m_focus.kind == FocusStop::Control && m_focus.index >= 0 &&
        m_focus.index < static_cast<int>(controls.size()))
        return controls[static_cast<std::size_t>(m_focus.index)].rect;
    if (m_focus.kind == FocusStop::Part)
        for (const ClientPart& p : parts)
            if (p.id == m_focus.index)
                return p.rect;
    return {};
}

KeyAction RouteKey(UINT vk, bool shift, const std::vector<ControlFacts>& controls,
                   const std::vector<ClientPart>& parts, const FocusStop& focus)
{
    KeyAction action;
    if (vk == VK_TAB) {
        action.kind = KeyAction::MoveFocus;
        action.to = NextFocus(controls, parts, focus, shift);
        return action;
    }
    if (vk == VK_F1 || vk == VK_ESCAPE) {
        action.kind = KeyAction::Command;
        action.command = vk == VK_F1 ? static_cast<int>(ID_HELP) : IDCANCEL;
        return action;
    }
    if (focus.kind == FocusStop::Part) {
        action.kind = KeyAction::KeyToWindow;
        return action;
    }
    const int index = focus.kind == FocusStop::Control ? focus.index : -1;
    const bool onButton = index >= 0 && index < static_cast<int>(controls.size()) &&
                          controls[static_cast<std::size_t>(index)].cls == ControlClass::Button;
    if (vk == VK_SPACE && onButton) {
        action.kind = KeyAction::Command;
        action.command = controls[static_cast<std::size_t>(index)].id;
    } else if (vk == VK_RETURN) {
        action.command = ReturnCommand(controls, index);
        action.kind = action.command != 0 ? KeyAction::Command : KeyAction::None;
    }
    return action;
}
