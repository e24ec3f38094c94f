// Heating, cooling and filling the bath: steps from draws and the limits a
// click may not reach.
#include <gtest/gtest.h>

#include <cmath>

#include "model/WaterTemperature.h"

namespace {
TEST(WaterTemperatureTest, ClicksStopShortOfEightyAndMinusFifteen)
{
    // 76.5 + 10 x 0.35 is exactly 80: refused; 0.34 ends at 79.9.
    EXPECT_FALSE(HeatingAllowed(76.5, 0.35));
    EXPECT_TRUE(HeatingAllowed(76.5, 0.34));
    // -11 + 10 x -0.4 is exactly -15: refused.
    EXPECT_FALSE(CoolingAllowed(-11.0, -0.4));
    EXPECT_TRUE(CoolingAllowed(-11.0, -0.39));
    EXPECT_FALSE(HeatingAllowed(std::nan(""), 0.3));
    EXPECT_FALSE(CoolingAllowed(std::nan(""), -0.3));
}

TEST(WaterTemperatureTest, StepsAndTapWaterSpanTheirRanges)
{
    EXPECT_EQ(HeatingStepFromDraw(0), 0.2);
    EXPECT_DOUBLE_EQ(HeatingStepFromDraw(RAND_MAX_VALUE), 0.4);
    EXPECT_EQ(CoolingStepFromDraw(0), -0.2);
    EXPECT_DOUBLE_EQ(CoolingStepFromDraw(RAND_MAX_VALUE), -0.4);
    EXPECT_EQ(TapWaterFromDraw(0), 10.0);
    EXPECT_EQ(TapWaterFromDraw(RAND_MAX_VALUE), 20.0);

    // A hundred filling steps from the room's 24.4 degrees end on 13.7.
    double water = 24.4;
    const double step = BathFillStep(13.7, water);
    for (int i = 0; i < kBathFillSteps; ++i)
        water += step;
    EXPECT_NEAR(water, 13.7, 1e-9);
}
} // namespace
