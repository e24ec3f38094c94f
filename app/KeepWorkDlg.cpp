#include "app/KeepWorkDlg.h"

CKeepWorkDlg::CKeepWorkDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    // Assistive technology reads the question as the dialog opens.
    SetAlert(true);
}

// clang-format off
BEGIN_MESSAGE_MAP(CKeepWorkDlg, CDialog)
    ON_BN_CLICKED(IDC_KEEP_SAVE, OnKeepSave)
    ON_BN_CLICKED(IDC_KEEP_DISCARD, OnKeepDiscard)
END_MESSAGE_MAP()
// clang-format on

void CKeepWorkDlg::OnKeepSave()
{
    EndDialog(IDC_KEEP_SAVE);
}

void CKeepWorkDlg::OnKeepDiscard()
{
    EndDialog(IDC_KEEP_DISCARD);
}
