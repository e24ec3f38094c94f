// The columns of the back buffer the manometer's mercury stands on. The
// model needs them for the side gauge's U-bend, the view draws on them.
#pragma once

namespace Bench {
// The axes of the two branches' 7-px mercury columns; the right one is also
// the axis of the 23-px hose at the right branch's foot.
constexpr int kLeftMercuryX = 260;
constexpr int kRightMercuryX = 358;
// The axes of the side gauge's two 9-px hoses, joined below by its U-bend;
// the gauge's 2-px mercury lines are drawn one column left of each.
constexpr int kGaugeLeftHoseX = 509;
constexpr int kGaugeRightHoseX = 557;
} // namespace Bench
