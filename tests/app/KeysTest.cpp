// The bench by keyboard and by single taps on the headless backend: the
// focus after each procedure button, the valve and the right branch by
// their keys (through the mouse's own paths), the step buttons, F1's help,
// and what the bench declares for a screen reader.
#include "model/RightBranch.h"
#include "support/BenchPoints.h"
#include "support/TervanFixture.h"

namespace {
class KeysTest : public StartedFixture {
  protected:
    void SetUp() override
    {
        StartedFixture::SetUp();
        backend.Paint(*dlg); // the bench declares its parts as it is shown
    }
    // Tabs until part or control `id` has the focus; false after a round.
    bool TabTo(int id, bool part)
    {
        for (int i = 0; i < 24; ++i) {
            if (part ? backend.FocusedPart(*dlg) == id : backend.FocusedControl(*dlg) == id)
                return true;
            backend.Key(*dlg, VK_TAB);
        }
        return false;
    }
    void AnswerLevel(const char* text)
    {
        backend.ExpectModal([this, text](CDialog& d) {
            backend.SetControlText(d, IDC_LEVEL, text);
            return IDOK;
        });
    }
    const ClientPart& Part(int id)
    {
        static const ClientPart none;
        const ClientPart* p = dlg->FindClientPart(id);
        return p ? *p : none;
    }
};

TEST_F(KeysTest, ProcedureByKeysKeepsTheFocusOnTheNextStep)
{
    // The window opens on "Sortir"; Space on each procedure button leaves the
    // focus on the button it enabled.
    EXPECT_EQ(backend.FocusedControl(*dlg), IDOK);
    ASSERT_TRUE(TabTo(IDC_ANOTA_VALORS_INICIALS, false));
    backend.Key(*dlg, VK_SPACE);
    EXPECT_TRUE(dlg->m_bInitialNoted);
    EXPECT_EQ(backend.FocusedControl(*dlg), IDC_TANCA_BOTELLA);
    backend.Key(*dlg, VK_RETURN);
    EXPECT_TRUE(dlg->m_bBottleClosed);
    EXPECT_EQ(backend.FocusedControl(*dlg), IDC_ANOTA_NIVELL_INICIAL);
    AnswerLevel("12,5");
    backend.Key(*dlg, VK_SPACE);
    EXPECT_EQ(backend.FocusedControl(*dlg), IDC_SUBMERGIR_BOTELLA);
    // The valve stands between the procedure buttons and the gas edits.
    backend.Key(*dlg, VK_TAB);
    EXPECT_EQ(backend.FocusedPart(*dlg), IDC_VALVE);
    backend.Key(*dlg, VK_TAB);
    EXPECT_EQ(backend.FocusedPart(*dlg), IDC_RIGHT_BRANCH);
    backend.Key(*dlg, VK_TAB);
    EXPECT_EQ(backend.FocusedControl(*dlg), IDC_GAS_TEMP_C);
    backend.Key(*dlg, VK_TAB, true);
    backend.Key(*dlg, VK_TAB, true);
    // Return on the valve turns it and never reaches "Sortir".
    backend.Key(*dlg, VK_RETURN);
    backend.Advance(150);
    EXPECT_EQ(dlg->m_nValveFrame, IDB_VALVE_CLOSED);
    EXPECT_TRUE(dlg->IsWindow());
    ASSERT_TRUE(TabTo(IDC_SUBMERGIR_BOTELLA, false));
    backend.Key(*dlg, VK_SPACE);
    EXPECT_TRUE(dlg->m_bSubmerged);
    EXPECT_EQ(backend.FocusedControl(*dlg), IDC_ANOTACIO);
    EXPECT_TRUE(backend.CuesShown(*dlg));
}

TEST_F(KeysTest, ValveKeysTakeTheClicksPath)
{
    ASSERT_TRUE(TabTo(IDC_VALVE, true));
    EXPECT_EQ(Part(IDC_VALVE).value, "oberta");
    backend.Key(*dlg, VK_SPACE);
    EXPECT_TRUE(dlg->m_bValveMoving);
    // While it turns a second key is refused, as a second click is.
    backend.Advance(30);
    backend.Key(*dlg, VK_SPACE);
    EXPECT_EQ(dlg->m_nValveStep, 1);
    EXPECT_EQ(Part(IDC_VALVE).value, "girant");
    backend.Advance(150);
    EXPECT_EQ(dlg->m_nValveFrame, IDB_VALVE_CLOSED);
    EXPECT_EQ(Part(IDC_VALVE).value, "tancada");
    EXPECT_TRUE(Part(IDC_VALVE).pressed);
    // Opened under water it warns, as the click does.
    dlg->m_bSubmerged = true;
    std::string warning;
    backend.ExpectModal([&](CDialog& d) {
        warning = backend.ControlText(d, IDC_WARNING_TEXT);
        EXPECT_TRUE(d.IsAlert());
        return IDOK;
    });
    backend.Key(*dlg, VK_RETURN);
    EXPECT_EQ(warning.substr(0, 46), "Amb aquesta acció s'obrirà la clau de pas i ");
    ASSERT_EQ(backend.Announcements().size(), 1u);
    EXPECT_EQ(backend.Announcements()[0], warning);
    EXPECT_EQ(dlg->m_nValveStep, -1);
}

TEST_F(KeysTest, BranchKeysAreDragsOfTheirSize)
{
    ASSERT_TRUE(TabTo(IDC_RIGHT_BRANCH, true));
    const int start = dlg->m_nTubeY;
    backend.Key(*dlg, VK_UP);
    EXPECT_EQ(dlg->m_nTubeY, start - 1);
    backend.Key(*dlg, VK_DOWN, true);
    EXPECT_EQ(dlg->m_nTubeY, start + 4);
    backend.Key(*dlg, VK_PRIOR);
    EXPECT_EQ(dlg->m_nTubeY, start - 20);
    backend.Key(*dlg, VK_NEXT);
    EXPECT_EQ(dlg->m_nTubeY, start + 4);
    EXPECT_EQ(backend.Capture(), nullptr);
    EXPECT_FALSE(dlg->m_bDragging);
    // Down to the lowest bound and no further.
    for (int i = 0; i < 30; ++i)
        backend.Key(*dlg, VK_NEXT);
    EXPECT_EQ(dlg->m_nTubeY, kTubeYLowest);
    EXPECT_EQ(Part(IDC_RIGHT_BRANCH).now, 0);
    backend.Key(*dlg, VK_F1);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text.substr(0, 26), "Tecles del banc de treball");
}

