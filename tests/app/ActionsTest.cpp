#include "support/BenchPoints.h"
#include "support/Pixels.h"
#include "support/ProcedureButtons.h"
#include "support/TervanFixture.h"

namespace {
class ActionsTest : public StartedFixture {
  protected:
    std::vector<int> Enabled()
    {
        std::vector<int> ids;
        for (int id : kProcedureButtons)
            if (backend.IsControlEnabled(*dlg, id))
                ids.push_back(id);
        return ids;
    }

    void AnswerLevel(const char* text, int command = IDOK)
    {
        backend.ExpectModal([this, text, command](CDialog& d) {
            EXPECT_EQ(d.GetTemplateId(), UINT(IDD_LEVEL));
            backend.SetControlText(d, IDC_LEVEL, text);
            return command;
        });
    }

    // Records the text of the next warning dialog.
    void AnswerWarning(std::string* text)
    {
        backend.ExpectModal([this, text](CDialog& d) {
            EXPECT_EQ(d.GetTemplateId(), UINT(IDD_WARNING));
            *text = backend.ControlText(d, IDC_WARNING_TEXT);
            return IDOK;
        });
    }

    void ClickValve() { backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kValveX, Client::kValveY); }
    void TurnValve()
    {
        ClickValve();
        backend.Advance(150);
    }

    void Submerge()
    {
        backend.Click(*dlg, IDC_ANOTA_VALORS_INICIALS);
        backend.Click(*dlg, IDC_TANCA_BOTELLA);
        AnswerLevel("20");
        backend.Click(*dlg, IDC_ANOTA_NIVELL_INICIAL);
        TurnValve();
        backend.Click(*dlg, IDC_SUBMERGIR_BOTELLA);
    }
};

TEST_F(ActionsTest, TheProcedureRunsInItsOrder)
{
    EXPECT_EQ(Enabled(), (std::vector<int>{IDC_ANOTA_VALORS_INICIALS}));
    backend.Click(*dlg, IDC_ANOTA_VALORS_INICIALS);
    EXPECT_TRUE(dlg->m_bInitialNoted);
    EXPECT_EQ(Enabled(), (std::vector<int>{IDC_TANCA_BOTELLA}));

    const std::int64_t before = backend.NowMs();
    backend.Click(*dlg, IDC_TANCA_BOTELLA);
    EXPECT_EQ(backend.NowMs() - before, 54 * 7); // 54 frames of 7 ms
    EXPECT_EQ(dlg->m_nBottleY, 200);
    EXPECT_TRUE(dlg->m_bBottleClosed);
    EXPECT_TRUE(backend.IsTimerRunning(*dlg, CTervanDlg::kGasTimer));
    EXPECT_EQ(backend.ControlText(*dlg, IDC_TANCA_BOTELLA), "Botella tancada");
    EXPECT_EQ(Enabled(), (std::vector<int>{IDC_ANOTA_NIVELL_INICIAL}));

    AnswerLevel("typed", IDCANCEL);
    backend.Click(*dlg, IDC_ANOTA_NIVELL_INICIAL);
    EXPECT_EQ(dlg->m_nCount, 0);
    EXPECT_TRUE(dlg->m_strInitialLevel.IsEmpty());
    EXPECT_EQ(Enabled(), (std::vector<int>{IDC_ANOTA_NIVELL_INICIAL}));

    AnswerLevel("12,5");
    backend.Click(*dlg, IDC_ANOTA_NIVELL_INICIAL);
    EXPECT_EQ(dlg->m_strInitialLevel, "12,5 cm");
    EXPECT_EQ(dlg->m_nCount, 1);
    EXPECT_EQ(dlg->m_dLevel[0], 12.5);
    EXPECT_EQ(dlg->m_dTemp[0], dlg->m_dWaterTemp);
    EXPECT_EQ(Enabled(), (std::vector<int>{IDC_SUBMERGIR_BOTELLA}));

    std::string warning;
    AnswerWarning(&warning);
    backend.Click(*dlg, IDC_SUBMERGIR_BOTELLA); // the valve is still open
    EXPECT_EQ(warning,
              "Abans de submergir la botella dins l'aigua,convé tancar la clau de pas.Si no es fa "
              "així, la pressió de l'aire que ha quedat dins la botella no serà la atmosfèrica i "
              "el seu valor serà desconegut.");
    EXPECT_FALSE(dlg->m_bSubmerged);

    ClickValve();
    backend.Advance(90); // still turning
    AnswerWarning(&warning);
    backend.Click(*dlg, IDC_SUBMERGIR_BOTELLA);
    EXPECT_FALSE(dlg->m_bSubmerged);
    EXPECT_EQ(Enabled(), (std::vector<int>{IDC_SUBMERGIR_BOTELLA}));

    backend.Advance(60);
    ASSERT_EQ(dlg->m_nValveFrame, IDB_VALVE_CLOSED);
    const std::int64_t t0 = backend.NowMs();
    backend.Click(*dlg, IDC_SUBMERGIR_BOTELLA);
    // 161 animation frames of 30 ms and the 10-s tap-water ramp
    EXPECT_EQ(backend.NowMs() - t0, 161 * 30 + 100 * 100);
    EXPECT_TRUE(dlg->m_bSubmerged);
    EXPECT_TRUE(dlg->m_strPage.IsEmpty());
    EXPECT_GE(dlg->m_dWaterTemp, 10.0 - 1e-9);
    EXPECT_LE(dlg->m_dWaterTemp, 20.0 + 1e-9);
    EXPECT_EQ(backend.ControlText(*dlg, IDC_SUBMERGIR_BOTELLA), "Botella submergida");
    EXPECT_EQ(Enabled(), (std::vector<int>{IDC_ESCALFAR_AIGUA, IDC_REFREDAR_AIGUA, IDC_ANOTACIO}));
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ActionsTest, RowsOpenTheirPageAndStopAtFourteen)
{
    Submerge();
    for (int row = 1; row <= 13; ++row) {
        AnswerLevel("21,5");
        backend.Click(*dlg, IDC_ANOTACIO);
        EXPECT_EQ(dlg->m_nCount, row + 1);
        EXPECT_EQ(dlg->m_strPage, row <= 9 ? "-2-" : "-3-") << row;
    }
    EXPECT_EQ(dlg->m_dLevel[13], 21.5);
    backend.Click(*dlg, IDC_ANOTACIO); // a fifteenth: no dialog opens
    EXPECT_EQ(dlg->m_nCount, 14);
    EXPECT_EQ(backend.PendingModalScripts(), 0u);
}

