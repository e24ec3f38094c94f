// The whole procedure through the real window: real clicks on the buttons,
// on the valve and on the right branch, levels typed into the level dialog,
// the warnings answered. Each step enables the next button and disables its
// own; the rows noted reach the state and the notebook page in the window.
// The gas is not waited for here: the practical's numbers are another test.
// The window's clock runs ten times as fast; ticks and frames keep their
// order and count.
#include "BenchStudent.h"
#include "support/ProcedureButtons.h"

namespace {
const char* const kCloseValveFirst =
    "Abans de submergir la botella dins l'aigua,convé tancar la clau de pas.Si no es fa així, "
    "la pressió de l'aire que ha quedat dins la botella no serà la atmosfèrica i el seu valor "
    "serà desconegut.";
const char* const kMoveDown =
    "El tub dret s'ha de moure per avall. En el laboratori, el mercuri estaria a punt d'entrar "
    "dins la botella i això invalidaria les dades que es prenguessin a continuació. En el "
    "dispositiu real del laboratori aquest perill es limita posant tubs bastants llargs; però "
    "és important conèixer que existeix i en el programa s'hi manté.";

// The procedure buttons that are enabled, in the order above.
std::vector<int> EnabledButtons(DialogWindow& window)
{
    std::vector<int> enabled;
    for (int id : kProcedureButtons)
        if (window.Control(id)->isEnabled())
            enabled.push_back(id);
    return enabled;
}
} // namespace
class ProcedureTest : public BenchStudent {};

