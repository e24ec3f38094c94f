// The procedure buttons. Each of the first four is enabled by the step before
// it and disabled once used; heating, cooling and noting stay enabled once
// the bottle is submerged.
#include "app/LevelDlg.h"
#include "app/TervanDlg.h"
#include "app/WarningDlg.h"
#include "model/LevelParser.h"
#include "view/SceneColours.h"

namespace {
const char* const kCloseValveFirst =
    "Abans de submergir la botella dins l'aigua,convé tancar la clau de pas.Si no es fa així, "
    "la pressió de l'aire que ha quedat dins la botella no serà la atmosfèrica i el seu valor "
    "serà desconegut.";
const char* const kLevelNotANumber =
    "El nivell ha de ser un nombre llegit al regle, per exemple 12,5. No s'ha anotat res.";
} // namespace

void CTervanDlg::ShowWarning(const char* text)
{
    CWarningDlg dlg;
    dlg.m_strMessage = text;
    dlg.DoModal();
}

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
    m_dcBack.FillSolidRect(Scene::kNotebookX, Scene::kNotebookY, Scene::kNotebookW,
                           Scene::kNotebookH, Scene::kBench);
}

void CTervanDlg::OnAnotaValorsInicials()
{
    m_bInitialNoted = true;
    GetDlgItem(1005)->EnableWindow(FALSE);
    GetDlgItem(1000)->EnableWindow(TRUE);
    m_strPage = "-1-";
    DrawNotebook();
}

void CTervanDlg::OnTancaBotella()
{
    GetDlgItem(1000)->EnableWindow(FALSE);
    if (m_nBottleY == 200)
        return;
    RaiseBottle();
    m_bBottleClosed = true;
    SetTimer(3, 50);
    GetDlgItem(1000)->SetWindowText("Botella tancada");
    GetDlgItem(1008)->EnableWindow(TRUE);
}

void CTervanDlg::OnAnotaNivellInicial()
{
    CString typed;
    double level = 0.0;
    if (!AskLevel(typed, level))
        return;
    GetDlgItem(1008)->EnableWindow(FALSE);
    GetDlgItem(1002)->EnableWindow(TRUE);
    m_strInitialLevel = typed + " cm";
    m_nCount = 0;
    m_dTemp[0] = m_dWaterTemp;
    m_dLevel[0] = level;
    m_nCount = 1;
}

void CTervanDlg::OnSubmergirBotella()
{
    if (m_nValveFrame != 142) {
        ShowWarning(kCloseValveFirst);
        return;
    }
    m_bSubmerged = true;
    GetDlgItem(1002)->EnableWindow(FALSE);
    m_strPage.Empty();
    FillWaterBath();
    PutNotebookAway();
    DrawSideGauge();
    // Tap water of 10 to 20 degrees fills the bath over ten seconds.
    const double target = 10.0 + 10.0 * Random::Draw() / RAND_MAX_VALUE;
    RampWaterTemp((target - m_dWaterTemp) * 0.01, 100);
    GetDlgItem(1002)->SetWindowText("Botella submergida");
    GetDlgItem(1001)->EnableWindow(TRUE);
    GetDlgItem(1003)->EnableWindow(TRUE);
    GetDlgItem(1011)->EnableWindow(TRUE);
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
}