TEST_F(ActionsTest, ALevelWithoutANumberIsExplainedAndNotNoted)
{
    Submerge();
    for (const char* text : {"abc", "", "nan", "1e999", "inf"}) {
        AnswerLevel(text);
        std::string warning;
        AnswerWarning(&warning);
        backend.Click(*dlg, IDC_ANOTACIO);
        EXPECT_EQ(dlg->m_nCount, 1) << text;
        EXPECT_NE(warning.find("12,5"), std::string::npos);
    }
    for (auto [text, value] : {std::pair{" 12,5 ", 12.5}, std::pair{"12.5cm", 12.5}}) {
        AnswerLevel(text);
        backend.Click(*dlg, IDC_ANOTACIO);
        EXPECT_EQ(dlg->m_dLevel[dlg->m_nCount - 1], value);
    }
}

TEST_F(ActionsTest, AnInitialLevelWithoutANumberKeepsTheStepOpen)
{
    backend.Click(*dlg, IDC_ANOTA_VALORS_INICIALS);
    backend.Click(*dlg, IDC_TANCA_BOTELLA);
    AnswerLevel("abc");
    std::string warning;
    AnswerWarning(&warning);
    backend.Click(*dlg, IDC_ANOTA_NIVELL_INICIAL);
    EXPECT_FALSE(warning.empty());
    EXPECT_EQ(dlg->m_nCount, 0);
    EXPECT_TRUE(dlg->m_strInitialLevel.IsEmpty());
    EXPECT_EQ(Enabled(), (std::vector<int>{IDC_ANOTA_NIVELL_INICIAL}));
    // Nothing is noted yet: closing loses nothing.
    EXPECT_FALSE(backend.UnsavedWork());
    AnswerLevel("20");
    backend.Click(*dlg, IDC_ANOTA_NIVELL_INICIAL);
    EXPECT_EQ(dlg->m_nCount, 1);
    EXPECT_TRUE(backend.UnsavedWork());
}

