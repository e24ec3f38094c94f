// The application object and the auxiliary dialogs on the headless backend:
// the start-up sequence and the dialogs' data exchange.
#include "app/LevelDlg.h"
#include "app/TervanApp.h"
#include "app/WarningDlg.h"
#include "support/TervanFixture.h"

namespace {
class AppTest : public TervanFixture {};
} // namespace

TEST_F(AppTest, StartUpShowsTheTitleThenRunsTheMainWindowHoweverTheTitleCloses)
{
    ScriptDraws({}, 16000);
    std::vector<UINT> shown;
    backend.ExpectModal([&](CDialog& d) {
        shown.push_back(d.GetTemplateId());
        EXPECT_EQ(theApp.m_pMainWnd, nullptr);
        return IDCANCEL; // Escape instead of "Entra"
    });
    backend.ExpectModal([&](CDialog& d) {
        shown.push_back(d.GetTemplateId());
        EXPECT_EQ(theApp.m_pMainWnd, &d);
        EXPECT_TRUE(backend.IsTimerRunning(d, CTervanDlg::kDriftTimer));
        return IDOK; // "Sortir"
    });
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_EQ(shown, (std::vector<UINT>{IDD_SPLASH, IDD_TERVAN_DIALOG}));
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_EQ(AfxGetApp(), &theApp);
}

TEST_F(AppTest, DialogsExchangeTheirTextsOnlyOnOk)
{
    CLevelDlg level;
    backend.ExpectModal([&](CDialog& d) {
        EXPECT_EQ(backend.ControlText(d, IDC_LEVEL), ""); // every showing starts empty
        backend.SetControlText(d, IDC_LEVEL, "12,5");
        return IDOK;
    });
    EXPECT_EQ(level.DoModal(), IDOK);
    EXPECT_EQ(level.m_strLevel, "12,5");
    backend.ExpectModal([&](CDialog& d) {
        backend.SetControlText(d, IDC_LEVEL, "abc");
        return IDCANCEL;
    });
    EXPECT_EQ(level.DoModal(), IDCANCEL);
    EXPECT_EQ(level.m_strLevel, "12,5");

    CWarningDlg warning;
    warning.m_strMessage =
        "Abans de submergir la botella dins l'aigua,convé tancar la clau de pas.";
    backend.ExpectModal([&](CDialog& d) {
        EXPECT_EQ(backend.ControlText(d, IDC_WARNING_TEXT), warning.m_strMessage.str());
        EXPECT_FALSE(backend.IsControlVisible(d, IDCANCEL));
        return IDOK;
    });
    EXPECT_EQ(warning.DoModal(), IDOK);
}
