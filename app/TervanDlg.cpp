#include "app/TervanDlg.h"

CTervanDlg::CTervanDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_strGasTempC.Empty();
    m_strGasTempK.Empty();
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(128) : 128;
}

// clang-format off
BEGIN_MESSAGE_MAP(CTervanDlg, CDialog)
    ON_WM_TIMER()
    ON_BN_CLICKED(1001, OnEscalfarAigua)
    ON_BN_CLICKED(1003, OnRefredarAigua)
END_MESSAGE_MAP()
// clang-format on

void CTervanDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, 1006, m_strGasTempC);
    DDX_Text(pDX, 1007, m_strGasTempK);
}

BOOL CTervanDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString strAboutMenu;
        strAboutMenu.LoadString(101);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, kAboutCommand, strAboutMenu);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    SeedAndPlaceRightBranch();
    SetUpCanvas();
    ResetValveAndBottle();
    m_display.Init(25, 43, 4, 1, 146, 32, 44);
    SetRoomAndWater();
    SetTimer(2, 3000);
    SetGasAndPressure();
    SetNotebookStart();
    return TRUE;
}

void CTervanDlg::OnSysCommand(UINT, LPARAM) {}
void CTervanDlg::OnPaint() {}
HCURSOR CTervanDlg::OnQueryDragIcon()
{
    return m_hIcon;
}
void CTervanDlg::OnInf() {}
