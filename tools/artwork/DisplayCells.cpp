// Seven-segment cells of the digital thermometer: light teal segments on a
// dark teal face, the unlit segments faintly visible, slanted a little like
// a real readout. Each cell also carries its own unlit decimal point at
// columns 32..36, rows 44..48, where the lit point (a 5 x 5 picture) is
// drawn over it.
#include "Artwork.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr int kCellW = 37;
constexpr int kCellH = 50;

const QColor kFace(12, 44, 48);
const QColor kUnlit(30, 70, 74);
const QColor kLit(150, 255, 232);
const QColor kLitCore(214, 255, 246);

// Segment centre lines, before the slant.
constexpr double kLeft = 7.0;
constexpr double kRight = 28.0;
constexpr double kTop = 5.0;
constexpr double kMiddle = 24.5;
constexpr double kBottom = 44.0;
constexpr double kHalfThick = 2.4;
constexpr double kGap = 0.8;
constexpr double kSlant = 0.1; // x shift per pixel of height above the middle

// The decimal point: a round dot centred in its 5 x 5 square.
constexpr double kPointX = 34.5;
constexpr double kPointY = 46.5;
constexpr double kPointR = 2.3;

struct Segment {
    double x0, y0, x1, y1;
};

// a, b, c, d, e, f, g, in the bit order of DrawDigitCell.
const Segment kSegments[7] = {
    {kLeft, kTop, kRight, kTop},        {kRight, kTop, kRight, kMiddle},
    {kRight, kMiddle, kRight, kBottom}, {kLeft, kBottom, kRight, kBottom},
    {kLeft, kMiddle, kLeft, kBottom},   {kLeft, kTop, kLeft, kMiddle},
    {kLeft, kMiddle, kRight, kMiddle},
};

// How far inside a segment's hexagon the point lies (negative outside).
double SegmentDepth(const Segment& s, double x, double y)
{
    const double length = std::hypot(s.x1 - s.x0, s.y1 - s.y0);
    const double ux = (s.x1 - s.x0) / length;
    const double uy = (s.y1 - s.y0) / length;
    const double along = (x - s.x0) * ux + (y - s.y0) * uy;
    const double across = std::fabs(-(x - s.x0) * uy + (y - s.y0) * ux);
    const double toEnd = std::min(along - kGap, length - kGap - along);
    return std::min(kHalfThick - across, toEnd - across);
}

QColor CellColour(unsigned lit, bool pointLit, double x, double y)
{
    // Undo the slant: the top of the digit leans to the right.
    const double ux = x - (kMiddle - y) * kSlant;
    double litDepth = -100.0;
    double unlitDepth = -100.0;
    for (int i = 0; i < 7; ++i) {
        const double depth = SegmentDepth(kSegments[i], ux, y);
        if ((lit >> i) & 1u) {
            litDepth = std::max(litDepth, depth);
        } else {
            unlitDepth = std::max(unlitDepth, depth);
        }
    }
    const double pointDepth = kPointR - std::hypot(x - kPointX, y - kPointY);
    if (pointLit) {
        litDepth = std::max(litDepth, pointDepth);
    } else {
        unlitDepth = std::max(unlitDepth, pointDepth);
    }
    if (litDepth >= 0) {
        // Brighter along the middle of a lit segment.
        return Mix(kLit, kLitCore, std::min(1.0, litDepth / kHalfThick) * 0.8);
    }
    if (unlitDepth >= 0) {
        return kUnlit;
    }
    // A faint glow round the lit segments.
    if (litDepth > -1.5) {
        return Mix(kFace, kLit, 0.18 * (1.5 + litDepth) / 1.5);
    }
    return kFace;
}

} // namespace

unsigned DigitSegments(int digit)
{
    static const unsigned kDigits[10] = {
        0x3F, // 0: a b c d e f
        0x06, // 1: b c
        0x5B, // 2: a b d e g
        0x4F, // 3: a b c d g
        0x66, // 4: b c f g
        0x6D, // 5: a c d f g
        0x7D, // 6: a c d e f g
        0x07, // 7: a b c
        0x7F, // 8: all
        0x6F, // 9: a b c d f g
    };
    return kDigits[digit];
}

QImage DrawDigitCell(unsigned litSegments)
{
    QImage image = NewPicture(kCellW, kCellH, kFace);
    PaintSampled(image, QRect(0, 0, kCellW, kCellH), [litSegments](double x, double y) {
        return std::optional<QColor>(CellColour(litSegments, false, x, y));
    });
    return image;
}

QImage DrawLitPoint()
{
    // The same 5 x 5 square the cells show unlit at columns 32..36, rows 44..48.
    QImage image = NewPicture(5, 5, kFace);
    PaintSampled(image, QRect(0, 0, 5, 5), [](double x, double y) {
        return std::optional<QColor>(CellColour(0, true, x + 32.0, y + 44.0));
    });
    return image;
}

} // namespace artwork
