// Ending the practical. Every way out ("Sortir", a Return that lands on it,
// Escape, the window's close command) comes through OnOK or OnCancel; once
// a row is noted, each first asks whether to save the rows, so that a stray
// key cannot throw the notebook away. Before that the practical ends at
// once.
#include "app/KeepWorkDlg.h"
#include "app/TervanDlg.h"

bool CTervanDlg::MayEnd()
{
    if (m_nCount < 1)
        return true;
    CKeepWorkDlg dlg;
    switch (dlg.DoModal()) {
    case IDC_KEEP_SAVE:
        // A save cancelled or failed keeps the practical open.
        return SaveNotebookCsv();
    case IDC_KEEP_DISCARD:
        return true;
    default:
        return false;
    }
}

void CTervanDlg::OnOK()
{
    if (MayEnd())
        CDialog::OnOK();
}

void CTervanDlg::OnCancel()
{
    if (MayEnd())
        CDialog::OnCancel();
}
