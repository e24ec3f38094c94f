// The controls of a window in the browser backend, and how each is drawn:
// push buttons (raised, flat, default, pressed, disabled, focused), static
// texts, frames, rectangles and pictures, group boxes, and edits with their
// caret and selection. The looks follow the Qt backend's.
#pragma once

#include <string>

#include "platform/DialogTemplate.h"
#include "platform/EditText.h"
#include "platform/Gdi.h"
#include "platform/Painter.h"

struct WebControl {
    int id = IDC_STATIC;
    ControlClass cls = ControlClass::Static;
    DWORD style = 0;
    Box rect; // in the window's client coordinates
    bool enabled = true;
    bool visible = true;
    bool pressed = false; // a button held down with the pointer over it
    EditText edit;        // an edit's text; a button's or static's caption
    Surface picture;      // a bitmap or icon static's pixels

    bool IsButton() const { return cls == ControlClass::Button && !(style & CS_GROUPBOX); }
    bool IsEdit() const { return cls == ControlClass::Edit; }
    bool TakesPointer() const { return visible && (IsButton() || IsEdit()); }
    bool IsTypedInto() const { return IsEdit() && !(style & CS_READONLY); }
    const std::string& Text() const { return edit.text; }
};

// Draws `c` within its rectangle. `focused`: the control holds the window's
// keyboard focus; `isDefault`: a button that Return presses.
void DrawControl(Painter& p, const WebControl& c, const FontRequest& font, bool focused,
                 bool isDefault);

// Where an edit's text starts and which rectangle it scrolls in.
Box EditTextBox(const WebControl& c);
// The x of the caret of a single-line edit, relative to its text box;
// scrolls the text so that the caret shows.
int PlaceCaret(WebControl& c, const FontRequest& font);
