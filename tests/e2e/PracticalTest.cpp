// A whole practical through the real window, as a careful student does it:
// every level is read off the window's pixels against the drawn ruler, and
// before each reading the right branch is dragged until the left surface is
// back on the row it had when the initial level was noted. The graph page
// must then show the fit of the noted rows, and its intercept must lie where
// the drawn apparatus puts absolute zero.
#include <QElapsedTimer>
#include <vector>

#include "BenchStudent.h"
#include "model/GraphData.h"
#include "model/LinearFit.h"

namespace {
// The window's clock runs ten times as fast: a 50 ms gas tick comes every
// 5 ms, so the whole practical takes seconds rather than minutes.
constexpr double kTimeScale = 0.1;
// After a heating click of 2 to 4 degrees the gas closes 0.4 % of its gap
// per tick: after about 500 ticks it is within 0.4 degree, and the last
// tenth would take another 340. A student waits for the first; the waits
// are bounded generously, in real ms, for a slow machine.
constexpr double kNotedGap = 0.4;
constexpr int kGasWaitMs = 20000;
// While cooling the student notes after about 60 ticks, wherever the gas is.
constexpr int kCoolingWaitMs = 300;

// The ruler as drawn: a long tick every 12 rows from row 0 (column 340
// carries no other tick), and a number on every second one, falling by one
// per 24 rows from `rulerTop` at row 0; a number one off does not match.
void ExpectRulerAsDrawn(DialogWindow& window, int rulerTop)
{
    std::string wrongRows;
    for (int y = 0; y < 400; ++y)
        if ((Bench::Shown(window, 340, y) == Bench::kRulerBlue) != (y % 12 == 0 && y <= 396))
            wrongRows += " " + std::to_string(y);
    EXPECT_EQ(wrongRows, "") << "rows of column 340 where the ticks are not as drawn";
    const Surface bench(600, 400, Bench::kBench);
    for (int k = 1; k <= 3; ++k) {
        CString number, wrong;
        number.Format("%2d", rulerTop - k);
        wrong.Format("%2d", rulerTop - k + 1);
        // Cut at column 333, where the ticks start.
        EXPECT_EQ(TextMismatch(Bench::ShownPicture(window), bench, kRulerNumbers, 321, 24 * k - 5,
                               number, 333),
                  0)
            << "number " << number.str();
        EXPECT_GT(TextMismatch(Bench::ShownPicture(window), bench, kRulerNumbers, 321, 24 * k - 5,
                               wrong, 333),
                  0);
    }
}

// Both surfaces as the window shows them agree with the state's geometry.
void ExpectSurfacesAsState(DialogWindow& window, CTervanDlg& dlg)
{
    const ManometerGeometry g = ComputeManometer(dlg.m_nTubeY, dlg.m_dPressureDiff);
    EXPECT_EQ(Bench::LeftTop(window), g.L - Bench::kCapRows) << "tube " << dlg.m_nTubeY;
    EXPECT_EQ(Bench::RightTop(window), g.R - Bench::kCapRows) << "tube " << dlg.m_nTubeY;
}
} // namespace
class PracticalTest : public BenchStudent {};