TEST_F(ProcedureTest, ProcedureByRealClicksDragsAndTypedLevels)
{
    backend->SetTimeScale(0.1);
    RunProgram([&](CTervanDlg& dlg, DialogWindow& window) {
        using V = std::vector<int>;
        EXPECT_EQ(EnabledButtons(window), V{IDC_ANOTA_VALORS_INICIALS});
        // A disabled button does nothing, whoever clicks it.
        Click(window, IDC_ANOTACIO);
        EXPECT_EQ(dlg.m_nCount, 0);

        Click(window, IDC_ANOTA_VALORS_INICIALS); // "Anota valors inicials"
        EXPECT_TRUE(dlg.m_bInitialNoted);
        EXPECT_EQ(EnabledButtons(window), V{IDC_TANCA_BOTELLA});

        Click(window, IDC_TANCA_BOTELLA); // "Tanca Botella": the bottle rises before it returns
        EXPECT_EQ(dlg.m_nBottleY, 200);
        EXPECT_TRUE(dlg.m_bBottleClosed);
        EXPECT_EQ(window.ControlText(IDC_TANCA_BOTELLA), QStringLiteral("Botella tancada"));
        EXPECT_EQ(EnabledButtons(window), V{IDC_ANOTA_NIVELL_INICIAL});
        // The gas timer runs: its edits fill in.
        EXPECT_TRUE(WaitUntil([&] { return !window.ControlText(IDC_GAS_TEMP_K).isEmpty(); }));

        // Escaping the level dialog notes nothing; then "47,5" and Return.
        OnNextModal([](CDialog&, DialogWindow& level) { Key(level, Qt::Key_Escape); });
        Click(window, IDC_ANOTA_NIVELL_INICIAL);
        EXPECT_EQ(dlg.m_nCount, 0);
        EXPECT_EQ(EnabledButtons(window), V{IDC_ANOTA_NIVELL_INICIAL});
        AnswerLevel("47,5", true);
        Click(window, IDC_ANOTA_NIVELL_INICIAL);
        ASSERT_EQ(dlg.m_nCount, 1);
        EXPECT_EQ(dlg.m_dLevel[0], 47.5);
        EXPECT_EQ(dlg.m_dTemp[0], dlg.m_dRoomTemp); // the bath is still at room temperature
        EXPECT_EQ(dlg.m_strInitialLevel, "47,5 cm");
        EXPECT_EQ(EnabledButtons(window), V{IDC_SUBMERGIR_BOTELLA});

        // Submerging with the valve open is refused with a warning.
        AnswerWarning(kCloseValveFirst);
        Click(window, IDC_SUBMERGIR_BOTELLA);
        EXPECT_FALSE(dlg.m_bSubmerged);
        EXPECT_EQ(EnabledButtons(window), V{IDC_SUBMERGIR_BOTELLA});

        // A click 22 pixels from the valve's centre misses it; one inside
        // turns it shut in five frames.
        ClickClient(window, 280 + 22, 160);
        EXPECT_FALSE(dlg.m_bValveMoving);
        ClickClient(window, 280 + 15, 160 - 15);
        EXPECT_TRUE(dlg.m_bValveMoving);
        EXPECT_TRUE(WaitUntil(
            [&] { return dlg.m_nValveFrame == IDB_VALVE_CLOSED && !dlg.m_bValveMoving; }));

        Click(window,
              IDC_SUBMERGIR_BOTELLA); // "Submergir Botella": bath animation and tap-water ramp
        EXPECT_TRUE(dlg.m_bSubmerged);
        EXPECT_EQ(window.ControlText(IDC_SUBMERGIR_BOTELLA), QStringLiteral("Botella submergida"));
        EXPECT_EQ(dlg.m_strPage, "");
        // Tap water of 10 to 20 degrees, nudged towards the room by the
        // drift tick that waited for the ramp.
        EXPECT_GE(dlg.m_dWaterTemp, 10.0);
        EXPECT_LE(dlg.m_dWaterTemp, 20.0 + 0.05);
        EXPECT_EQ(EnabledButtons(window),
                  (V{IDC_ESCALFAR_AIGUA, IDC_REFREDAR_AIGUA, IDC_ANOTACIO}));

        const double tap = dlg.m_dWaterTemp;
        Click(window, IDC_ESCALFAR_AIGUA); // "Escalfar Aigua": ten steps of 0.2 to 0.4 degrees
        EXPECT_GE(dlg.m_dWaterTemp - tap, 2.0 - 0.05); // the room's drift may take a little
        EXPECT_LE(dlg.m_dWaterTemp - tap, 4.0 + 0.05);

        // A drag moves the branch by the pointer's travel; the window shows
        // the mercury where the state puts it. Downwards, the left surface
        // stays clear of the reference marks at rows 246 and 249, which
        // would hide its top row.
        const int tubeY = dlg.m_nTubeY;
        DragBranch(window, 300, 20);
        EXPECT_EQ(dlg.m_nTubeY, tubeY + 20);
        EXPECT_FALSE(dlg.m_bDragging);
        const ManometerGeometry g = ComputeManometer(dlg.m_nTubeY, dlg.m_dPressureDiff);
        EXPECT_EQ(Bench::RightTop(window), g.R - Bench::kCapRows);
        EXPECT_EQ(Bench::LeftTop(window), g.L - Bench::kCapRows);

        // Far up, the left mercury nears the valve: the warning ends the drag.
        AnswerWarning(kMoveDown);
        DragBranch(window, 450, -(dlg.m_nTubeY + 140));
        EXPECT_TRUE(dlg.m_bInflowWarned);
        EXPECT_FALSE(dlg.m_bDragging);
        EXPECT_EQ(unexpectedDialogs, 0);
        // Latched, the timer's redraws hold the left surface at row 168.
        EXPECT_TRUE(WaitUntil([&] { return Bench::LeftTop(window) == 168 - Bench::kCapRows; }));
        const int stopped = dlg.m_nTubeY;
        DragBranch(window, 100, 200); // back down, clear of the valve
        EXPECT_EQ(dlg.m_nTubeY, stopped + 200);

        // Rows 1 to 7, each typed and confirmed, half by Return, half by OK.
        for (int row = 1; row < 8; ++row) {
            char level[16];
            std::snprintf(level, sizeof level, "%d,%d", 50 + row, row);
            const double water = dlg.m_dWaterTemp;
            AnswerLevel(level, row % 2 == 0);
            Click(window, IDC_ANOTACIO); // "Anotació"
            ASSERT_EQ(dlg.m_nCount, row + 1);
            EXPECT_EQ(dlg.m_dLevel[row], 50 + row + row / 10.0);
            EXPECT_NEAR(dlg.m_dTemp[row], water, 0.05); // only the room's drift
            EXPECT_EQ(dlg.m_strPage, "-2-");
            if (row == 4)
                Click(window, IDC_REFREDAR_AIGUA); // "Refredar Aigua" between two rows
        }
        EXPECT_LT(dlg.m_dTemp[5], dlg.m_dTemp[4] - 1.9);
        EXPECT_EQ(EnabledButtons(window),
                  (V{IDC_ESCALFAR_AIGUA, IDC_REFREDAR_AIGUA, IDC_ANOTACIO}));

        // Page 2 of the notebook, in the window, lists the eight rows.
        const Surface page = PageBackground();
        for (int row = 0; row < 8; ++row) {
            CString line;
            line.Format("%5.1f       %4.1f", dlg.m_dTemp[row], dlg.m_dLevel[row]);
            EXPECT_EQ(TextMismatch(Bench::ShownPicture(window), page, kNotebookTable, 442,
                                   91 + 22 * row, line),
                      0)
                << "row " << row << " \"" << line.str() << "\"";
        }
        EXPECT_EQ(Bench::WindowMismatch(window, dlg), 0);
        Bench::SavePicture(window, "e2e-procedure.png");
        EXPECT_EQ(unexpectedDialogs, 0);
    });
}
