// The enclosed air and the water, step by step, without a window.
#include <gtest/gtest.h>

#include "model/GasModel.h"

namespace {
TEST(GasModelTest, AirShutInAt20DegreesPressesHarderAt40)
{
    // 760 mmHg at 20 degrees: 760 / 293.15 mmHg per kelvin; at 40 degrees
    // the same air presses with 760 x 313.15 / 293.15 = 811.8506 mmHg.
    const double ratio = GasConstantFor(760.0, 20.0);
    EXPECT_NEAR(ratio, 2.5925294, 1e-7);
    EXPECT_NEAR(GasPressureAt(40.0, ratio), 811.8506, 1e-4);
    EXPECT_DOUBLE_EQ(GasPressureAt(20.0, ratio), 760.0); // back where it was shut in
    EXPECT_DOUBLE_EQ(GasPressureAt(-273.15, ratio), 0.0);
}

TEST(GasModelTest, WaterAndAirCloseTheirGapsByTheirRates)
{
    EXPECT_NEAR(DriftedWaterTemp(10.0, 20.0), 10.0165284, 1e-12);
    EXPECT_EQ(DriftedWaterTemp(20.0, 20.0), 20.0);
    EXPECT_NEAR(RelaxedGasTemp(20.0, 30.0), 20.04, 1e-12);
    // The thermometer's flicker: 0 to 0.1 degrees, upward only.
    EXPECT_EQ(ThermometerJitter(0), 0.0);
    EXPECT_DOUBLE_EQ(ThermometerJitter(RAND_MAX_VALUE), 0.1);
    EXPECT_NEAR(ThermometerJitter(16384), 0.05, 1e-5);
}
} // namespace
