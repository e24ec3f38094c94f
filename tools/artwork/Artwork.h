// Every picture the generator draws. Each returns a true-colour image of the
// exact size the program expects; ImageFiles turns it into its file.
#pragma once

#include <QImage>
#include <QRgb>

#include <map>
#include <vector>

namespace artwork {

// Bench glass (BenchGlass.cpp, Bottle.cpp).
QImage DrawStopper();    // 134
QImage DrawBottle();     // 135
QImage DrawTubeH();      // 136
QImage DrawFunnel();     // 143
QImage DrawTubeV();      // 144
QImage DrawLeftBranch(); // 166

// The stopcock, `frame` 0 (open, 137) to 5 (closed, 142), 18 degrees apart.
QImage DrawValve(int frame);

// Seven-segment cells (DisplayCells.cpp). Segment bits: a = 1 (top),
// b = 2 (upper right), c = 4 (lower right), d = 8 (bottom), e = 16 (lower
// left), f = 32 (upper left), g = 64 (middle).
QImage DrawDigitCell(unsigned litSegments);
unsigned DigitSegments(int digit);
QImage DrawLitPoint(); // 157

QImage DrawThermometer();  // 145
QImage DrawNotebookPage(); // 171
QImage DrawGauge();        // 163
QImage DrawGaugeTube();    // 165
QImage DrawTitle();        // 167
QImage DrawStopSign();     // 169
QImage DrawBanner();       // 172

// The application icon, transparent around the band: 16 or 32 pixels square
// pixel by pixel in the classic 16 colours, larger sizes (48 and up) in the
// same colours with smooth edges.
QImage DrawIcon(int size);
QImage DrawSmoothIcon(int size);
const std::vector<QRgb>& IconPalette();

// The bench as the program composes it, from the finished pictures (as
// their files hold them), for the README.
QImage ComposeBench(const std::map<int, QImage>& pictures, bool withNotebook);

} // namespace artwork
