#include "app/TervanDlg.h"

#include "app/AboutDlg.h"
#include "platform/PaintDC.h"
#include "view/BenchLayout.h"

CTervanDlg::CTervanDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_strGasTempC.Empty();
    m_strGasTempK.Empty();
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : IDR_MAINFRAME;
}

// clang-format off
BEGIN_MESSAGE_MAP(CTervanDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_TANCA_BOTELLA, OnTancaBotella)
    ON_BN_CLICKED(IDC_ESCALFAR_AIGUA, OnEscalfarAigua)
    ON_BN_CLICKED(IDC_SUBMERGIR_BOTELLA, OnSubmergirBotella)
    ON_BN_CLICKED(IDC_REFREDAR_AIGUA, OnRefredarAigua)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_BN_CLICKED(IDC_INF, OnInf)
    ON_BN_CLICKED(IDC_ANOTA_VALORS_INICIALS, OnAnotaValorsInicials)
    ON_BN_CLICKED(IDC_ANOTA_NIVELL_INICIAL, OnAnotaNivellInicial)
    ON_BN_CLICKED(IDC_PAGE_FIRST, OnPageFirst)
    ON_BN_CLICKED(IDC_PAGE_PREV, OnPagePrev)
    ON_BN_CLICKED(IDC_PAGE_NEXT, OnPageNext)
    ON_BN_CLICKED(IDC_ANOTACIO, OnAnotacio)
    ON_WM_KEYDOWN()
    ON_COMMAND(ID_HELP, OnHelp)
    ON_BN_CLICKED(IDC_STEP_UP, OnStepUp)
    ON_BN_CLICKED(IDC_STEP_DOWN, OnStepDown)
END_MESSAGE_MAP()
// clang-format on

void CTervanDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_GAS_TEMP_C, m_strGasTempC);
    DDX_Text(pDX, IDC_GAS_TEMP_K, m_strGasTempK);
}

BOOL CTervanDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, kAboutCommand, strAboutMenu);
        }
        AppendNotebookItems(pSysMenu);
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    CString name;
    name.LoadString(IDS_GAS_TEMP_C);
    SetAccessibleName(IDC_GAS_TEMP_C, name);
    name.LoadString(IDS_GAS_TEMP_K);
    SetAccessibleName(IDC_GAS_TEMP_K, name);

    SeedAndPlaceRightBranch();
    SetUpCanvas();
    ResetValveAndBottle();
    m_display.Init(Bench::kDigitsX, Bench::kDigitsY, Bench::kDigitCells, Bench::kDigitDecimals,
                   IDB_DIGIT_0, Bench::kDigitPointDX, Bench::kDigitPointDY);
    SetRoomAndWater();
    SetTimer(kDriftTimer, kDriftTimerMs);
    SetGasAndPressure();
    SetNotebookStart();
    return TRUE;
}

void CTervanDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == kAboutCommand) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else if (!OnNotebookCommand(nID)) {
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
