// The one rule for where the keyboard focus goes in a window, for every
// backend: the template's controls with a tab stop in template order, and
// the focusable client parts each inserted just before the control it
// names. Tab and Shift+Tab walk that order round the end; a stop that can
// no longer take the focus (a procedure button that disabled itself) hands
// it on to the next stop after it that can.
#pragma once

#include <vector>

#include "platform/ClientPart.h"
#include "platform/DialogTemplate.h"

// One stop of a window's tab order: a control, by its index in template
// order, or a client part, by its ID.
struct FocusStop {
    enum Kind { None, Control, Part };
    Kind kind = None;
    int index = -1; // the control's index, or the part's ID

    static FocusStop OfControl(int i) { return {Control, i}; }
    static FocusStop OfPart(int id) { return {Part, id}; }
    bool IsNone() const { return kind == None; }
    bool operator==(const FocusStop& o) const { return kind == o.kind && index == o.index; }
    bool operator!=(const FocusStop& o) const { return !(*this == o); }
};

// Every stop the window has, whether or not it can take the focus now:
// controls with a tab stop (and any control `focus` holds now, a button
// clicked without a tab stop, say) and focusable parts.
std::vector<FocusStop> TabOrder(const std::vector<ControlFacts>& controls,
                                const std::vector<ClientPart>& parts);
// Whether `stop` can take the focus now: a control while TakesFocus holds
// for it, a part while the window declares it focusable.
bool CanTakeFocus(const std::vector<ControlFacts>& controls, const std::vector<ClientPart>& parts,
                  const FocusStop& stop);
// The first stop that can take the focus; none when no stop can.
FocusStop FirstFocus(const std::vector<ControlFacts>& controls,
                     const std::vector<ClientPart>& parts);
// Where Tab (Shift+Tab: `backwards`) moves the focus from `from` (none: as
// from before the first stop): the next stop round the end that can take it.
FocusStop NextFocus(const std::vector<ControlFacts>& controls, const std::vector<ClientPart>& parts,
                    const FocusStop& from, bool backwards);
// Where the focus stays after the window's controls or parts changed: on
// `focus` while it can still take it, else on the next stop after it that
// can, round the end; none when no stop can.
FocusStop SettledFocus(const std::vector<ControlFacts>& controls,
                       const std::vector<ClientPart>& parts, const FocusStop& focus);
