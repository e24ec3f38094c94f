#include "view/ManometerGeometry.h"

#include <cmath>

namespace {
// Truncation toward zero that stays defined for values no state can hold.
int Trunc(double v)
{
    if (!(v > -1e9))
        return v != v ? 0 : -1000000000;
    if (v > 1e9)
        return 1000000000;
    return static_cast<int>(v);
}
} // namespace

ManometerGeometry ComputeManometer(int tubeY, double pressureDiff)
{
    ManometerGeometry g{};
    // 1.25 px per mmHg each way: the surfaces part by 2.5 px per mmHg.
    g.w = (tubeY - 60) / 2 + 250;
    const double h = 1.25 * pressureDiff;
    g.R = Trunc(g.w - h);
    g.L = Trunc(g.w + h);
    // The side gauge is the apparatus at scale 0.36.
    g.Yg = Trunc(51.0 + 0.36 * (tubeY - 60));
    g.B = (g.Yg - 50) / 2;
    g.Y0 = g.B + 276;
    g.M = g.B + 125;
    const double d = 0.44999999999999996 * pressureDiff;
    g.Rg = Trunc(g.M - d);
    g.Lg = Trunc(g.M + d);
    return g;
}

Spill CheckSpills(int tubeY, ManometerGeometry& g, SpillLatches& latches)
{
    // The right surface keeps 20 rows below the branch's mouth.
    if (g.R - tubeY >= 20) {
        latches.overflowWarned = false;
    } else if (latches.overflowWarned) {
        g.R = tubeY + 20;
    } else {
        latches.overflowWarned = true;
        return Spill::Overflow;
    }
    // The left surface keeps below row 168, just under the valve.
    if (g.L >= 168) {
        latches.inflowWarned = false;
    } else if (latches.inflowWarned) {
        g.L = 168;
    } else {
        latches.inflowWarned = true;
        return Spill::Inflow;
    }
    return Spill::None;
}

void UBendPoint(int i, int y0, int& x, int& y)
{
    const double a = i * 0.43196898986862503; // steps of 24.75 degrees
    x = Trunc(509 + 24.5 * (1 - std::cos(a)));
    y = Trunc(y0 + 24.5 * std::sin(a));
}
