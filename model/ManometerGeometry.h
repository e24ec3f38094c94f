// Where the mercury and the side gauge's parts stand for a position of the
// right branch and a pressure difference. Integer division truncates toward
// zero, and reals become integers by truncation toward zero.
#pragma once

#include "model/ExperimentState.h"

struct ManometerGeometry {
    int w;  // row of both surfaces at zero difference
    int R;  // row of the right-branch surface
    int L;  // row of the left-branch surface
    int Yg; // top row of the gauge's small right branch
    int B;  // gauge offset
    int Y0; // row where the gauge's left hose joins the U-bend
    int M;  // row of both gauge surfaces at zero difference
    int Rg; // row of the gauge's right surface
    int Lg; // row of the gauge's left surface
};

ManometerGeometry ComputeManometer(int tubeY, double pressureDiff);

// While the valve stands open, or before the bottle is closed, the air in
// the bottle is the room's: the mercury stands level whatever difference
// the clock last worked out, and the manometer sets that difference to 0.
bool MercuryStandsLevel(const ExperimentState& s);

// The two spill checks, each a latch: the first call in which a surface
// comes too near a tube end warns and sets the latch; while it is set the
// surface is held at its limit; the first safe call clears it. The right
// branch is checked first, and a call warns of one spill at most.
// Overflow: the right surface near the right branch's open mouth; inflow:
// the left surface near the valve, about to enter the bottle.
enum class Spill { None, Overflow, Inflow };
// Checks the surfaces of `g` for the state's right branch, updates the
// state's two latches and clamps g.R or g.L where a set latch holds them.
// Returns the warning to show, if any; the surfaces are then not drawn.
Spill CheckSpills(ExperimentState& s, ManometerGeometry& g);

// Point i (0..7) of the gauge's U-bend below row y0.
void UBendPoint(int i, int y0, int& x, int& y);
