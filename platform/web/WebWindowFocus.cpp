// A browser window's keyboard focus, by the framework's one rule for every
// backend (template tab stops with the window's focusable parts among
// them), its keyboard cues, the buttons it has painted over its client
// area, and what it tells assistive technology.
#include "platform/Dialog.h"
#include "platform/web/WebWindow.h"

int WebWindow::Focus() const
{
    const FocusStop stop = m_keys.Current();
    return stop.kind == FocusStop::Control ? stop.index : -1;
}

const std::vector<ClientPart>& WebWindow::Parts() const
{
    return m_wnd.GetClientParts();
}

void WebWindow::SetFocus(int index)
{
    SetFocusStop(index >= 0 ? FocusStop::OfControl(index) : FocusStop{});
}

void WebWindow::SetFocusStop(FocusStop stop)
{
    if (stop == m_keys.Current())
        return;
    const int was = Focus();
    if (was >= 0 && was < static_cast<int>(m_controls.Size()))
        ControlChanged(m_controls[static_cast<std::size_t>(was)]);
    m_keys.Set(stop);
    m_lost = {};
    if (const int now = Focus(); now >= 0)
        ControlChanged(m_controls[static_cast<std::size_t>(now)]);
    // The default button's outline follows the focus between buttons.
    for (const DialogControl& c : m_controls.All())
        if (c.IsButton() && (c.style & CS_DEFAULT))
            ControlChanged(c);
}

void WebWindow::FocusFirstTabStop()
{
    SetFocusStop(FirstFocus(Facts(), Parts()));
}

void WebWindow::FocusNext(bool backwards)
{
    // From the stop a click's handler took the focus from, if it has gone.
    const FocusStop from = m_keys.Current().IsNone() ? m_lost : m_keys.Current();
    const FocusStop to = NextFocus(Facts(), Parts(), from, backwards);
    if (to.IsNone())
        return;
    if (to.kind == FocusStop::Control && to != m_keys.Current()) {
        DialogControl& c = m_controls[static_cast<std::size_t>(to.index)];
        // Tabbing into an edit selects its text.
        if (c.IsEdit())
            c.edit.SelectAll();
    }
    SetFocusStop(to);
}

void WebWindow::UseKeys()
{
    m_keys.ShowCues();
}

void WebWindow::RestoreLostFocus()
{
    if (m_keys.Current().IsNone() && !m_lost.IsNone())
        SetFocusStop(SettledFocus(Facts(), Parts(), m_lost));
}

void WebWindow::LosingFocus(int index)
{
    if (CuesShown())
        return; // it moves on once the event is handled
    // Without keyboard cues the window looks as it always has to a pointer:
    // no control shows the focus. The stop is kept for the first key.
    const FocusStop lost = FocusStop::OfControl(index);
    SetFocusStop({});
    m_lost = lost;
}

void WebWindow::SettleFocus()
{
    if (!CuesShown())
        return;
    const FocusStop to = SettledFocus(Facts(), Parts(), m_keys.Current());
    if (to != m_keys.Current())
        SetFocusStop(to);
}

Box WebWindow::RingAround() const
{
    if (!CuesShown())
        return {};
    return m_keys.FocusBox(m_controls.All(), Parts());
}

int WebWindow::ReturnCommand() const
{
    return ::ReturnCommand(Facts(), Focus());
}

void WebWindow::PartsChanged()
{
    const ClientOverlay buttons = OverlayFor(Parts(), false, {});
    if (buttons == m_buttons)
        return;
    Invalidate(m_buttons.Extent().Offset(m_clientBox.x, m_clientBox.y));
    m_buttons = buttons;
    Invalidate(m_buttons.Extent().Offset(m_clientBox.x, m_clientBox.y));
}

AccessibleWindow WebWindow::Describe() const
{
    WindowFacts facts;
    facts.tpl = m_tpl;
    facts.controls = &m_controls.All();
    facts.parts = &Parts();
    for (const DialogControl& c : m_controls.All())
        if (const std::string name = m_wnd.AccessibleName(c.id); !name.empty())
            facts.names.push_back({c.id, name});
    facts.focus = m_keys.Current();
    facts.alert = m_wnd.IsAlert();
    AccessibleWindow window = DescribeWindow(facts);
    // A message box has no template: its caption bar names it.
    if (!m_tpl)
        window.name = m_caption;
    return window;
}
