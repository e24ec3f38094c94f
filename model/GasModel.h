// One step of each relaxation the clock runs.
#pragma once

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
