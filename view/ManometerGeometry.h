// Where the mercury and the side gauge's parts stand for a position of the
// right branch and a pressure difference. Integer division truncates toward
// zero, and reals become integers by truncation toward zero.
#pragma once

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

// Point i (0..7) of the gauge's U-bend below row y0.
void UBendPoint(int i, int y0, int& x, int& y);
