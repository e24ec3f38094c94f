// The dialog templates of the program, in dialog units. Template order is tab
// order. A bitmap or icon static carries its resource ID as its caption.
#include "res/ResourceIds.h"
#include "res/Resources.h"

// A picture static's caption: the resource ID's number, as text.
#define PICTURE_TEXT(number) #number
#define PICTURE_ID(id) PICTURE_TEXT(id)

namespace {
constexpr DWORD kFlatButton = CS_FLAT | CS_TABSTOP;

const DialogTemplate kMainWindow = {
    IDD_TERVAN_DIALOG,
    "TERVAN",
    "MS Sans Serif",
    8,
    521,
    298,
    DS_CAPTION | DS_SYSMENU | DS_MINIMIZEBOX | DS_MODALFRAME | DS_APPWINDOW,
    {
        {IDCANCEL, ControlClass::Button, "Cancelar", 173, 268, 50, 14, CS_HIDDEN | CS_TABSTOP},
        {IDOK, ControlClass::Button, "Sortir", 433, 10, 69, 14, kFlatButton},
        {IDC_ANOTA_VALORS_INICIALS, ControlClass::Button, "Anota valors inicials", 433, 44, 69, 14,
         kFlatButton},
        {IDC_TANCA_BOTELLA, ControlClass::Button, "Tanca Botella", 433, 61, 69, 14,
         kFlatButton | CS_DISABLED},
        {IDC_ANOTA_NIVELL_INICIAL, ControlClass::Button, "Anota nivell inicial", 433, 77, 69, 14,
         kFlatButton | CS_DISABLED},
        {IDC_SUBMERGIR_BOTELLA, ControlClass::Button, "Submergir Botella", 433, 94, 69, 14,
         kFlatButton | CS_DISABLED},
        {IDC_ANOTACIO, ControlClass::Button, "Anotació", 433, 213, 69, 14,
         kFlatButton | CS_DISABLED},
        {IDC_ESCALFAR_AIGUA, ControlClass::Button, "Escalfar Aigua", 433, 121, 69, 14,
         kFlatButton | CS_DISABLED},
        {IDC_REFREDAR_AIGUA, ControlClass::Button, "Refredar Aigua", 433, 138, 69, 14,
         kFlatButton | CS_DISABLED},
        {IDC_GAS_TEMP_C, ControlClass::Edit, "", 439, 170, 40, 12,
         CS_READONLY | CS_RIGHT | CS_AUTOHSCROLL | CS_SUNKEN | CS_TABSTOP},
        {IDC_GAS_TEMP_K, ControlClass::Edit, "", 439, 185, 40, 12,
         CS_READONLY | CS_RIGHT | CS_AUTOHSCROLL | CS_SUNKEN | CS_TABSTOP},
        {IDC_PAGE_FIRST, ControlClass::Button, "1", 441, 247, 18, 14, CS_TABSTOP},
        {IDC_PAGE_PREV, ControlClass::Button, "<", 466, 247, 13, 14, CS_TABSTOP},
        {IDC_PAGE_NEXT, ControlClass::Button, ">", 481, 247, 13, 14, CS_TABSTOP},
        {IDC_INF, ControlClass::Button, "Inf", 348, 266, 69, 14, kFlatButton},
        {IDC_STATIC, ControlClass::Static, "", 11, 10, 406, 252, CS_BLACKFRAME | CS_SUNKEN},
        {IDC_STATIC, ControlClass::Static, "Temperatura del Gas", 434, 157, 67, 8, 0},
        {IDC_STATIC, ControlClass::Static, "ºC", 483, 172, 8, 8, 0},
        {IDC_STATIC, ControlClass::Static, "K", 485, 187, 8, 8, 0},
        {IDC_STATIC, ControlClass::Static, "", 11, 263, 151, 20, CS_BLACKRECT},
        {IDC_STATIC, ControlClass::Static, PICTURE_ID(IDB_BANNER), 15, 266, 143, 15, CS_BITMAP},
        {IDC_STATIC, ControlClass::Static, "Pàgines Quadern", 440, 235, 56, 8, 0},
        {IDC_STATIC, ControlClass::Button, "", 433, 227, 69, 40, CS_GROUPBOX},
        {IDC_STATIC, ControlClass::Button, "", 5, 0, 503, 288, CS_GROUPBOX},
    },
};

// The title dialog: the picture fills the whole dialog, "Entra" stands on it.
const DialogTemplate kSplash = {
    IDD_SPLASH,
    "",
    "MS Sans Serif",
    8,
    266,
    165,
    0,
    {
        {IDCANCEL, ControlClass::Button, "Cancel", 96, 14, 50, 14,
         CS_HIDDEN | CS_DEFAULT | CS_TABSTOP},
        {IDOK, ControlClass::Button, "Entra", 21, 116, 50, 14, CS_FLAT | CS_TRANSPARENT},
        {IDC_STATIC, ControlClass::Static, PICTURE_ID(IDB_TITLE), 0, 0, 0, 0, CS_BITMAP},
    },
};

// The warning dialog: a stop sign on its post beside the message.
const DialogTemplate kWarning = {
    IDD_WARNING,
    "",
    "MS Sans Serif",
    8,
    258,
    134,
    DS_THINBORDER,
    {
        {IDOK, ControlClass::Button, "OK", 201, 113, 50, 14, kFlatButton | CS_DEFAULT},
        {IDCANCEL, ControlClass::Button, "Cancel", 7, 113, 50, 14, CS_HIDDEN | CS_TABSTOP},
        {IDC_STATIC, ControlClass::Static, PICTURE_ID(IDB_STOP_SIGN), 14, 11, 0, 0,
         CS_BITMAP | CS_TRANSPARENT},
        {IDC_STATIC, ControlClass::Static, "", 7, 7, 61, 120, CS_WHITERECT},
        {IDC_STATIC, ControlClass::Static, "", 34, 33, 6, 92, CS_GRAYRECT},
        {IDC_STATIC, ControlClass::Button, "ATENCIÓ", 76, 7, 175, 100, CS_GROUPBOX},
        {IDC_WARNING_TEXT, ControlClass::Edit, "", 84, 24, 160, 76,
         CS_MULTILINE | CS_READONLY | CS_WANTRETURN | CS_TABSTOP},
    },
};

// The level dialog: the level read on the ruler, in centimetres.
const DialogTemplate kLevel = {
    IDD_LEVEL,
    "",
    "Comic Sans MS",
    11,
    137,
    61,
    DS_MODALFRAME,
    {
        {IDOK, ControlClass::Button, "OK", 87, 23, 35, 14, CS_DEFAULT | CS_TABSTOP},
        {IDCANCEL, ControlClass::Button, "Cancela", 87, 38, 35, 14, CS_TABSTOP},
        {IDC_LEVEL, ControlClass::Edit, "", 25, 23, 40, 14,
         CS_BORDER | CS_AUTOHSCROLL | CS_TABSTOP},
        {IDC_STATIC, ControlClass::Static, "Nivell del Mercuri a la branca dreta", 13, 11, 110, 8,
         0},
        {IDC_STATIC, ControlClass::Static, "cm", 69, 25, 9, 8, 0},
    },
};

// The About box: the texts stand on a sunken white panel.
const DialogTemplate kAbout = {
    IDD_ABOUTBOX,
    "",
    "MS Sans Serif",
    8,
    216,
    233,
    DS_MODALFRAME,
    {
        {IDC_STATIC, ControlClass::Static, PICTURE_ID(IDR_MAINFRAME), 8, 9, 0, 0, CS_ICON},
        {IDC_STATIC, ControlClass::Static,
         "Programació: equip de Tervan\nSeminari de Física i Química\nEscola Tervan de Ciències",
         48, 9, 119, 27, CS_NOPREFIX},
        {IDC_STATIC, ControlClass::Static, "© Tervan", 36, 211, 35, 13, 0},
        {IDOK, ControlClass::Button, "Sortir", 103, 206, 32, 14, CS_DEFAULT | CS_TABSTOP},
        {IDC_STATIC, ControlClass::Static, "", 7, 39, 23, 187, CS_BLACKRECT},
        {IDC_ABOUT_TEXT, ControlClass::Edit, "", 37, 39, 172, 163,
         CS_READONLY | CS_AUTOHSCROLL | CS_SUNKEN | CS_TABSTOP},
        {IDC_STATIC, ControlClass::Static,
         "Aquest programa permet executar virtualment les operacions bàsiques que s'han de fer "
         "al laboratori en la pràctica\n\nOMBRINA: \nEstimació del zero absolut de temperatures",
         52, 50, 151, 50, CS_TRANSPARENT},
        {IDC_STATIC, ControlClass::Static,
         "La pràctica s'ha preparat per al laboratori virtual de física del projecte Tervan, "
         "pensat perquè qualsevol institut de secundària la pugui fer a l'aula.",
         52, 109, 136, 50, CS_TRANSPARENT},
        {IDC_STATIC, ControlClass::Static,
         "Obteniu la guia d'operació del programa a l'adreça:", 52, 162, 135, 19, CS_TRANSPARENT},
        {IDC_STATIC, ControlClass::Static, "tervan-guia.html", 52, 182, 135, 12,
         CS_CENTER | CS_TRANSPARENT},
    },
};

} // namespace

const std::vector<const DialogTemplate*>& TervanDialogTemplates()
{
    static const std::vector<const DialogTemplate*> templates = {
        &kMainWindow, &kSplash, &kWarning, &kLevel, &kAbout, &KeepWorkTemplate()};
    return templates;
}
