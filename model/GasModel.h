// The air shut in the bottle and the water around it: how each follows the
// other, and how the air's pressure follows its temperature at constant
// volume.
#pragma once

#include "platform/Random.h"

// Kelvin = Celsius + 273.15 everywhere (not 273).
constexpr double kKelvinOffset = 273.15;

// The water closes 0.00165284 of its gap to the room per 3-s tick
// (half-life about 21 minutes).
inline double DriftedWaterTemp(double water, double room)
{
    return water + 0.00165284 * (room - water);
}

// The enclosed air closes 0.004 of its gap to the water per 50-ms tick
// (half-life about 8.6 s).
inline double RelaxedGasTemp(double gas, double water)
{
    return gas + 0.004 * (water - gas);
}

// The ratio P / T(K) of air at `pressure` (mmHg) and `tempC` degrees. Fixed
// at start-up and again each time the valve finishes opening, it sets how
// steeply the shut-in air's pressure then follows its temperature.
inline double GasConstantFor(double pressure, double tempC)
{
    return pressure / (tempC + kKelvinOffset);
}

// The shut-in air's pressure, mmHg, at `tempC` degrees with the ratio fixed
// when the valve last finished opening.
inline double GasPressureAt(double tempC, double gasConstant)
{
    return (tempC + kKelvinOffset) * gasConstant;
}

// What the thermometer adds to the water for one redraw, from a draw r in
// 0..32767: 0 to 0.1 degrees, upward only, so its last digit flickers.
inline double ThermometerJitter(int r)
{
    return 0.1 * r / RAND_MAX_VALUE;
}
