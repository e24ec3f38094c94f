#include "app/WarningDlg.h"

CWarningDlg::CWarningDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_strMessage.Empty();
}

void CWarningDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, 1005, m_strMessage);
}
