#include "model/ManometerGeometry.h"

#include <cmath>

#include "model/Truncate.h"

ManometerGeometry ComputeManometer(int tubeY, double pressureDiff)
{
    ManometerGeometry g{};
    // 1.25 px per mmHg each way: the surfaces part by 2.5 px per mmHg.
    g.w = (tubeY - 60) / 2 + 250;
    const double h = 1.25 * pressureDiff;
    g.R = TruncToInt(g.w - h);
    g.L = TruncToInt(g.w + h);
    // The side gauge is the apparatus at scale 0.36.
    g.Yg = TruncToInt(51.0 + 0.36 * (tubeY - 60));
    g.B = (g.Yg - 50) / 2;
    g.Y0 = g.B + 276;
    g.M = g.B + 125;
    const double d = 0.44999999999999996 * pressureDiff;
    g.Rg = TruncToInt(g.M - d);
    g.Lg = TruncToInt(g.M + d);
    return g;
}

Spill CheckSpills(ExperimentState& s, ManometerGeometry& g)
{
    // The right surface keeps 20 rows below the branch's mouth.
    if (g.R - s.m_nTubeY >= 20) {
        s.m_bOverflowWarned = false;
    } else if (s.m_bOverflowWarned) {
        g.R = s.m_nTubeY + 20;
    } else {
        s.m_bOverflowWarned = true;
        return Spill::Overflow;
    }
    // The left surface keeps below row 168, just under the valve.
    if (g.L >= 168) {
        s.m_bInflowWarned = false;
    } else if (s.m_bInflowWarned) {
        g.L = 168;
    } else {
        s.m_bInflowWarned = true;
        return Spill::Inflow;
    }
    return Spill::None;
}

void UBendPoint(int i, int y0, int& x, int& y)
{
    const double a = i * 0.43196898986862503; // steps of 24.75 degrees
    x = TruncToInt(509 + 24.5 * (1 - std::cos(a)));
    y = TruncToInt(y0 + 24.5 * std::sin(a));
}
