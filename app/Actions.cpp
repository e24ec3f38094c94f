// The procedure buttons. Each of the first four is enabled by the step before
// it and disabled once used; heating, cooling and noting stay enabled once
// the bottle is submerged.
#include "app/LevelDlg.h"
#include "app/TervanDlg.h"
#include "model/DecimalComma.h"
#include "model/LevelParser.h"
#include "model/WaterTemperature.h"

namespace {
const char* const kCloseValveFirst =
    "Abans de submergir la botella dins l'aigua,convé tancar la clau de pas.Si no es fa així, "
    "la pressió de l'aire que ha quedat dins la botella no serà la atmosfèrica i el seu valor "
    "serà desconegut.";
const char* const kLevelNotANumber =
    "El nivell ha de ser un nombre llegit al regle, per exemple 12,5. No s'ha anotat res.";
} // namespace

bool CTervanDlg::AskLevel(CString& typed, double& cm)
{
    CLevelDlg dlg;
    if (dlg.DoModal() != IDOK)
        return false;
    if (!ParseLevel(dlg.m_strLevel, cm)) {
        // A text without a number is not noted as 0: the row would be lost.
        ShowWarning(kLevelNotANumber);
        return false;
    }
    typed = dlg.m_strLevel;
    return true;
}

void CTervanDlg::PutNotebookAway()
{
    m_strPage.Empty();
    ClearNotebookPlace();
}

void CTervanDlg::OnAnotaValorsInicials()
{
    m_bInitialNoted = true;
    GetDlgItem(IDC_ANOTA_VALORS_INICIALS)->EnableWindow(FALSE);
    GetDlgItem(IDC_TANCA_BOTELLA)->EnableWindow(TRUE);
    m_strPage = "-1-";
    DrawNotebook();
}

void CTervanDlg::OnTancaBotella()
{
    GetDlgItem(IDC_TANCA_BOTELLA)->EnableWindow(FALSE);
    if (m_nBottleY == kBottleRaisedY)
        return;
    RaiseBottle();
    m_bBottleClosed = true;
    SetTimer(kGasTimer, kGasTimerMs);
    GetDlgItem(IDC_TANCA_BOTELLA)->SetWindowText("Botella tancada");
    GetDlgItem(IDC_ANOTA_NIVELL_INICIAL)->EnableWindow(TRUE);
    DescribeBench(); // the bottle stands closed now
}

void CTervanDlg::OnAnotaNivellInicial()
{
    CString typed;
    double level = 0.0;
    if (!AskLevel(typed, level))
        return;
    GetDlgItem(IDC_ANOTA_NIVELL_INICIAL)->EnableWindow(FALSE);
    GetDlgItem(IDC_SUBMERGIR_BOTELLA)->EnableWindow(TRUE);
    m_strInitialLevel = typed + " cm";
    m_nCount = 0;
    m_dTemp[0] = m_dWaterTemp;
    m_dLevel[0] = level;
    m_nCount = 1;
    AnnounceRow(0);
    // From the first noted row on, closing the program loses the notebook.
    AfxNoteUnsavedWork(TRUE);
}

void CTervanDlg::OnSubmergirBotella()
{
    if (m_nValveFrame != IDB_VALVE_CLOSED) {
        ShowWarning(kCloseValveFirst);
        return;
    }
    m_bSubmerged = true;
    GetDlgItem(IDC_SUBMERGIR_BOTELLA)->EnableWindow(FALSE);
    m_strPage.Empty();
    FillWaterBath();
    PutNotebookAway();
    DrawSideGauge();
    // Tap water of 10 to 20 degrees fills the bath over ten seconds.
    const double target = TapWaterFromDraw(Random::Draw());
    RampWaterTemp(BathFillStep(target, m_dWaterTemp), kBathFillSteps);
    GetDlgItem(IDC_SUBMERGIR_BOTELLA)->SetWindowText("Botella submergida");
    GetDlgItem(IDC_ESCALFAR_AIGUA)->EnableWindow(TRUE);
    GetDlgItem(IDC_REFREDAR_AIGUA)->EnableWindow(TRUE);
    GetDlgItem(IDC_ANOTACIO)->EnableWindow(TRUE);
    DescribeBench(); // the bottle is under water now
}

void CTervanDlg::OnAnotacio()
{
    if (m_nCount >= kMaxRows)
        return;
    CString typed;
    double level = 0.0;
    if (!AskLevel(typed, level))
        return;
    // The dialog ran its own loop: the rows may have filled up meanwhile.
    const int n = m_nCount;
    if (n >= kMaxRows)
        return;
    m_dTemp[n] = m_dWaterTemp;
    m_dLevel[n] = level;
    m_strPage.Format("-%d-", n / 10 + 2);
    m_nCount = n + 1;
    DrawNotebook();
    AnnounceRow(n);
}

void CTervanDlg::AnnounceRow(int row)
{
    CString format, news;
    format.LoadString(IDS_ROW_NOTED);
    news.Format(format, row + 1, OneDecimalWithComma(m_dTemp[row]).c_str(),
                OneDecimalWithComma(m_dLevel[row]).c_str());
    Announce(news);
}
