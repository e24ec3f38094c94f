// Colours and geometry of the bench picture shared by the scene, the
// manometer and the animations.
#pragma once

#include "platform/Types.h"

namespace Scene {
constexpr COLORREF kBench = RGB(215, 255, 215);
constexpr COLORREF kBlue = RGB(0, 128, 192);
constexpr COLORREF kBrown = RGB(128, 64, 64);
constexpr COLORREF kWaterBlue = RGB(85, 200, 255);
constexpr COLORREF kProbe = RGB(0, 20, 20);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kHose = RGB(255, 189, 157);
constexpr COLORREF kMercury = RGB(173, 173, 173);
constexpr COLORREF kHighlight = RGB(240, 240, 240);
constexpr COLORREF kMark = RGB(128, 64, 64);

// The water bath: bench top, container walls, inner edge of the glass and the
// thermometer probe hanging into it; the water is 100 dotted lines.
constexpr int kWaterLines = 100;
inline int WaterLineY(int j)
{
    return 370 - 2 * j;
}
inline int WaterLineX(int j)
{
    return j % 2 == 0 ? 50 : 54;
}
} // namespace Scene
