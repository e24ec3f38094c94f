// The application object and the auxiliary dialogs on the headless backend:
// the start-up sequence, the dialogs' data exchange and their fixed texts.
#include "app/AboutDlg.h"
#include "app/LevelDlg.h"
#include "app/TervanApp.h"
#include "app/WarningDlg.h"
#include "support/TervanFixture.h"

namespace {
class AppTest : public TervanFixture {};

const ControlTemplate* FindControl(UINT templateId, const char* caption)
{
    const DialogTemplate* t = FindDialogTemplate(templateId);
    for (const ControlTemplate& c : t->controls)
        if (std::string(c.caption) == caption)
            return &c;
    return nullptr;
}
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
        EXPECT_TRUE(backend.IsTimerRunning(d, 2));
        return IDOK; // "Sortir"
    });
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_EQ(shown, (std::vector<UINT>{168, 102}));
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_EQ(AfxGetApp(), &theApp);

    EXPECT_TRUE(theApp.OnCmdMsg(ID_HELP));
    EXPECT_FALSE(theApp.OnCmdMsg(16));
}

TEST_F(AppTest, DialogsExchangeTheirTextsOnlyOnOk)
{
    CLevelDlg level;
    backend.ExpectModal([&](CDialog& d) {
        EXPECT_EQ(backend.ControlText(d, 1007), ""); // every showing starts empty
        backend.SetControlText(d, 1007, "12,5");
        return IDOK;
    });
    EXPECT_EQ(level.DoModal(), IDOK);
    EXPECT_EQ(level.m_strLevel, "12,5");
    backend.ExpectModal([&](CDialog& d) {
        backend.SetControlText(d, 1007, "abc");
        return IDCANCEL;
    });
    EXPECT_EQ(level.DoModal(), IDCANCEL);
    EXPECT_EQ(level.m_strLevel, "12,5");

    CWarningDlg warning;
    warning.m_strMessage =
        "Abans de submergir la botella dins l'aigua,convé tancar la clau de pas.";
    backend.ExpectModal([&](CDialog& d) {
        EXPECT_EQ(backend.ControlText(d, 1005), warning.m_strMessage.str());
        EXPECT_FALSE(backend.IsControlVisible(d, IDCANCEL));
        return IDOK;
    });
    EXPECT_EQ(warning.DoModal(), IDOK);

    CAboutDlg about;
    backend.ExpectModal([](CDialog&) { return IDCANCEL; });
    EXPECT_EQ(about.DoModal(), IDCANCEL);
}

TEST_F(AppTest, TemplatesCarryTheirFixedTexts)
{
    EXPECT_NE(FindControl(168, "Entra"), nullptr);
    EXPECT_TRUE(FindControl(168, "Entra")->style & CS_TRANSPARENT);
    EXPECT_FALSE(FindControl(168, "Entra")->style & CS_TABSTOP);
    EXPECT_NE(FindControl(170, "ATENCIÓ"), nullptr);
    EXPECT_NE(FindControl(173, "Nivell del Mercuri a la branca dreta"), nullptr);
    EXPECT_NE(FindControl(173, "Cancela"), nullptr);
    EXPECT_NE(FindControl(173, "cm"), nullptr);
    EXPECT_NE(FindControl(100, "Obteniu la guia d'operació del programa a l'adreça:"), nullptr);
    EXPECT_NE(FindControl(100, "Aquest programa permet executar virtualment les operacions "
                               "bàsiques que s'han de fer al laboratori en la pràctica\n\n"
                               "OMBRINA: \nEstimació del zero absolut de temperatures"),
              nullptr);
    EXPECT_STREQ(FindDialogTemplate(173)->fontFace, "Comic Sans MS");
    EXPECT_EQ(FindDialogTemplate(173)->pointSize, 11);
    // The first control with a tab stop of each dialog is its OK button.
    for (UINT id : {170u, 173u, 100u}) {
        const DialogTemplate* t = FindDialogTemplate(id);
        const auto first =
            std::find_if(t->controls.begin(), t->controls.end(), [](const ControlTemplate& c) {
                return (c.style & CS_TABSTOP) && !(c.style & CS_HIDDEN);
            });
        ASSERT_NE(first, t->controls.end());
        EXPECT_EQ(first->id, IDOK) << id;
    }
}
