// Dialog templates: each control with its ID, class, caption, place and size
// in dialog units, and style. Template order is tab order.
#pragma once

#include <vector>

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
