#include <cmath>

#include "support/BenchPoints.h"
#include "support/TervanFixture.h"

namespace {
class ClockTest : public StartedFixture {
  protected:
    // A click inside the valve's circle: it starts turning, closed if it was
    // open and open if it was closed.
    void ClickValve() { backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kValveX, Client::kValveY); }
};

TEST_F(ClockTest, GasFollowsTheConstantVolumeLaw)
{
    // Air shut in at 20 degrees under 760 mmHg and warmed to 40 degrees
    // presses with 760 x 313.15 / 293.15 = 811.85 mmHg.
    dlg->m_dAtmPressure = 760.0;
    dlg->m_dGasTemp = 20.0;
    ClickValve(); // closes
    backend.Advance(150);
    ClickValve(); // opens: the air is at the atmosphere's pressure again
    backend.Advance(150);
    ClickValve();
    backend.Advance(150);
    ASSERT_EQ(dlg->m_nValveFrame, IDB_VALVE_CLOSED);
    backend.Click(*dlg, IDC_ANOTA_VALORS_INICIALS);
    backend.Click(*dlg, IDC_TANCA_BOTELLA); // the gas timer starts
    dlg->m_dGasTemp = 40.0;
    dlg->m_dWaterTemp = 40.0;
    backend.Advance(50);
    EXPECT_NEAR(dlg->m_dGasPressure, 811.85, 0.001);
    EXPECT_NEAR(dlg->m_dPressureDiff, 51.85, 0.001);
}

// Each timer's period, read right after the real event that starts it: the
// window's opening, a click in the valve's circle, "Tanca Botella".
TEST_F(ClockTest, EachTimerStartsWithItsPeriodOnWhatStartsIt)
{
    EXPECT_EQ(backend.TimerPeriod(*dlg, CTervanDlg::kDriftTimer), 3000u);
    ClickValve();
    EXPECT_EQ(backend.TimerPeriod(*dlg, CTervanDlg::kValveTimer), 30u);
    backend.Advance(150);
    backend.Click(*dlg, IDC_ANOTA_VALORS_INICIALS);
    backend.Click(*dlg, IDC_TANCA_BOTELLA);
    EXPECT_EQ(backend.TimerPeriod(*dlg, CTervanDlg::kGasTimer), 50u);
}

TEST_F(ClockTest, TwoValveClicksCloseThenOpenWithANewRatio)
{
    const double ratio = dlg->m_dGasConstant;
    ClickValve();
    for (int frame = IDB_VALVE_OPEN + 1; frame <= IDB_VALVE_CLOSED; ++frame) {
        backend.Advance(30);
        EXPECT_EQ(dlg->m_nValveFrame, frame);
    }
    EXPECT_FALSE(dlg->m_bValveMoving);
    EXPECT_FALSE(backend.IsTimerRunning(*dlg, CTervanDlg::kValveTimer));
    EXPECT_EQ(dlg->m_dGasConstant, ratio); // closing fixes nothing

    dlg->m_dGasTemp = 35.0;
    dlg->m_dGasPressure = 800.0;
    ClickValve();
    for (int frame = IDB_VALVE_CLOSED - 1; frame >= IDB_VALVE_OPEN; --frame) {
        backend.Advance(30);
        EXPECT_EQ(dlg->m_nValveFrame, frame);
    }
    EXPECT_FALSE(dlg->m_bValveMoving);
    EXPECT_EQ(dlg->m_dGasPressure, dlg->m_dAtmPressure);
    EXPECT_DOUBLE_EQ(dlg->m_dGasConstant, dlg->m_dAtmPressure / (35.0 + 273.15));

    // A late tick of timer 1 after the valve has stopped changes nothing.
    const ExperimentState before = *dlg;
    backend.Send(*dlg, WM_TIMER, CTervanDlg::kValveTimer);
    EXPECT_EQ(dlg->m_nValveFrame, before.m_nValveFrame);
    EXPECT_EQ(dlg->m_dGasConstant, before.m_dGasConstant);
    backend.Send(*dlg, WM_TIMER, 7);
    EXPECT_EQ(dlg->m_dWaterTemp, before.m_dWaterTemp);
}

TEST_F(ClockTest, DriftTickShowsAJitterItNeverKeeps)
{
    dlg->m_dWaterTemp = dlg->m_dRoomTemp - 10.0;
    const double expected = dlg->m_dWaterTemp + 0.0165284;
    double shown = 0.0;
    backend.onClientUpdated = [&](CWnd&) { shown = dlg->m_dWaterTemp; };
    ScriptDraws({32767});
    backend.Advance(3000);
    EXPECT_NEAR(dlg->m_dWaterTemp, expected, 1e-9);
    EXPECT_GE(shown, dlg->m_dWaterTemp);
    EXPECT_LE(shown, dlg->m_dWaterTemp + 0.1 + 1e-12);
    EXPECT_GT(shown, dlg->m_dWaterTemp + 0.099);
}

