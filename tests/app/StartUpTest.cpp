#include <cmath>
#include <set>

#include "model/StartUp.h"
#include "support/TervanFixture.h"

namespace {
constexpr time_seconds kJanuary2027 = 1799323200; // 2027-01-07 12:00 UTC
constexpr time_seconds kJuly2026 = 1783425600;    // 2026-07-07 12:00 UTC

class StartUpTest : public TervanFixture {};

TEST_F(StartUpTest, LowestDrawsGiveTheLowerBounds)
{
    backend.SetEpoch(kJanuary2027);
    ScriptDraws({}, 0);
    Start();
    EXPECT_EQ(dlg->m_nTubeY, 80);
    EXPECT_DOUBLE_EQ(dlg->m_dAtmPressure, 750.0);
    EXPECT_EQ(dlg->m_nRulerTop, 50);
    EXPECT_NEAR(dlg->m_dRoomTemp, 17.13, 0.005);
    EXPECT_EQ(dlg->m_dWaterTemp, dlg->m_dRoomTemp);
    EXPECT_EQ(dlg->m_dGasTemp, dlg->m_dRoomTemp);
    EXPECT_EQ(dlg->m_dGasPressure, dlg->m_dAtmPressure);
    EXPECT_NEAR(dlg->m_dGasConstant * (dlg->m_dGasTemp + 273.15), dlg->m_dAtmPressure, 1e-9);
    EXPECT_EQ(dlg->m_strPage, "-1-");
    EXPECT_EQ(dlg->m_nCount, 0);
    EXPECT_EQ(dlg->m_nValveFrame, IDB_VALVE_OPEN);
    EXPECT_EQ(dlg->m_nValveStep, -1);
    EXPECT_EQ(dlg->m_nBottleY, 254);
    EXPECT_TRUE(backend.IsTimerRunning(*dlg, CTervanDlg::kDriftTimer));
    EXPECT_FALSE(backend.IsTimerRunning(*dlg, CTervanDlg::kValveTimer));
    EXPECT_FALSE(backend.IsTimerRunning(*dlg, CTervanDlg::kGasTimer));
}

TEST_F(StartUpTest, HighestDrawsGiveTheUpperBounds)
{
    backend.SetEpoch(kJuly2026);
    // The tenth discard draw of 0 skips the extra discards.
    ScriptDraws({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 32767);
    Start();
    EXPECT_EQ(dlg->m_nTubeY, 160);
    EXPECT_DOUBLE_EQ(dlg->m_dAtmPressure, 770.0);
    EXPECT_EQ(dlg->m_nRulerTop, 62);
    EXPECT_NEAR(dlg->m_dRoomTemp, 29.96, 0.005);
}

TEST_F(StartUpTest, DrawsAreTakenInTheirOrder)
{
    // Ten discards, then the branch, the room, the pressure and the ruler.
    ScriptDraws({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32767, 0, 32767, 0}, 0);
    Start();
    EXPECT_EQ(draws, 14);
    EXPECT_EQ(dlg->m_nTubeY, 160);
    EXPECT_DOUBLE_EQ(dlg->m_dAtmPressure, 770.0);
    EXPECT_EQ(dlg->m_nRulerTop, 50);
}

TEST_F(StartUpTest, MonthTableAndRoundingOfTheBranchAndRuler)
{
    const double lowest[] = {17.13, 19.74, 22.23, 24.43, 26.19, 27.40,
                             27.96, 27.85, 27.06, 25.66, 23.74, 21.42};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_NEAR(RoomTempFor(month, 0), lowest[month - 1], 0.005) << month;
        EXPECT_NEAR(RoomTempFor(month, 32767), lowest[month - 1] + 2.0, 0.005) << month;
    }
    EXPECT_EQ(TubeYFromDraw(32766), 159);
    EXPECT_EQ(RulerTopFromDraw(32766), 61);
    std::set<int> tubes;
    for (int r = 0; r <= 32767; ++r)
        tubes.insert(TubeYFromDraw(r));
    EXPECT_EQ(tubes.size(), 81u);
    EXPECT_EQ(*tubes.begin(), 80);
    EXPECT_EQ(*tubes.rbegin(), 160);
}

TEST_F(StartUpTest, DiscardRuleDrawsOneToTenMoreOnlyWhenTheTenthSaysSo)
{
    // 10 * 3276 / 32767 is 0: no extra draws.
    ScriptDraws({1, 2, 3, 4, 5, 6, 7, 8, 9, 3276}, 32767);
    EXPECT_EQ(DiscardDraws(), 10);
    // A high tenth value, then a draw of 0: one extra draw.
    ScriptDraws({0, 0, 0, 0, 0, 0, 0, 0, 0, 32767, 0}, 0);
    EXPECT_EQ(DiscardDraws(), 11);
    // Draws that keep saying 10 run to the tenth extra draw.
    ScriptDraws({}, 32767);
    EXPECT_EQ(DiscardDraws(), 20);
    // With 3277 (10 * 3277 / 32767 = 1) the first extra draw stops it.
    ScriptDraws({}, 3277);
    EXPECT_EQ(DiscardDraws(), 11);
}

TEST_F(StartUpTest, SameSecondSameStartAndTheGeneratorStaysInRange)
{
    Start();
    const ExperimentState first = *dlg;
    backend.Close(*dlg);
    Start();
    EXPECT_EQ(dlg->m_nTubeY, first.m_nTubeY);
    EXPECT_EQ(dlg->m_dRoomTemp, first.m_dRoomTemp);
    EXPECT_EQ(dlg->m_dAtmPressure, first.m_dAtmPressure);
    EXPECT_EQ(dlg->m_nRulerTop, first.m_nRulerTop);

    Random::Seed(12345);
    int lowest = 32767, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const int r = Random::Draw();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 32767);
    ScriptDraws({-5, 40000});
    EXPECT_EQ(Random::Draw(), 0);
    EXPECT_EQ(Random::Draw(), 32767);
}

TEST_F(StartUpTest, GasEditsStayEmptyUntilTimerThreeRuns)
{
    Start();
    EXPECT_EQ(backend.ControlText(*dlg, IDC_GAS_TEMP_C), "");
    backend.Advance(10000); // the drift timer only
    EXPECT_EQ(backend.ControlText(*dlg, IDC_GAS_TEMP_C), "");
    EXPECT_EQ(backend.ControlText(*dlg, IDC_GAS_TEMP_K), "");
    dlg->m_dGasTemp = 21.04;
    dlg->m_dWaterTemp = 21.04;
    dlg->SetTimer(CTervanDlg::kGasTimer, CTervanDlg::kGasTimerMs);
    backend.Advance(50);
    EXPECT_EQ(backend.ControlText(*dlg, IDC_GAS_TEMP_C), " 21.0");
    EXPECT_EQ(backend.ControlText(*dlg, IDC_GAS_TEMP_K), " 294.2");
}
} // namespace
