#include "app/LevelDlg.h"

CLevelDlg::CLevelDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_strLevel.Empty();
}

void CLevelDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LEVEL, m_strLevel);
}
