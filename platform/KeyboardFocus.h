// A window's keyboard focus as a backend that keeps it itself holds it (the
// scripted backend, the browser's): which stop of the tab order has it and
// whether the window shows keyboard cues yet. A window starts without them,
// looking as the mouse knows it; the first key used in it turns them on for
// the window's life. Also the one rule for what a key pressed in a window
// does.
#pragma once

#include <vector>

#include "platform/ControlTable.h"
#include "platform/FocusOrder.h"

class KeyboardFocus {
  public:
    FocusStop Current() const { return m_focus; }
    void Set(FocusStop stop) { m_focus = stop; }
    bool CuesShown() const { return m_cues; }
    void ShowCues() { m_cues = true; }

    // The first stop that takes the focus, as a window opens.
    void Start(const std::vector<ControlFacts>& controls, const std::vector<ClientPart>& parts);
    // Tab or Shift+Tab.
    void Tab(const std::vector<ControlFacts>& controls, const std::vector<ClientPart>& parts,
             bool backwards);
    // Hands the focus on if its stop can no longer take it; true when it moved.
    bool Settle(const std::vector<ControlFacts>& controls, const std::vector<ClientPart>& parts);
    // The ID of the part that has the focus; 0 when a control or nothing has it.
    int FocusedPart() const { return m_focus.kind == FocusStop::Part ? m_focus.index : 0; }
    // What the ring goes round: the focused control's or part's rectangle.
    Box FocusBox(const std::vector<DialogControl>& controls,
                 const std::vector<ClientPart>& parts) const;

  private:
    FocusStop m_focus;
    bool m_cues = false;
};

// What a key pressed in a window does.
struct KeyAction {
    enum Kind {
        None,       // the focused control keeps it (typing into an edit)
        MoveFocus,  // to `to`
        Command,    // WM_COMMAND `command` to the window
        KeyToWindow // WM_KEYDOWN to the window: a client part has the focus
    };
    Kind kind = None;
    int command = 0;
    FocusStop to;
};
// Tab and Shift+Tab move the focus; F1 asks the window for help (ID_HELP);
// Escape cancels; every other key on a focused part is the window's own
// (Return and Space never reach the default button from there); Space
// presses a focused button; Return gives the window's Return command.
KeyAction RouteKey(UINT vk, bool shift, const std::vector<ControlFacts>& controls,
                   const std::vector<ClientPart>& parts, const FocusStop& focus);
