#include "app/WarningDlg.h"

CWarningDlg::CWarningDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_strMessage.Empty();
    SetAlert(true);
}

void CWarningDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WARNING_TEXT, m_strMessage);
}
