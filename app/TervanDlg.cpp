#include "app/TervanDlg.h"

#include "app/AboutDlg.h"
#include "platform/PaintDC.h"

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

void CTervanDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == kAboutCommand) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        // Move, minimise, close and the rest work as usual.
        Default();
    }
}

void CTervanDlg::OnPaint()
{
    if (IsIconic()) {
        // Minimised: only the application's icon, centred.
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        return;
    }

    Default();
    // Each routine composes into the back buffer and copies all of it to the
    // window, so later routines draw over the earlier ones' parts.
    DrawBench();
    DrawThermometer();
    if (m_bSubmerged) {
        DrawWaterBath();
        if (m_strPage.IsEmpty()) {
            // The side gauge ends with its own manometer; the second one
            // completes the picture after a spill warning the first raised.
            DrawSideGauge();
            DrawManometer();
            return;
        }
    }
    DrawNotebook();
    DrawManometer();
}

// The icon shown while the minimised window is dragged.
HCURSOR CTervanDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CTervanDlg::OnInf()
{
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
}
