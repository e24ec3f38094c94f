// The main window's shell on the headless backend: what its initialisation
// adds to the window, the About command from the menu and "Inf", the three
// paint sequences and the minimised paint.
#include <algorithm>

#include "platform/PaintDC.h"
#include "support/TervanFixture.h"

namespace {
class ShellTest : public TervanFixture {
  protected:
    // Which drawing routines one paint runs, in order: with every bitmap
    // selection failing, each routine reports its own code at its first step.
    std::vector<std::string> RoutinesOfOnePaint()
    {
        backend.ClearMessageBoxes();
        Faults::Arm(GdiOp::SelectBitmap, 1, true);
        backend.Paint(*dlg);
        Faults::Reset();
        static const std::vector<std::string> firstStep = {"error 1001", "error 1005", "error 1008",
                                                           "error 1016", "error 1021"};
        std::vector<std::string> codes;
        for (const std::string& text : BoxTexts())
            if (std::find(firstStep.begin(), firstStep.end(), text) != firstStep.end())
                codes.push_back(text);
        return codes;
    }

    // Answers the next modal dialog, noting its template.
    void ExpectDialog(std::vector<UINT>& opened)
    {
        backend.ExpectModal([&opened](CDialog& d) {
            opened.push_back(d.GetTemplateId());
            return IDOK;
        });
    }
};
} // namespace

// Chosen as the student chooses it, by its own command, the item the
// window adds to its system menu, after a separator, opens the About box.
TEST_F(ShellTest, TheSystemMenusAboutItemOpensTheAboutBox)
{
    ScriptDraws({}, 16000);
    Start();
    const auto menu = backend.SystemMenu(*dlg);
    ASSERT_GE(menu.size(), 2u); // the notebook's items follow
    EXPECT_EQ(menu[0].flags, MF_SEPARATOR);
    EXPECT_EQ(menu[1].text, "Acerca de Tervan");
    std::vector<UINT> opened;
    ExpectDialog(opened);
    backend.Send(*dlg, WM_SYSCOMMAND, menu[1].id);
    EXPECT_EQ(opened, (std::vector<UINT>{IDD_ABOUTBOX}));
}

TEST_F(ShellTest, MenuCommand16AndInfOpenTheAboutBoxOtherCommandsGoOn)
{
    ScriptDraws({}, 16000);
    Start();
    std::vector<UINT> opened;
    ExpectDialog(opened);
    backend.Send(*dlg, WM_SYSCOMMAND, 16);
    ExpectDialog(opened);
    backend.Send(*dlg, WM_SYSCOMMAND, 16 | 0x000F); // the low four bits do not count
    ExpectDialog(opened);
    backend.Click(*dlg, IDC_INF);
    EXPECT_EQ(opened, (std::vector<UINT>{IDD_ABOUTBOX, IDD_ABOUTBOX, IDD_ABOUTBOX}));
    EXPECT_EQ(backend.PendingModalScripts(), 0u);

    // Any other command gets the default handling: closing ends the window.
    backend.Close(*dlg);
    CTervanDlg closing;
    backend.ExpectModal([&](CDialog& d) {
        backend.Send(d, WM_SYSCOMMAND, SC_CLOSE);
        return IDOK; // not reached: the close already ended it
    });
    EXPECT_EQ(closing.DoModal(), IDCANCEL);
}

TEST_F(ShellTest, PaintRunsTheRoutinesInTheirOrderForEachState)
{
    ScriptDraws({}, 16000);
    Start();
    EXPECT_EQ(RoutinesOfOnePaint(),
              (std::vector<std::string>{"error 1001", "error 1005", "error 1001", "error 1016"}));
    // Before submerging, the notebook is drawn even when put away.
    dlg->m_strPage.Empty();
    EXPECT_EQ(RoutinesOfOnePaint(),
              (std::vector<std::string>{"error 1001", "error 1005", "error 1001", "error 1016"}));
    dlg->m_bSubmerged = true;
    dlg->m_strPage = "-2-";
    EXPECT_EQ(RoutinesOfOnePaint(),
              (std::vector<std::string>{"error 1001", "error 1005", "error 1008", "error 1001",
                                        "error 1016"}));
    // Notebook away: the side gauge with its manometer, then the manometer.
    dlg->m_strPage.Empty();
    EXPECT_EQ(RoutinesOfOnePaint(),
              (std::vector<std::string>{"error 1001", "error 1005", "error 1008", "error 1021",
                                        "error 1016", "error 1016"}));
}

TEST_F(ShellTest, MinimisedPaintDrawsOnlyTheCentredIcon)
{
    ScriptDraws({}, 16000);
    Start();
    backend.SetIconic(*dlg, true);
    const int updates = backend.ClientUpdates(*dlg);
    EXPECT_TRUE(RoutinesOfOnePaint().empty());
    EXPECT_TRUE(backend.MessageBoxes().empty());
    EXPECT_EQ(backend.ClientUpdates(*dlg), updates + 1);
    // The client area is 781 x 484: ((781 - 32 + 1) / 2, (484 - 32 + 1) / 2).
    const auto icons = backend.IconDraws(*dlg);
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].x, 375);
    EXPECT_EQ(icons[0].y, 226);
    EXPECT_EQ(icons[0].icon, UINT(IDR_MAINFRAME));
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);

    // The program's icon is also the one its title bar, its taskbar button
    // and a drag of the minimised window show.
    EXPECT_EQ(backend.Icon(*dlg, true), UINT(IDR_MAINFRAME));
    EXPECT_EQ(backend.Icon(*dlg, false), UINT(IDR_MAINFRAME));
    EXPECT_EQ(dlg->OnQueryDragIcon(), UINT(IDR_MAINFRAME));

    // Restored, the bench is painted again and no icon.
    backend.SetIconic(*dlg, false);
    EXPECT_EQ(RoutinesOfOnePaint().size(), 4u);
    EXPECT_EQ(backend.IconDraws(*dlg).size(), 1u);
}

TEST_F(ShellTest, EveryButtonOfTheTemplateHasItsEntryInTheMessageTable)
{
    const DialogTemplate* t = FindDialogTemplate(CTervanDlg::IDD);
    ASSERT_NE(t, nullptr);
    const MessageMap* map = CTervanDlg::GetThisMessageMap();
    auto handles = [&](UINT message, int id) {
        for (const MessageMapEntry* e = map->entries; e->message != 0; ++e)
            if (e->message == message && (message != WM_COMMAND || e->id == id))
                return true;
        return false;
    };
    for (const ControlTemplate& c : t->controls) {
        if (c.cls == ControlClass::Button && c.id != IDC_STATIC && c.id != IDOK &&
            c.id != IDCANCEL) {
            EXPECT_TRUE(handles(WM_COMMAND, c.id)) << c.caption;
        }
    }
    // "Sortir" and "Cancelar" are the framework's.
    EXPECT_FALSE(handles(WM_COMMAND, IDOK));
    EXPECT_FALSE(handles(WM_COMMAND, IDCANCEL));
    for (UINT message : {WM_SYSCOMMAND, WM_PAINT, WM_QUERYDRAGICON, WM_LBUTTONDOWN, WM_TIMER,
                         WM_MOUSEMOVE, WM_LBUTTONUP}) {
        EXPECT_TRUE(handles(message, 0)) << message;
    }
}
