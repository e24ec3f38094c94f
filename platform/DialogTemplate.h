// Dialog templates: each control with its ID, class, caption, place and size
// in dialog units, and style. Template order is tab order. Here too the
// template's geometry in pixels, the same for every backend: where each
// control stands, the frame a window draws round its client area, the
// client and outer sizes, and which control the focus goes to.
#pragma once

#include <vector>

#include "platform/Box.h"
#include "platform/Types.h"

enum class ControlClass { Button, Edit, Static };

// Styles the backends act on (a subset, named after what they mean).
enum ControlStyle : DWORD {
    CS_HIDDEN = 1u << 0,
    CS_DISABLED = 1u << 1,
    CS_FLAT = 1u << 2,
    CS_DEFAULT = 1u << 3,
    CS_TABSTOP = 1u << 4,
    CS_READONLY = 1u << 5,
    CS_RIGHT = 1u << 6,
    CS_CENTER = 1u << 7,
    CS_MULTILINE = 1u << 8,
    CS_BORDER = 1u << 9,
    CS_SUNKEN = 1u << 10,
    CS_GROUPBOX = 1u << 11,
    CS_BLACKFRAME = 1u << 12,
    CS_BLACKRECT = 1u << 13,
    CS_WHITERECT = 1u << 14,
    CS_GRAYRECT = 1u << 15,
    CS_BITMAP = 1u << 16,
    CS_ICON = 1u << 17,
    CS_TRANSPARENT = 1u << 18,
    CS_NOPREFIX = 1u << 19,
    CS_AUTOHSCROLL = 1u << 20,
    CS_WANTRETURN = 1u << 21,
};

enum DialogStyle : DWORD {
    DS_CAPTION = 1u << 0,
    DS_SYSMENU = 1u << 1,
    DS_MINIMIZEBOX = 1u << 2,
    DS_MODALFRAME = 1u << 3,
    DS_THINBORDER = 1u << 4,
    DS_APPWINDOW = 1u << 5,
};

struct ControlTemplate {
    int id;
    ControlClass cls;
    const char* caption; // for a bitmap or icon static, the resource ID as text
    int x, y, cx, cy;    // dialog units
    DWORD style;
};

struct DialogTemplate {
    UINT id;
    const char* caption;
    const char* fontFace;
    int pointSize;
    int cx, cy; // dialog units
    DWORD style;
    std::vector<ControlTemplate> controls;
};

// Dialog units to pixels with the base units of the template's own font.
struct DialogUnits {
    double xPerUnit;
    double yPerUnit;
};
DialogUnits BaseUnitsFor(const DialogTemplate& t);
int DluToPixelsX(const DialogTemplate& t, int units);
int DluToPixelsY(const DialogTemplate& t, int units);

// Where a control stands in the client area, in pixels. A picture static
// then takes the size of its picture instead.
Box ControlRect(const DialogTemplate& t, const ControlTemplate& c);

// The client area's size in pixels, at (0, 0); a window built without a
// template gets 800 x 500.
Box ClientBox(const DialogTemplate* t);

// What a window draws round its client area itself.
struct WindowFrame {
    int border = 0;    // pixels of frame on each side of the client area
    bool thin = false; // a 1-px black line instead of the raised double edge
    int caption = 0;   // the height of a caption bar above the client area
};
// The frame of a window of template `t`. A template with a caption gets its
// caption bar and frame from the window system, unless `ownCaption`: then
// the backend draws a raised frame and a caption bar itself. Without a
// caption, a modal frame is the raised double edge and a face-coloured line
// (3 px), a thin border one black line.
WindowFrame FrameOf(const DialogTemplate* t, bool ownCaption);
// The frame of a captioned window the backend builds and draws itself.
WindowFrame CaptionedFrame();
// The window's whole size, frame included, at (0, 0).
Box OuterBox(const Box& client, const WindowFrame& frame);
// Where the client area stands inside the window.
Box ClientInOuter(const Box& client, const WindowFrame& frame);

// What the focus and Return rules need to know of a control as it is now.
struct ControlFacts {
    ControlClass cls = ControlClass::Static;
    DWORD style = 0;
    bool visible = true;
    bool enabled = true;
    int id = IDC_STATIC;
};
// A push button or an edit with a tab stop takes the keyboard focus while it
// is visible and enabled; statics and group boxes never do.
bool TakesFocus(const ControlFacts& c);
// The control a window's focus goes to when it opens: the first, in
// template order, that takes it; -1 when none does.
int FirstTabStop(const std::vector<ControlFacts>& controls);
// Where Tab (or Shift+Tab, `backwards`) moves the focus from control `from`
// (-1: none): the next control round the end that takes it; -1 when none does.
int NextTabStop(const std::vector<ControlFacts>& controls, int from, bool backwards);
// The command Return gives while control `focus` (-1: none) has the focus:
// the focused push button's; none (0) while an edit that keeps its Return
// has it; otherwise the default button's, none while that is disabled, and
// IDOK in a window without a default button.
int ReturnCommand(const std::vector<ControlFacts>& controls, int focus);
