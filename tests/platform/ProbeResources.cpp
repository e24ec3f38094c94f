#include "ProbeResources.h"

namespace {
// A bottom-up 24-bit BMP of 2 x 2 pixels; each row padded to 8 bytes.
const unsigned char kBmp[] = {
    'B',  'M', 70,   0,    0,    0,    0, 0, 0, 0, 54, 0, 0, 0,                    // file header
    40,   0,   0,    0,    2,    0,    0, 0, 2, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0, // info header
    16,   0,   0,    0,    0,    0,    0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, //
    0xFF, 0,   0,    0xFF, 0xFF, 0xFF, 0, 0,                                       // blue, white
    0,    0,   0xFF, 0,    0xFF, 0,    0, 0,                                       // red, green
};

const DialogTemplate kProbeDialog = {
    Probe::kDialog,
    "Prova",
    "MS Sans Serif",
    8,
    100,
    40,
    DS_MODALFRAME,
    {
        {IDOK, ControlClass::Button, "OK", 60, 20, 30, 14, CS_DEFAULT | CS_TABSTOP},
        {Probe::kEdit, ControlClass::Edit, "", 10, 20, 40, 14, CS_BORDER | CS_TABSTOP},
    },
};

const DialogTemplate kKeysTemplate = {
    Probe::kKeysDialog,
    "Tecles",
    "MS Sans Serif",
    8,
    200,
    100,
    DS_CAPTION,
    {
        {IDOK, ControlClass::Button, "&Sortir", 140, 10, 50, 14, CS_TABSTOP},
        {Probe::kFirst, ControlClass::Button, "Primer", 140, 30, 50, 14, CS_TABSTOP},
        {Probe::kSecond, ControlClass::Button, "Segon", 140, 50, 50, 14, CS_TABSTOP | CS_DISABLED},
        {IDCANCEL, ControlClass::Button, "Cancelar", 140, 70, 50, 14, CS_TABSTOP | CS_HIDDEN},
        {IDC_STATIC, ControlClass::Static, "Nivell:", 10, 80, 30, 8, 0},
        {Probe::kEdit, ControlClass::Edit, "", 40, 78, 40, 12, CS_BORDER | CS_TABSTOP},
    },
};
} // namespace

namespace Probe {
const ApplicationResources& Resources()
{
    static const ApplicationResources resources = [] {
        ApplicationResources r;
        r.name = "Prova";
        r.desktopEntry = "prova";
        r.templates.push_back(&kProbeDialog);
        r.templates.push_back(&kKeysTemplate);
        r.strings = {{kString, "Una cadena de prova"}};
        // The look-alikes this machine has for the faces the text tests ask for.
        r.fonts = {{"Comic Sans Serif", "Comic Neue"},
                   {"Comic Sans MS", "Comic Neue"},
                   {"Bookman Old Style", "URW Bookman"},
                   {"Times New Roman", "Liberation Serif"},
                   {"MS Sans Serif", "Liberation Sans"}};
        r.bitmaps = {{kBitmap, kBmp, sizeof kBmp}};
        return r;
    }();
    return resources;
}
} // namespace Probe