TEST_F(ActionsTest, TheValveTurnsOnceAtATimeAndWarnsOnlyWhenOpeningSubmerged)
{
    ClickValve();
    backend.Advance(60);
    ClickValve(); // ignored while turning
    EXPECT_EQ(dlg->m_nValveStep, 1);
    backend.Advance(90);
    EXPECT_EQ(dlg->m_nValveFrame, IDB_VALVE_CLOSED);
    EXPECT_FALSE(dlg->m_bValveMoving);

    // Exactly 22 px from the centre is outside the circle.
    backend.Mouse(*dlg, WM_LBUTTONDOWN, 302, 160);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, 280, 138);
    EXPECT_FALSE(dlg->m_bValveMoving);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, 301, 160);
    EXPECT_TRUE(dlg->m_bValveMoving);
    backend.Advance(150);
    EXPECT_EQ(dlg->m_nValveFrame, IDB_VALVE_OPEN);

    Submerge();
    ASSERT_TRUE(dlg->m_bSubmerged);
    std::vector<int> framesSeen;
    backend.ExpectModal([&](CDialog& d) {
        EXPECT_NE(backend.ControlText(d, IDC_WARNING_TEXT).find("s'obrirà la clau de pas"),
                  std::string::npos);
        for (int i = 0; i < 5; ++i) {
            backend.Advance(30);
            framesSeen.push_back(dlg->m_nValveFrame);
        }
        return IDOK;
    });
    ClickValve(); // opening: warns, and the valve turns behind the warning
    EXPECT_EQ(framesSeen,
              (std::vector<int>{IDB_VALVE_CLOSED - 1, IDB_VALVE_CLOSED - 2, IDB_VALVE_CLOSED - 3,
                                IDB_VALVE_CLOSED - 4, IDB_VALVE_OPEN}));
    EXPECT_EQ(dlg->m_dGasPressure, dlg->m_dAtmPressure);
    TurnValve(); // closing: no warning (an unanswered dialog would fail)
    EXPECT_EQ(dlg->m_nValveFrame, IDB_VALVE_CLOSED);
    std::string warning;
    AnswerWarning(&warning);
    TurnValve(); // opening again: warned again
    EXPECT_FALSE(warning.empty());
    EXPECT_EQ(dlg->m_nValveFrame, IDB_VALVE_OPEN);
}

TEST_F(ActionsTest, DraggingTheRightBranch)
{
    const int start = dlg->m_nTubeY;
    backend.Mouse(*dlg, WM_LBUTTONDOWN, 361, 200);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, 381, 200);
    EXPECT_FALSE(dlg->m_bDragging);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, 380, 200);
    EXPECT_TRUE(dlg->m_bDragging);
    EXPECT_EQ(backend.Capture(), dlg.get());
    EXPECT_EQ(dlg->m_strPage, "-1-");            // not submerged: the notebook stays
    backend.Mouse(*dlg, WM_MOUSEMOVE, 900, 230); // only y counts
    EXPECT_EQ(dlg->m_nTubeY, start + 30);
    backend.Mouse(*dlg, WM_LBUTTONUP, 2000, -500); // released outside
    EXPECT_FALSE(dlg->m_bDragging);
    EXPECT_EQ(backend.Capture(), nullptr);
    backend.Mouse(*dlg, WM_MOUSEMOVE, 370, 300);
    EXPECT_EQ(dlg->m_nTubeY, start + 30);

    // Down to the bound at 320: the anchor stays at the last accepted place.
    backend.Mouse(*dlg, WM_LBUTTONDOWN, 362, 100);
    const int room = 320 - dlg->m_nTubeY;
    backend.Mouse(*dlg, WM_MOUSEMOVE, 362, 100 + room - 5);
    backend.Mouse(*dlg, WM_MOUSEMOVE, 362, 100 + room + 40);
    EXPECT_EQ(dlg->m_nTubeY, 320);
    EXPECT_EQ(dlg->m_nDragY, 100 + room - 5);
    backend.Mouse(*dlg, WM_MOUSEMOVE, 362, 100 + room + 10); // still outside
    EXPECT_EQ(dlg->m_nTubeY, 320);
    backend.Mouse(*dlg, WM_MOUSEMOVE, 362, 100 + room - 25); // back inside
    EXPECT_EQ(dlg->m_nTubeY, 300);
    backend.Mouse(*dlg, WM_MOUSEMOVE, 362, -5000);
    EXPECT_EQ(dlg->m_nTubeY, -300);
    backend.Mouse(*dlg, WM_LBUTTONUP, 362, 0);
}

