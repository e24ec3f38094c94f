#include "app/TervanDlg.h"

CTervanDlg::CTervanDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_strGasTempC.Empty();
    m_strGasTempK.Empty();
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(128) : 128;
}

// clang-format off
BEGIN_MESSAGE_MAP(CTervanDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_BN_CLICKED(1000, OnTancaBotella)
    ON_BN_CLICKED(1001, OnEscalfarAigua)
    ON_BN_CLICKED(1002, OnSubmergirBotella)
    ON_BN_CLICKED(1003, OnRefredarAigua)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_BN_CLICKED(1004, OnInf)
    ON_BN_CLICKED(1005, OnAnotaValorsInicials)
    ON_BN_CLICKED(1008, OnAnotaNivellInicial)
    ON_BN_CLICKED(1009, OnPageFirst)
    ON_BN_CLICKED(1010, OnPagePrev)
    ON_BN_CLICKED(1013, OnPageNext)
    ON_BN_CLICKED(1011, OnAnotacio)
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