TEST_F(ClockTest, HeatingAndCoolingStopShortOfTheirLimits)
{
    dlg->KillTimer(2); // no drift towards the room in between
    dlg->m_dWaterTemp = 76.5;
    EXPECT_FALSE(dlg->HeatWater(0.35));
    EXPECT_EQ(dlg->m_dWaterTemp, 76.5);
    EXPECT_TRUE(dlg->HeatWater(0.34));
    EXPECT_NEAR(dlg->m_dWaterTemp, 79.9, 1e-9);
    dlg->m_dWaterTemp = -11.0;
    EXPECT_FALSE(dlg->CoolWater(-0.4));
    EXPECT_EQ(dlg->m_dWaterTemp, -11.0);

    // Through the buttons: a draw of 24576 makes a step above 0.35 at 76.5.
    dlg->m_dWaterTemp = 76.5;
    ScriptDraws({24576, 22937});
    backend.Send(*dlg, WM_COMMAND, MAKEWPARAM(IDC_ESCALFAR_AIGUA, BN_CLICKED));
    EXPECT_EQ(dlg->m_dWaterTemp, 76.5);
    const std::int64_t before = backend.NowMs();
    backend.Send(*dlg, WM_COMMAND, MAKEWPARAM(IDC_ESCALFAR_AIGUA, BN_CLICKED));
    EXPECT_NEAR(dlg->m_dWaterTemp, 79.9, 1e-4);
    EXPECT_EQ(backend.NowMs() - before, 1000); // ten steps of 100 ms
    ScriptDraws({0});
    backend.Send(*dlg, WM_COMMAND, MAKEWPARAM(IDC_REFREDAR_AIGUA, BN_CLICKED));
    EXPECT_NEAR(dlg->m_dWaterTemp, 77.9, 1e-4);
}

TEST_F(ClockTest, HundredStepRampEndsOnItsTargetFrameByFrame)
{
    const int copiesBefore = backend.ClientUpdates(*dlg);
    const double target = 13.7;
    dlg->RampWaterTemp((target - dlg->m_dWaterTemp) * 0.01, 100);
    EXPECT_NEAR(dlg->m_dWaterTemp, target, 1e-9);
    EXPECT_EQ(backend.ClientUpdates(*dlg) - copiesBefore, 100);
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(ClockTest, RampReportsAnUnselectableBackBufferAndGoesOn)
{
    const double start = dlg->m_dWaterTemp;
    Faults::Arm(GdiOp::SelectBitmap, 1);
    dlg->RampWaterTemp(0.5, 10);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, "error 1034");
    EXPECT_EQ(backend.MessageBoxes()[0].caption, "Tervan");
    EXPECT_NEAR(dlg->m_dWaterTemp, start + 5.0, 1e-9);
}

TEST_F(ClockTest, OpenValveHidesTheDifferenceUntilItCloses)
{
    dlg->m_bBottleClosed = true;
    dlg->m_dWaterTemp = dlg->m_dGasTemp + 20.0;
    dlg->SetTimer(CTervanDlg::kGasTimer, CTervanDlg::kGasTimerMs);
    const double startPressure = dlg->m_dGasPressure;
    backend.Advance(5000);
    EXPECT_GT(dlg->m_dGasPressure, startPressure + 1.0);
    EXPECT_EQ(dlg->m_dPressureDiff, 0.0);
    ClickValve();
    backend.Advance(150);
    EXPECT_EQ(dlg->m_nValveFrame, IDB_VALVE_CLOSED);
    backend.Advance(50);
    EXPECT_NEAR(dlg->m_dPressureDiff, dlg->m_dGasPressure - dlg->m_dAtmPressure, 1e-9);
    EXPECT_GT(dlg->m_dPressureDiff, 1.0);
}

TEST_F(ClockTest, TicksDueDuringARampArriveOnceAfterIt)
{
    dlg->m_bBottleClosed = true;
    dlg->SetTimer(CTervanDlg::kGasTimer, CTervanDlg::kGasTimerMs);
    const double gasBefore = dlg->m_dGasTemp;
    dlg->m_dWaterTemp = gasBefore + 10.0;
    // The heating click holds the thread for 1 s while timer 3 falls due
    // twenty times: the gas takes exactly one step afterwards.
    backend.Send(*dlg, WM_COMMAND, MAKEWPARAM(IDC_ESCALFAR_AIGUA, BN_CLICKED));
    EXPECT_DOUBLE_EQ(dlg->m_dGasTemp, gasBefore + 0.004 * (dlg->m_dWaterTemp - gasBefore));
}

TEST_F(ClockTest, NoSequenceOfTicksAndRampsLeavesANonFiniteValue)
{
    Random::SetSource({});
    Random::Seed(7);
    dlg->m_bBottleClosed = true;
    dlg->SetTimer(CTervanDlg::kGasTimer, CTervanDlg::kGasTimerMs);
    for (int i = 0; i < 300; ++i) {
        switch (Random::Draw() % 5) {
        case 0:
            backend.Send(*dlg, WM_COMMAND, MAKEWPARAM(IDC_ESCALFAR_AIGUA, BN_CLICKED));
            break;
        case 1:
            backend.Send(*dlg, WM_COMMAND, MAKEWPARAM(IDC_REFREDAR_AIGUA, BN_CLICKED));
            break;
        case 2:
            ClickValve(); // ignored while the valve turns
            break;
        default:
            backend.Advance(Random::Draw() % 4000);
            break;
        }
        for (double v : {dlg->m_dWaterTemp, dlg->m_dGasTemp, dlg->m_dGasPressure,
                         dlg->m_dGasConstant, dlg->m_dPressureDiff}) {
            ASSERT_TRUE(std::isfinite(v)) << "step " << i;
        }
        ASSERT_GT(dlg->m_dWaterTemp, -15.0);
        ASSERT_LT(dlg->m_dWaterTemp, 80.0);
        ASSERT_GE(dlg->m_nValveFrame, IDB_VALVE_OPEN);
        ASSERT_LE(dlg->m_nValveFrame, IDB_VALVE_CLOSED);
    }
}
} // namespace