TEST_F(KeysTest, TapOnTheBranchShowsStepButtonsOverTheBench)
{
    const int y = Client::Y(200);
    const int start = dlg->m_nTubeY;
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, y);
    backend.Mouse(*dlg, WM_LBUTTONUP, Client::kStripX, y);
    ASSERT_NE(dlg->FindClientPart(IDC_STEP_UP), nullptr);
    const Box up = Part(IDC_STEP_UP).rect, down = Part(IDC_STEP_DOWN).rect;
    EXPECT_EQ(up, (Box{Client::X(361), y - 24, 24, 24}));
    EXPECT_EQ(down, (Box{Client::X(361), y + 1, 24, 24}));
    // Painted over the client: its pixels stay the window's own.
    EXPECT_EQ(backend.ShownPixel(*dlg, up.x + 3, up.y + 3), ColorFromPixel(0xC0C0C0));
    EXPECT_EQ(backend.ShownPixel(*dlg, up.x + 12, up.y + 11), 0u); // the arrow's ink
    EXPECT_EQ(backend.ShownPixel(*dlg, down.x, down.y), 0u);       // its outline
    EXPECT_EQ(backend.ClientPixel(*dlg, up.x + 3, up.y + 3),
              ColorFromPixel(back->At(up.x + 3 - Client::X(0), up.y + 3 - Client::Y(0))));

    // A tap moves one row; held, it repeats after 400 ms every 100 ms.
    backend.Mouse(*dlg, WM_LBUTTONDOWN, up.x + 5, up.y + 5);
    EXPECT_EQ(dlg->m_nTubeY, start - 1);
    EXPECT_TRUE(Part(IDC_STEP_UP).pressed);
    EXPECT_EQ(backend.Capture(), dlg.get()); // a release anywhere ends the repeat
    backend.Advance(399);
    EXPECT_EQ(dlg->m_nTubeY, start - 1);
    backend.Advance(1);
    EXPECT_EQ(dlg->m_nTubeY, start - 2);
    backend.Advance(300);
    EXPECT_EQ(dlg->m_nTubeY, start - 5);
    backend.Mouse(*dlg, WM_LBUTTONUP, up.x + 5, up.y + 5);
    EXPECT_EQ(backend.Capture(), nullptr);
    backend.Advance(500);
    EXPECT_EQ(dlg->m_nTubeY, start - 5);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, down.x + 5, down.y + 5);
    backend.Mouse(*dlg, WM_LBUTTONUP, down.x + 5, down.y + 5);
    EXPECT_EQ(dlg->m_nTubeY, start - 4);
    // Assistive technology presses them by command.
    backend.Send(*dlg, WM_COMMAND, MAKEWPARAM(IDC_STEP_UP, BN_CLICKED));
    EXPECT_EQ(dlg->m_nTubeY, start - 5);

    // A drag hides them and shows none.
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, y);
    EXPECT_EQ(dlg->FindClientPart(IDC_STEP_UP), nullptr);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, y + 10);
    backend.Mouse(*dlg, WM_LBUTTONUP, Client::kStripX, y + 10);
    EXPECT_EQ(dlg->FindClientPart(IDC_STEP_UP), nullptr);
    EXPECT_EQ(dlg->m_nTubeY, start + 5);
}

