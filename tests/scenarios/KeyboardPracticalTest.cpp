// The whole practical twice on the test clock, from the same random draws:
// once by the mouse, once by the keyboard alone (Tab to each button and
// bench part, Space and Return, arrows and page keys on the right branch).
// At every step the keyboard run's back buffer is byte for byte the mouse
// run's, and both end on the same fitted equation; the keyboard run ends
// with its keys' focus where the next step is and its cues on.
#include <random>
#include <vector>

#include "model/ManometerGeometry.h"
#include "notebook/NotebookPage.h"
#include "support/BenchPoints.h"
#include "support/TervanFixture.h"

namespace {
struct PracticalRun {
    std::vector<Surface> frames; // the back buffer after each step
    std::string equation;
    std::vector<std::string> announcements;
};

class KeyboardPracticalTest : public TervanFixture {
  protected:
    // Presses button `id` by the mouse, or by the keyboard: Tab until it
    // has the focus, then Space.
    void Press(int id)
    {
        if (!keys) {
            backend.Click(*dlg, id);
            return;
        }
        for (int i = 0; i < 24 && backend.FocusedControl(*dlg) != id; ++i)
            backend.Key(*dlg, VK_TAB);
        ASSERT_EQ(backend.FocusedControl(*dlg), id);
        backend.Key(*dlg, VK_SPACE);
    }
    void FocusPart(int id)
    {
        for (int i = 0; i < 24 && backend.FocusedPart(*dlg) != id; ++i)
            backend.Key(*dlg, VK_TAB);
        ASSERT_EQ(backend.FocusedPart(*dlg), id);
    }
    void TurnValve()
    {
        if (keys) {
            FocusPart(IDC_VALVE);
            backend.Key(*dlg, VK_SPACE);
        } else {
            backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kValveX, Client::kValveY);
            backend.Mouse(*dlg, WM_LBUTTONUP, Client::kValveX, Client::kValveY);
        }
        backend.Advance(200);
    }
    // Moves the right branch by `dy` rows: one drag, or page keys, Shift
    // with arrows and arrows that add up to it.
    void MoveBranch(int dy)
    {
        if (dy == 0)
            return;
        if (!keys) {
            backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 200);
            backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, 200 + dy);
            backend.Mouse(*dlg, WM_LBUTTONUP, Client::kStripX, 200 + dy);
            return;
        }
        FocusPart(IDC_RIGHT_BRANCH);
        const bool down = dy > 0;
        int left = down ? dy : -dy;
        for (; left >= 24; left -= 24)
            backend.Key(*dlg, down ? VK_NEXT : VK_PRIOR);
        for (; left >= 5; left -= 5)
            backend.Key(*dlg, down ? VK_DOWN : VK_UP, true);
        for (; left > 0; --left)
            backend.Key(*dlg, down ? VK_DOWN : VK_UP);
    }
    void Level(int left)
    {
        for (int tries = 0; tries < 8; ++tries) {
            const int L = ComputeManometer(dlg->m_nTubeY, dlg->m_dPressureDiff).L;
            if (L == left)
                return;
            MoveBranch(2 * (left - L));
        }
    }
    void Note(int button, const char* level)
    {
        backend.ExpectModal([this, level](CDialog& d) {
            backend.SetControlText(d, IDC_LEVEL, level);
            return IDOK;
        });
        Press(button);
    }
    void Keep() { run.frames.push_back(*dlg->m_bmpBack.GetSurface()); }

    PracticalRun Practical()
    {
        run = {};
        std::mt19937 random(2027);
        Random::SetSource([&] { return static_cast<int>(random() % 32768); });
        Start();
        backend.Paint(*dlg);
        Keep();
        Press(IDC_ANOTA_VALORS_INICIALS);
        Keep();
        Press(IDC_TANCA_BOTELLA);
        Keep();
        const int left = ComputeManometer(dlg->m_nTubeY, 0.0).L;
        Note(IDC_ANOTA_NIVELL_INICIAL, "10,0");
        TurnValve();
        Keep();
        Press(IDC_SUBMERGIR_BOTELLA);
        Keep();
        const char* const levels[] = {"10,4", "10,9", "11,3", "11,8", "12,2",
                                      "12,7", "13,1", "12,8", "12,4"};
        for (int row = 1; row <= 9; ++row) {
            Press(row <= 7 ? IDC_ESCALFAR_AIGUA : IDC_REFREDAR_AIGUA);
            for (int wait = 0; wait < 6; ++wait) {
                backend.Advance(5000);
                Level(left);
            }
            Keep();
            Note(IDC_ANOTACIO, levels[row - 1]);
            Keep();
        }
        Press(IDC_PAGE_FIRST);
        for (int k = 0; k < 3; ++k)
            Press(IDC_PAGE_NEXT);
        Keep();
        run.equation = Notebook::FittedEquation(*dlg).str();
        run.announcements = backend.Announcements();
        return run;
    }

    bool keys = false;
    PracticalRun run;
};

TEST_F(KeyboardPracticalTest, KeysDrawWhatTheMouseDrawsAndFitTheSameLine)
{
    const PracticalRun mouse = Practical();
    ASSERT_EQ(dlg->m_nCount, 10);
    EXPECT_EQ(dlg->m_strPage, "-4-");
    backend.Close(*dlg);

    keys = true;
    const PracticalRun keyboard = Practical();
    ASSERT_EQ(dlg->m_nCount, 10);
    EXPECT_EQ(dlg->m_strPage, "-4-");
    ASSERT_EQ(keyboard.frames.size(), mouse.frames.size());
    for (std::size_t i = 0; i < mouse.frames.size(); ++i)
        EXPECT_EQ(keyboard.frames[i].pixels, mouse.frames[i].pixels) << "step " << i;
    EXPECT_FALSE(mouse.equation.empty());
    EXPECT_EQ(keyboard.equation, mouse.equation);
    ASSERT_NE(dlg->FindClientPart(IDC_EQUATION), nullptr);
    EXPECT_EQ(dlg->FindClientPart(IDC_EQUATION)->value, mouse.equation);
    // Each noted row was news for a screen reader, in both runs alike.
    ASSERT_EQ(mouse.announcements.size(), 10u);
    EXPECT_EQ(
        std::vector<std::string>(keyboard.announcements.begin() + 10, keyboard.announcements.end()),
        mouse.announcements);
    EXPECT_EQ(mouse.announcements[9].find("Anotada la mesura 10: "), 0u);
    EXPECT_TRUE(backend.CuesShown(*dlg));
    EXPECT_TRUE(backend.MessageBoxes().empty());
}
} // namespace
