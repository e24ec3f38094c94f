// The question before a practical with noted rows ends. "Cancel·la" comes
// first in template order, so that the focus, and Return with it, starts on
// staying; the buttons stand left to right "Desa…", "No desis",
// "Cancel·la". The caption is not drawn (the dialog has no caption bar):
// it is the name assistive technology gives the dialog.
#include "res/ResourceIds.h"
#include "res/Resources.h"

#define KEEP_PICTURE_TEXT(number) #number
#define KEEP_PICTURE_ID(id) KEEP_PICTURE_TEXT(id)

const DialogTemplate& KeepWorkTemplate()
{
    static const DialogTemplate keepWork = {
        IDD_KEEP_WORK,
        "Vols desar les dades del quadern abans d'acabar?",
        "MS Sans Serif",
        8,
        200,
        58,
        DS_MODALFRAME,
        {
            {IDCANCEL, ControlClass::Button, "Cancel·la", 146, 36, 46, 14, CS_DEFAULT | CS_TABSTOP},
            {IDC_KEEP_SAVE, ControlClass::Button, "Desa…", 40, 36, 50, 14, CS_TABSTOP},
            {IDC_KEEP_DISCARD, ControlClass::Button, "No desis", 94, 36, 48, 14, CS_TABSTOP},
            {IDC_STATIC, ControlClass::Static, KEEP_PICTURE_ID(IDR_MAINFRAME), 8, 8, 0, 0, CS_ICON},
            {IDC_STATIC, ControlClass::Static, "Vols desar les dades del quadern abans d'acabar?",
             40, 10, 152, 20, 0},
        },
    };
    return keepWork;
}
