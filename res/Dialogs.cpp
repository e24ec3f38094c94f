// The dialog templates of the program, in dialog units. Template order is tab
// order. A bitmap or icon static carries its resource ID as its caption.
#include "platform/DialogTemplate.h"

namespace {
constexpr DWORD kFlatButton = CS_FLAT | CS_TABSTOP;

const DialogTemplate kMainWindow = {
    102,
    "TERVAN",
    "MS Sans Serif",
    8,
    521,
    298,
    DS_CAPTION | DS_SYSMENU | DS_MINIMIZEBOX | DS_MODALFRAME | DS_APPWINDOW,
    {
        {IDCANCEL, ControlClass::Button, "Cancelar", 173, 268, 50, 14, CS_HIDDEN | CS_TABSTOP},
        {IDOK, ControlClass::Button, "Sortir", 433, 10, 69, 14, kFlatButton},
        {1005, ControlClass::Button, "Anota valors inicials", 433, 44, 69, 14, kFlatButton},
        {1000, ControlClass::Button, "Tanca Botella", 433, 61, 69, 14, kFlatButton | CS_DISABLED},
        {1008, ControlClass::Button, "Anota nivell inicial", 433, 77, 69, 14,
         kFlatButton | CS_DISABLED},
        {1002, ControlClass::Button, "Submergir Botella", 433, 94, 69, 14,
         kFlatButton | CS_DISABLED},
        {1011, ControlClass::Button, "Anotació", 433, 213, 69, 14, kFlatButton | CS_DISABLED},
        {1001, ControlClass::Button, "Escalfar Aigua", 433, 121, 69, 14, kFlatButton | CS_DISABLED},
        {1003, ControlClass::Button, "Refredar Aigua", 433, 138, 69, 14, kFlatButton | CS_DISABLED},
        {1006, ControlClass::Edit, "", 439, 170, 40, 12,
         CS_READONLY | CS_RIGHT | CS_AUTOHSCROLL | CS_SUNKEN | CS_TABSTOP},
        {1007, ControlClass::Edit, "", 439, 185, 40, 12,
         CS_READONLY | CS_RIGHT | CS_AUTOHSCROLL | CS_SUNKEN | CS_TABSTOP},
        {1009, ControlClass::Button, "1", 441, 247, 18, 14, CS_TABSTOP},
        {1010, ControlClass::Button, "<", 466, 247, 13, 14, CS_TABSTOP},
        {1013, ControlClass::Button, ">", 481, 247, 13, 14, CS_TABSTOP},
        {1004, ControlClass::Button, "Inf", 348, 266, 69, 14, kFlatButton},
        {IDC_STATIC, ControlClass::Static, "", 11, 10, 406, 252, CS_BLACKFRAME | CS_SUNKEN},
        {IDC_STATIC, ControlClass::Static, "Temperatura del Gas", 434, 157, 67, 8, 0},
        {IDC_STATIC, ControlClass::Static, "ºC", 483, 172, 8, 8, 0},
        {IDC_STATIC, ControlClass::Static, "K", 485, 187, 8, 8, 0},
        {IDC_STATIC, ControlClass::Static, "", 11, 263, 151, 20, CS_BLACKRECT},
        {IDC_STATIC, ControlClass::Static, "172", 15, 266, 143, 15, CS_BITMAP},
        {IDC_STATIC, ControlClass::Static, "Pàgines Quadern", 440, 235, 56, 8, 0},
        {IDC_STATIC, ControlClass::Button, "", 433, 227, 69, 40, CS_GROUPBOX},
        {IDC_STATIC, ControlClass::Button, "", 5, 0, 503, 288, CS_GROUPBOX},
    },
};

const DialogTemplate* const kTemplates[] = {&kMainWindow};
} // namespace

const DialogTemplate* FindDialogTemplate(UINT id)
{
    for (const DialogTemplate* t : kTemplates)
        if (t->id == id)
            return t;
    return nullptr;
}
