// How the student moves the water bath's temperature: a heating or cooling
// click is a ramp of ten random steps; submerging the bottle fills the bath
// with tap water in a ramp of a hundred.
#pragma once

#include "platform/Random.h"

// Steps of one heating or cooling click's ramp (100 ms each: one second).
constexpr int kClickRampSteps = 10;

// A click whose ramp would end at or above 80 degrees, or at or below -15,
// is refused: the bath can be taken no further.
constexpr double kHottestWater = 80.0;
constexpr double kColdestWater = -15.0;

// One step of a heating click, 0.2 to 0.4 degrees, from a draw r in 0..32767.
inline double HeatingStepFromDraw(int r)
{
    return 0.2 + 0.2 * r / RAND_MAX_VALUE;
}

// One step of a cooling click, -0.2 to -0.4 degrees.
inline double CoolingStepFromDraw(int r)
{
    return -0.2 - 0.2 * r / RAND_MAX_VALUE;
}

// Whether a heating click of `step` from `water` ends below the hottest
// water (a NaN never does).
inline bool HeatingAllowed(double water, double step)
{
    return water + kClickRampSteps * step < kHottestWater;
}

// Whether a cooling click of `step` from `water` ends above the coldest.
inline bool CoolingAllowed(double water, double step)
{
    return water + kClickRampSteps * step > kColdestWater;
}

// Steps of the ramp that fills the bath with tap water (ten seconds).
constexpr int kBathFillSteps = 100;

// The tap water's temperature, 10 to 20 degrees, from a draw r.
inline double TapWaterFromDraw(int r)
{
    return 10.0 + 10.0 * r / RAND_MAX_VALUE;
}

// One step of the filling ramp from `water` to `target`: a hundredth of the
// gap, so that the ramp ends on the target. Written as a product, as it
// always was: dividing by 100 rounds differently in the last bit.
inline double BathFillStep(double target, double water)
{
    return (target - water) * 0.01;
}
