// The application icon's drawing, shared by the pixel-by-pixel 32-pixel
// icon and the smooth desktop sizes: where the band, the glass, the mercury,
// the flask and the stopper stand on a 32-unit square.
#pragma once

#include <QRgb>

#include <cstddef>
#include <vector>

namespace artwork {

const std::vector<QRgb>& IconPalette();

namespace icon {

// The icon's 16 colours, in the order of IconPalette().
enum Ink {
    kBlack,
    kMaroon,
    kGreen,
    kOlive,
    kNavy,
    kPurple,
    kTeal,
    kSilver,
    kGrey,
    kRed,
    kLime,
    kYellow,
    kBlue,
    kFuchsia,
    kAqua,
    kWhite,
};

inline QRgb InkColour(Ink ink)
{
    return IconPalette()[std::size_t(ink)];
}

// Whole pixels of the 32-pixel icon; a rectangle spans x0..x1, y0..y1.
struct Rect {
    int x0, y0, x1, y1; // inclusive
};

struct Layout {
    int size;
    int bandTop, bandBottom;
    Rect tubes[5];                 // glass tubes, outline included
    bool vertical[5];              // which way each tube runs (for its highlight)
    Rect mouth;                    // rim of the U-tube's open right branch
    int mercuryLeft, mercuryRight; // top rows of the mercury in each branch
    Rect mercuryBottom;            // inside of the U's bottom
    Rect neck;
    double bulbX, bulbY, bulbR;
    Rect stopper;
};

// The tubes run from the flask's neck up, across, down the U-tube's left
// branch, along its bottom and up its right branch.
inline constexpr Layout kLarge = {
    32,
    11,
    27,
    {{7, 2, 10, 10}, {7, 2, 22, 5}, {19, 2, 22, 29}, {19, 26, 29, 29}, {26, 6, 29, 29}},
    {true, false, true, false, true},
    {25, 5, 30, 6},
    19,
    14,
    {20, 27, 28, 28},
    {6, 10, 11, 16},
    8.5,
    21.5,
    7.5,
    {5, 8, 12, 10},
};

} // namespace icon
} // namespace artwork