// A drag that lands exactly on a bound is a move: the branch goes there, the
// grab point follows and the manometer is redrawn with the branch there. One
// row further nothing moves.
TEST_F(ActionsTest, ADragExactlyOntoEachBoundStillMovesTheBranchAndTheGrabPoint)
{
    const COLORREF hose = RGB(255, 189, 157);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 100);
    const int onto = 100 + 320 - dlg->m_nTubeY;
    int copies = backend.ClientUpdates(*dlg);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, onto);
    EXPECT_EQ(dlg->m_nTubeY, 320);
    EXPECT_EQ(dlg->m_nDragY, onto);
    EXPECT_EQ(backend.ClientUpdates(*dlg), copies + 1);
    EXPECT_EQ(DiffFromResource(*back, 341, 315, IDB_FUNNEL), 0); // the mouth, 5 rows up
    copies = backend.ClientUpdates(*dlg);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, onto + 1);
    EXPECT_EQ(dlg->m_nTubeY, 320);
    EXPECT_EQ(dlg->m_nDragY, onto);
    EXPECT_EQ(backend.ClientUpdates(*dlg), copies);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, onto - 1); // back from the grab point
    EXPECT_EQ(dlg->m_nTubeY, 319);
    backend.Mouse(*dlg, WM_LBUTTONUP, Client::kStripX, onto - 1);

    // Upwards the level mercury reaches the valve long before the bound: the
    // warning ends that drag, and with its latch set the next one goes on.
    std::string warning;
    AnswerWarning(&warning);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 300);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, 300 - (dlg->m_nTubeY + 106));
    ASSERT_NE(warning.find("per avall"), std::string::npos);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 300);
    const int up = 300 - (dlg->m_nTubeY + 300);
    copies = backend.ClientUpdates(*dlg);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, up);
    EXPECT_EQ(dlg->m_nTubeY, -300);
    EXPECT_EQ(dlg->m_nDragY, up);
    EXPECT_EQ(backend.ClientUpdates(*dlg), copies + 1);
    // The 23-px hose now hangs from the branch's foot at row 131.
    EXPECT_EQ(PixelAt(*back, 350, 125), hose);
    EXPECT_NE(PixelAt(*back, 350, 115), hose);
    copies = backend.ClientUpdates(*dlg);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, up - 1);
    EXPECT_EQ(dlg->m_nTubeY, -300);
    EXPECT_EQ(dlg->m_nDragY, up);
    EXPECT_EQ(backend.ClientUpdates(*dlg), copies);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, up + 1);
    EXPECT_EQ(dlg->m_nTubeY, -299);
    backend.Mouse(*dlg, WM_LBUTTONUP, Client::kStripX, up + 1);
}

TEST_F(ActionsTest, GrabbingAfterSubmergingPutsTheNotebookAway)
{
    Submerge();
    AnswerLevel("20");
    backend.Click(*dlg, IDC_ANOTACIO);
    EXPECT_EQ(dlg->m_strPage, "-2-");
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 200);
    EXPECT_TRUE(dlg->m_strPage.IsEmpty());
    EXPECT_EQ(ColorFromPixel(back->At(500, 300)), RGB(215, 255, 215));
    backend.Mouse(*dlg, WM_LBUTTONUP, Client::kStripX, 200);
}

TEST_F(ActionsTest, ASpillWarningEndsTheDrag)
{
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 300);
    std::string warning;
    AnswerWarning(&warning);
    // Raising the branch far lifts the level mercury up to the valve.
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, 300 - (dlg->m_nTubeY + 106));
    EXPECT_EQ(dlg->m_nTubeY, -106);
    EXPECT_NE(warning.find("per avall"), std::string::npos);
    EXPECT_FALSE(dlg->m_bDragging);
    EXPECT_TRUE(dlg->m_bInflowWarned);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, 0); // the drag has ended
    EXPECT_EQ(dlg->m_nTubeY, -106);
}

TEST_F(ActionsTest, AWarningLeavesTheWindowTheLastWholeManometer)
{
    // The bottle still open: no gas timer redraws the manometer, so the
    // thermometer's next copy shows whatever the warned call left behind.
    const int tube = dlg->m_nTubeY;
    backend.Paint(*dlg);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 300);
    const Surface before = *back;
    std::string warning;
    AnswerWarning(&warning);
    backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, 300 - (tube + 106));
    ASSERT_NE(warning.find("per avall"), std::string::npos);
    for (int y = 0; y < 400; ++y)
        for (int x = 250; x < 374; ++x)
            ASSERT_EQ(back->At(x, y), before.At(x, y)) << x << "," << y;

    const int copies = backend.ClientUpdates(*dlg);
    backend.Advance(3000);
    ASSERT_GT(backend.ClientUpdates(*dlg), copies); // the water drifted and was shown
    const int level = (tube - 60) / 2 + 250;
    const COLORREF mercury = RGB(173, 173, 173), mark = RGB(128, 64, 64);
    EXPECT_EQ(backend.ClientPixel(*dlg, Client::X(259), Client::Y(level + 10)), mercury);
    EXPECT_EQ(backend.ClientPixel(*dlg, Client::X(357), Client::Y(level + 10)), mercury);
    EXPECT_EQ(backend.ClientPixel(*dlg, Client::X(260), Client::Y(246)), mark);
    EXPECT_EQ(backend.ClientPixel(*dlg, Client::X(260), Client::Y(249)), mark);
}
} // namespace
