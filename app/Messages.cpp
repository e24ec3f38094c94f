// What the student is told: the warning dialog for a wrong or risky step,
// the two spill warnings the manometer finds, and the short codes of the
// drawing failures.
#include "app/TervanDlg.h"
#include "app/WarningDlg.h"

namespace {
const char* const kOverflowWarning =
    "El tub dret s'ha de moure per amunt. En el laboratori, el mercuri estaria a punt de "
    "vessar i això, a més d'invalidar les dades que es prenguessin a continuació, és perillós. "
    "En el dispositiu real del laboratori aquest perill es limita posant tubs bastants llargs; "
    "però és important conèixer que existeix i en el programa s'hi manté.";
const char* const kInflowWarning =
    "El tub dret s'ha de moure per avall. En el laboratori, el mercuri estaria a punt d'entrar "
    "dins la botella i això invalidaria les dades que es prenguessin a continuació. En el "
    "dispositiu real del laboratori aquest perill es limita posant tubs bastants llargs; però "
    "és important conèixer que existeix i en el programa s'hi manté.";
} // namespace

void CTervanDlg::ShowWarning(const char* text)
{
    CWarningDlg dlg;
    dlg.m_strMessage = text;
    ++m_nWarningsShown;
    // Where the platform has a way to speak news, the warning is spoken as
    // it opens; elsewhere the dialog itself is an alert.
    Announce(text);
    dlg.DoModal();
}

void CTervanDlg::WarnOfSpill(Spill spill)
{
    // The student lets go: a drag would otherwise carry on behind the
    // warning and past it.
    m_bDragging = false;
    ShowWarning(spill == Spill::Overflow ? kOverflowWarning : kInflowWarning);
}

void CTervanDlg::ReportError(const char* code)
{
    // One box at a time. The timers keep running behind an open box, and a
    // failure that lasts (no pens left, say) hits several codes on every
    // tick: a box for each code not yet open would nest on the last one,
    // each letting more ticks through, by the hundred thousand.
    if (m_bErrorBoxOpen)
        return;
    m_bErrorBoxOpen = true;
    MessageBox(code);
    m_bErrorBoxOpen = false;
}