TEST_F(PracticalTest, PracticalOfACarefulStudentReadOffTheWindow)
{
    QElapsedTimer clock;
    clock.start();
    backend->SetTimeScale(kTimeScale);
    RunProgram([&](CTervanDlg& dlg, DialogWindow& window) {
        Click(window, IDC_ANOTA_VALORS_INICIALS);
        Click(window, IDC_TANCA_BOTELLA);
        ASSERT_TRUE(dlg.m_bBottleClosed);

        // The initial level: the valve is open, so both surfaces stand level.
        ExpectRulerAsDrawn(window, dlg.m_nRulerTop);
        const int leftMark = Bench::LeftTop(window);
        const int rightStart = Bench::RightTop(window);
        ASSERT_GT(leftMark, 0);
        EXPECT_EQ(rightStart, leftMark);
        ExpectSurfacesAsState(window, dlg);
        const std::string initial = Bench::LevelText(dlg.m_nRulerTop, rightStart);
        AnswerLevel(initial, true);
        Click(window, IDC_ANOTA_NIVELL_INICIAL);
        ASSERT_EQ(dlg.m_nCount, 1);
        EXPECT_EQ(dlg.m_strInitialLevel, (initial + " cm").c_str());

        ClickClient(window, Client::kValveX, Client::kValveY); // the valve shuts the air in
        ASSERT_TRUE(WaitUntil(
            [&] { return dlg.m_nValveFrame == IDB_VALVE_CLOSED && !dlg.m_bValveMoving; }));
        Click(window, IDC_SUBMERGIR_BOTELLA);
        ASSERT_TRUE(dlg.m_bSubmerged);

        // The tap water is colder than the air still at room temperature:
        // first warm the bath back up to the air and let the two meet.
        for (int k = 0; k < 8 && dlg.m_dWaterTemp < dlg.m_dGasTemp - 1.0; ++k)
            Click(window, IDC_ESCALFAR_AIGUA);
        WaitForGas(dlg, window, kNotedGap, kGasWaitMs);

        std::vector<double> lags;
        for (int row = 1; row <= 10; ++row) {
            Click(window, IDC_ESCALFAR_AIGUA);
            lags.push_back(WaitForGas(dlg, window, kNotedGap, kGasWaitMs));
            ASSERT_TRUE(Relevel(window, leftMark)) << "row " << row;
            ExpectSurfacesAsState(window, dlg);
            const int right = Bench::RightTop(window);
            ASSERT_GE(right, 0); // still on the ruler
            AnswerLevel(Bench::LevelText(dlg.m_nRulerTop, right), row % 2 == 0);
            Click(window, IDC_ANOTACIO);
            ASSERT_EQ(dlg.m_nCount, row + 1);
        }
        for (double lag : lags)
            std::printf("gas behind the water when noted: %.2f degrees\n", lag);

        // The graph page: row 10 opened page 3; from the cover, page 4 is
        // three pages on.
        EXPECT_EQ(dlg.m_strPage, "-3-");
        Click(window, IDC_PAGE_FIRST);
        for (int k = 0; k < 3; ++k)
            Click(window, IDC_PAGE_NEXT);
        ASSERT_EQ(dlg.m_strPage, "-4-");
        double p[ExperimentState::kMaxRows] = {};
        RowPressures(dlg, p);
        double a = 0.0, b = 0.0;
        LinearFit(p, dlg.m_dTemp, 0, dlg.m_nCount - 1, b, a);
        CString equation, wrong;
        equation.Format("T(ºC) = %5.3f P  %+3.0f", a, b);
        wrong.Format("T(ºC) = %5.3f P  %+3.0f", a + 0.01, b);
        // Drawn over the empty page, the right equation covers the window's
        // pixels exactly; a slope off in its second decimal does not. (The
        // intercept's last two digits run off the picture's right edge.)
        const Surface page = PageBackground();
        EXPECT_EQ(TextMismatch(Bench::ShownPicture(window), page, kNotebookGraph, 486, 147,
                               equation, 598),
                  0)
            << equation.str();
        EXPECT_GT(
            TextMismatch(Bench::ShownPicture(window), page, kNotebookGraph, 486, 147, wrong, 598),
            0);
        EXPECT_EQ(Bench::WindowMismatch(window, dlg), 0);
        Bench::SavePicture(window, "e2e-practical-graph.png");

        // The surfaces part by 2.5 px per mmHg and the student reads them on
        // a ruler of 24 px per cm, i.e. as 10 mmHg per 24 px: the noted
        // pressures rise 25/24 as fast as the gas's. Over the gas's kelvin
        // temperatures, which start from the room's when the valve shut, the
        // line therefore meets zero pressure at (T_room + 273.15)/25 - 273.15.
        const double expected = (dlg.m_dRoomTemp + 273.15) / 25.0 - 273.15;
        std::printf("absolute zero: estimated %.2f (drawn %s), the apparatus puts it at %.2f\n", b,
                    equation.str().c_str(), expected);
        // Each row's pressure is read to 1 mmHg (a millimetre of level) and
        // the surfaces stand on whole rows (0.4 mmHg each), about 0.4 degree
        // in all, plus the gas's lag of about as much; the line is carried
        // from 760..840 mmHg down to zero, which multiplies a row's error
        // roughly ten times over the eleven rows. 7 degrees still tells this
        // apparatus's zero from the gas law's own -273.15, 12 degrees away.
        EXPECT_NEAR(b, expected, 7.0);
        EXPECT_NEAR(a, 24.0 / 25.0 / dlg.m_dGasConstant, 0.02);

        // Cooling: three rows more fill the notebook's fourteen.
        for (int row = 11; row < ExperimentState::kMaxRows; ++row) {
            Click(window, IDC_REFREDAR_AIGUA);
            WaitForGas(dlg, window, 0.0, kCoolingWaitMs);
            ASSERT_TRUE(Relevel(window, leftMark)) << "row " << row;
            AnswerLevel(Bench::LevelText(dlg.m_nRulerTop, Bench::RightTop(window)), true);
            Click(window, IDC_ANOTACIO);
            ASSERT_EQ(dlg.m_nCount, row + 1);
            EXPECT_LT(dlg.m_dTemp[row], dlg.m_dTemp[row - 1]);
        }
        EXPECT_EQ(dlg.m_strPage, "-3-");
        // A fifteenth "Anotació" opens no dialog and changes nothing.
        Click(window, IDC_ANOTACIO);
        EXPECT_EQ(dlg.m_nCount, ExperimentState::kMaxRows);
        EXPECT_EQ(dlg.m_strPage, "-3-");
        EXPECT_TRUE(window.Control(IDC_ANOTACIO)->isEnabled());
        EXPECT_EQ(unexpectedDialogs, 0);
    });
    std::printf("practical through the window: %.0f s\n", clock.elapsed() / 1000.0);
}
