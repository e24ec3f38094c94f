// The numbers the notebook's graph page plots: each noted row's absolute
// pressure, and the chart's ranges around the rows.
#pragma once

#include "model/ExperimentState.h"

// Millimetres of mercury per centimetre of level: the ruler reads
// centimetres, the pressures are mmHg.
constexpr double kMmHgPerCm = 10.0;

// The absolute pressure, mmHg, of a row noted at `level` cm when the
// initial level was `initialLevel` cm: the atmosphere plus the mercury
// column between the two.
inline double RowPressure(double atmPressure, double level, double initialLevel)
{
    return atmPressure + kMmHgPerCm * (level - initialLevel);
}

// RowPressure of each of the state's noted rows, with the initial level read
// from the cover's text (0 when it holds no number); row 0 is the
// atmosphere itself.
void RowPressures(const ExperimentState& s, double pressures[ExperimentState::kMaxRows]);

// A chart range around `lo`..`hi`: 1.1 times their span, about their middle,
// so that no point sits on the frame.
inline void WidenedRange(double lo, double hi, double& from, double& to)
{
    from = (lo + hi) / 2 - 0.55 * (hi - lo);
    to = (lo + hi) / 2 + 0.55 * (hi - lo);
}
