#include "model/ManometerGeometry.h"

#include <cmath>

#include "model/ManometerAxes.h"
#include "model/Truncate.h"

namespace {
// With the right branch's top at row 60 the two surfaces stand level at row
// 250, one row below the lower reference mark; the level moves half as far
// as the branch.
constexpr int kLevelTubeY = 60;
constexpr int kLevelRow = 250;
// Each surface moves 1.25 px per mmHg of difference, one up and one down:
// they part by 2.5 px per mmHg.
constexpr double kPxPerMmHg = 1.25;
// The side gauge is the apparatus at scale 0.36. Its small right branch
// stands with its top at row 51 when the large one stands at kLevelTubeY.
constexpr double kGaugeScale = 0.36;
constexpr double kGaugeTubeYAtLevel = 51.0;
// The gauge's level and its U-bend move half as far as its small branch,
// counted from row 50, the top of the gauge's picture: with that offset
// added, the gauge's surfaces stand level at row 125 and its U-bend starts
// at row 276.
constexpr int kGaugeTop = 50;
constexpr int kGaugeLevelRow = 125;
constexpr int kGaugeBendRow = 276;
// The gauge's surfaces move 1.25 x 0.36 px per mmHg: the double that product
// gives, just below 0.45 (0.45 itself puts a gauge surface one row off at
// some differences, 340 mmHg among them).
constexpr double kGaugePxPerMmHg = kPxPerMmHg * kGaugeScale;
static_assert(kGaugePxPerMmHg == 0.44999999999999996, "the product's own double, not 0.45");
// The right surface keeps at least 20 rows below the right branch's top.
constexpr int kMouthMargin = 20;
// The left surface keeps at or below row 168, just under the valve.
constexpr int kHighestLeftSurface = 168;
// The U-bend is a half circle of radius 24.5 px from the gauge's left hose,
// through eight points 24.75 degrees apart.
constexpr double kBendRadius = 24.5;
constexpr double kBendStep = 0.43196898986862503;
} // namespace

bool MercuryStandsLevel(const ExperimentState& s)
{
    return s.m_nValveFrame == IDB_VALVE_OPEN || !s.m_bBottleClosed;
}

ManometerGeometry ComputeManometer(int tubeY, double pressureDiff)
{
    ManometerGeometry g{};
    g.w = (tubeY - kLevelTubeY) / 2 + kLevelRow;
    const double h = kPxPerMmHg * pressureDiff;
    g.R = TruncToInt(g.w - h);
    g.L = TruncToInt(g.w + h);
    g.Yg = TruncToInt(kGaugeTubeYAtLevel + kGaugeScale * (tubeY - kLevelTubeY));
    g.B = (g.Yg - kGaugeTop) / 2;
    g.Y0 = g.B + kGaugeBendRow;
    g.M = g.B + kGaugeLevelRow;
    const double d = kGaugePxPerMmHg * pressureDiff;
    g.Rg = TruncToInt(g.M - d);
    g.Lg = TruncToInt(g.M + d);
    return g;
}

Spill CheckSpills(ExperimentState& s, ManometerGeometry& g)
{
    if (g.R - s.m_nTubeY >= kMouthMargin) {
        s.m_bOverflowWarned = false;
    } else if (s.m_bOverflowWarned) {
        g.R = s.m_nTubeY + kMouthMargin;
    } else {
        s.m_bOverflowWarned = true;
        return Spill::Overflow;
    }
    if (g.L >= kHighestLeftSurface) {
        s.m_bInflowWarned = false;
    } else if (s.m_bInflowWarned) {
        g.L = kHighestLeftSurface;
    } else {
        s.m_bInflowWarned = true;
        return Spill::Inflow;
    }
    return Spill::None;
}

void UBendPoint(int i, int y0, int& x, int& y)
{
    const double a = i * kBendStep;
    x = TruncToInt(Bench::kGaugeLeftHoseX + kBendRadius * (1 - std::cos(a)));
    y = TruncToInt(y0 + kBendRadius * std::sin(a));
}