TEST_F(KeysTest, BenchPartsSayWhatTheWindowShows)
{
    dlg->m_nRulerTop = 20;
    dlg->m_nTubeY = 60; // both surfaces on row 250 at no difference
    dlg->DrawManometer();
    EXPECT_EQ(Part(IDC_RIGHT_BRANCH).value,
              "nivell del mercuri al regle: 9,7 cm; la superfície esquerra és 0,4 mm per sota "
              "de la marca");
    EXPECT_EQ(Part(IDC_RIGHT_BRANCH).role, PartRole::Slider);
    EXPECT_EQ(Part(IDC_BOTTLE).value, "oberta, sobre el banc");
    EXPECT_EQ(Part(IDC_THERMOMETER).name, "Temperatura de l'aigua");
    EXPECT_EQ(Part(IDC_NOTEBOOK).name, "Quadern, pàgina 1");
    EXPECT_EQ(Part(IDC_NOTEBOOK).value, "Pràctica Ombrina");

    backend.Click(*dlg, IDC_ANOTA_VALORS_INICIALS);
    EXPECT_EQ(
        Part(IDC_NOTEBOOK).value.find("Pràctica Ombrina. Mesures prèvies: pressió atmosfèrica "),
        0u);
    dlg->m_bSubmerged = true;
    dlg->m_nCount = 2;
    dlg->m_dTemp[1] = 31.25;
    dlg->m_dLevel[1] = 14.5;
    dlg->m_strInitialLevel = "12,5 cm";
    dlg->m_strPage = "-2-";
    dlg->DrawNotebook();
    EXPECT_EQ(Part(IDC_NOTEBOOK).role, PartRole::Table);
    ASSERT_EQ(Part(IDC_NOTEBOOK).rows.size(), 3u);
    EXPECT_EQ(Part(IDC_NOTEBOOK).rows[0], (std::vector<std::string>{"Núm.", "T (ºC)", "h (cm)"}));
    EXPECT_EQ(Part(IDC_NOTEBOOK).rows[2], (std::vector<std::string>{"2", "31,2", "14,5"}));
    EXPECT_EQ(Part(IDC_BOTTLE).value, "submergida");
    dlg->m_strPage = "-3-";
    dlg->DrawNotebook();
    EXPECT_EQ(Part(IDC_EQUATION).value.find("T(ºC) = 0."), 0u);
    // Drawn again as it was, the page declares nothing anew: assistive
    // technology hears only of what changed.
    const int changes = backend.PartChanges();
    dlg->DrawNotebook();
    EXPECT_EQ(backend.PartChanges(), changes);
    dlg->PutNotebookAway();
    dlg->DrawManometer();
    EXPECT_EQ(dlg->FindClientPart(IDC_NOTEBOOK), nullptr);
    EXPECT_EQ(dlg->FindClientPart(IDC_EQUATION), nullptr);
}
} // namespace
