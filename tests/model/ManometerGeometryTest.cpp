// Where the mercury and the side gauge's parts stand, and the two spill
// latches: pure functions of the state, tested without a window.
#include <gtest/gtest.h>

#include <cmath>

#include "model/ManometerGeometry.h"

namespace {
TEST(ManometerGeometryTest, QuantitiesTruncateTowardZero)
{
    for (int tube : {59, 60, 61})
        EXPECT_EQ(ComputeManometer(tube, 0).w, 250) << tube;
    EXPECT_EQ(ComputeManometer(57, 0).w, 249);
    const int yg[][2] = {{-300, -78}, {320, 144}, {85, 60}, {35, 42}};
    for (auto [tube, expected] : yg)
        EXPECT_EQ(ComputeManometer(tube, 0).Yg, expected) << tube;
    const ManometerGeometry low = ComputeManometer(-300, 0);
    EXPECT_EQ(low.B, -64);
    EXPECT_EQ(low.Y0, 212);
    EXPECT_EQ(low.M, 61);
    const ManometerGeometry high = ComputeManometer(320, 0);
    EXPECT_EQ(high.B, 47);
    EXPECT_EQ(high.Y0, 323);
    EXPECT_EQ(high.M, 172);
    const int bend[8][2] = {{509, 0},  {511, 10}, {517, 18}, {526, 23},
                            {537, 24}, {547, 20}, {554, 12}, {557, 2}};
    for (int i = 0; i < 8; ++i) {
        int x = 0, y = 0;
        UBendPoint(i, 300, x, y);
        EXPECT_EQ(x, bend[i][0]) << i;
        EXPECT_EQ(y - 300, bend[i][1]) << i;
    }
    EXPECT_EQ(ComputeManometer(100, std::nan("")).R, 0); // defined, never UB
}

// The gauge's surfaces move by the double 1.25 x 0.36 gives, just below
// 0.45: at 340 mmHg that is a hair under 153 rows, where 0.45 gives 153.
TEST(ManometerGeometryTest, GaugeSurfacesMoveByTheScaledDoubleBelowPointFortyFive)
{
    const ManometerGeometry g = ComputeManometer(-81, 340.0);
    ASSERT_EQ(g.Yg, 0);
    ASSERT_EQ(g.M, 100);
    EXPECT_EQ(g.Lg, 252);
    EXPECT_EQ(g.Rg, -52);
    EXPECT_EQ(g.L, g.w + 425); // 1.25 px per mmHg on the large branches
    EXPECT_EQ(g.R, g.w - 425);
}

TEST(ManometerGeometryTest, MercuryStandsLevelUntilTheBottleAndTheValveAreClosed)
{
    ExperimentState s; // the valve open, the bottle open
    EXPECT_TRUE(MercuryStandsLevel(s));
    s.m_bBottleClosed = true;
    EXPECT_TRUE(MercuryStandsLevel(s));
    for (int frame = IDB_VALVE_OPEN + 1; frame <= IDB_VALVE_CLOSED; ++frame) {
        s.m_nValveFrame = frame; // turning, or closed
        EXPECT_FALSE(MercuryStandsLevel(s)) << frame;
    }
    s.m_bBottleClosed = false;
    EXPECT_TRUE(MercuryStandsLevel(s));
}

// The latches as a sequence of calls sees them: warn once, clamp while set,
// clear once safe.
TEST(ManometerGeometryTest, SpillLatchesWarnOnceClampThenClear)
{
    ExperimentState s;
    s.m_nTubeY = 100; // w 270
    auto check = [&s](double diff, int& R, int& L) {
        ManometerGeometry g = ComputeManometer(s.m_nTubeY, diff);
        const Spill spill = CheckSpills(s, g);
        R = g.R;
        L = g.L;
        return spill;
    };
    int R = 0, L = 0;
    EXPECT_EQ(check(120.0, R, L), Spill::None); // R 120: 20 below the mouth is safe
    EXPECT_EQ(check(120.8, R, L), Spill::Overflow);
    EXPECT_TRUE(s.m_bOverflowWarned);
    EXPECT_EQ(check(130.0, R, L), Spill::None); // latched: held 20 below
    EXPECT_EQ(R, 120);
    EXPECT_EQ(check(0.0, R, L), Spill::None);
    EXPECT_FALSE(s.m_bOverflowWarned);

    s.m_nTubeY = -104; // w 168: L 168 is safe
    EXPECT_EQ(check(0.0, R, L), Spill::None);
    s.m_nTubeY = -106; // L 167
    EXPECT_EQ(check(0.0, R, L), Spill::Inflow);
    EXPECT_TRUE(s.m_bInflowWarned);
    EXPECT_EQ(check(0.0, R, L), Spill::None);
    EXPECT_EQ(L, 168);
}
} // namespace
