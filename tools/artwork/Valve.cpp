// The stopcock seen from the front: grey sleeves to the column above, the
// tube on the left and the column below, a grey ring, a dark red plug and the
// red key across it carrying a white T that shows the bore. Frame 0 is open
// (key vertical, T arms up, down and right); each frame turns it 18 degrees
// clockwise, to frame 5, closed (key horizontal, arms left, right and down).
#include "Artwork.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr int kSize = 50;
constexpr double kCentre = 25.5; // centre of pixel (25, 25)

// Sleeves: 15 px like the glass they join, columns 18..32 at the top and
// bottom edges, rows 18..32 at the left edge.
constexpr double kSleeveFrom = 18.0;
constexpr double kSleeveTo = 33.0;

constexpr double kRingOuter = 18.5;
constexpr double kRingInner = 13.0;
constexpr double kKeyHalfLength = 15.0; // plus the rounded ends: reaches 20
constexpr double kKeyHalfWidth = 5.0;
constexpr double kMarkLength = 10.5;
constexpr double kMarkHalfWidth = 1.5;

double Clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

QColor MetalAt(double fromLit, double fromDark)
{
    if (fromLit < 1.0 || fromDark < 1.0) {
        return kMetalDark;
    }
    const double stripe = std::fabs(fromLit - 3.5);
    if (stripe < 1.5) {
        return Mix(kMetalLight, kMetalMid, stripe / 3.0);
    }
    return Mix(kMetalMid, kMetalDark, Clamp01((3.5 - fromDark) / 4.0));
}

std::optional<QColor> Sleeves(double x, double y)
{
    const bool acrossColumn = x >= kSleeveFrom && x < kSleeveTo;
    const bool acrossRow = y >= kSleeveFrom && y < kSleeveTo;
    // A raised collar a couple of pixels in from each edge, one pixel wider
    // than the sleeve, marks where the glass is ground into the stopcock.
    const bool collarColumn = x >= kSleeveFrom - 1 && x < kSleeveTo + 1;
    const bool collarRow = y >= kSleeveFrom - 1 && y < kSleeveTo + 1;
    const bool topCollar = collarColumn && y >= 3 && y < 5;
    const bool bottomCollar = collarColumn && y >= kSize - 5 && y < kSize - 3;
    const bool leftCollar = collarRow && x >= 3 && x < 5;
    if (topCollar || bottomCollar) {
        return MetalAt(x - (kSleeveFrom - 1), (kSleeveTo + 1) - x);
    }
    if (leftCollar) {
        return MetalAt(y - (kSleeveFrom - 1), (kSleeveTo + 1) - y);
    }
    if (acrossColumn && (y < kCentre - kRingInner || y >= kCentre + kRingInner)) {
        return MetalAt(x - kSleeveFrom, kSleeveTo - x);
    }
    if (acrossRow && x < kCentre - kRingInner) {
        return MetalAt(y - kSleeveFrom, kSleeveTo - y);
    }
    return std::nullopt;
}

struct Frame {
    double ux, uy; // unit vector along the key, towards the top arm at frame 0
    double rx, ry; // unit vector towards the T's side arm (right at frame 0)
};

Frame FrameAt(int frame)
{
    const double a = frame * 18.0 * kPi / 180.0;
    // Clockwise on screen (y down): up (0, -1) turns towards right (1, 0).
    return {std::sin(a), -std::cos(a), std::cos(a), std::sin(a)};
}

// Distance from a point to the key's centre segment.
double KeyDistance(double px, double py, const Frame& f)
{
    const double along = px * f.ux + py * f.uy;
    const double across = px * f.rx + py * f.ry;
    return std::hypot(across, std::max(0.0, std::fabs(along) - kKeyHalfLength));
}

bool OnMark(double px, double py, const Frame& f)
{
    const double along = px * f.ux + py * f.uy;
    const double across = px * f.rx + py * f.ry;
    const bool stem = std::fabs(across) <= kMarkHalfWidth && std::fabs(along) <= kMarkLength;
    const bool arm =
        std::fabs(along) <= kMarkHalfWidth && across >= -kMarkHalfWidth && across <= kMarkLength;
    return stem || arm;
}

std::optional<QColor> Stopcock(double x, double y, const Frame& f)
{
    const double px = x - kCentre;
    const double py = y - kCentre;
    const double r = std::hypot(px, py);
    // Light from the upper left: +1 there, -1 at the lower right.
    const double lit = r > 0 ? -(px + py) / (r * std::sqrt(2.0)) : 0.0;

    if (OnMark(px, py, f)) {
        return QColor(255, 255, 255);
    }
    const double key = KeyDistance(px, py, f);
    if (key <= kKeyHalfWidth) {
        static const QColor keyDark(118, 12, 12);
        static const QColor keyRed(214, 34, 28);
        static const QColor keyLight(255, 132, 112);
        if (key > kKeyHalfWidth - 1.0) {
            return keyDark;
        }
        const double across = px * f.rx + py * f.ry;
        const double along = px * f.ux + py * f.uy;
        // The key's lit edge is the one facing the upper left.
        const double litSide = (f.rx + f.ry) < 0 ? across : -across;
        const double sheen = Clamp01(1.0 - std::fabs(litSide - 2.4) / 1.3);
        QColor c = Mix(keyRed, keyDark, Clamp01((-litSide - 1.0) / 5.0));
        if (std::fabs(along) < kKeyHalfLength + 2.0) {
            c = Mix(c, keyLight, 0.75 * sheen);
        }
        return c;
    }
    // The key's shadow falls on the plug and the ring, down and to the right.
    const bool shadow = KeyDistance(px - 1.6, py - 1.6, f) <= kKeyHalfWidth;
    if (r < kRingInner) {
        static const QColor plugDark(92, 14, 16);
        static const QColor plugLight(176, 48, 42);
        QColor c = Mix(plugDark, plugLight, Clamp01(0.5 + 0.5 * lit * (r / kRingInner)));
        if (r > kRingInner - 1.0) {
            c = Mix(c, QColor(60, 8, 10), 0.6);
        }
        return shadow ? Mix(c, QColor(40, 0, 0), 0.45) : c;
    }
    if (r < kRingOuter) {
        if (r > kRingOuter - 1.0 || r < kRingInner + 0.8) {
            return kMetalDark;
        }
        const double bevel = (r - kRingInner) / (kRingOuter - kRingInner);
        QColor c = Mix(kMetalMid, kMetalLight, Clamp01(0.5 + 0.5 * lit));
        if (bevel < 0.3) {
            c = Mix(c, kMetalDark, 0.25); // the ring's inner slope
        }
        return shadow ? Mix(c, kMetalDark, 0.5) : c;
    }
    return Sleeves(x, y);
}

} // namespace

QImage DrawValve(int frame)
{
    QImage image = NewPicture(kSize, kSize);
    const Frame f = FrameAt(frame);
    PaintSampled(image, QRect(0, 0, kSize, kSize),
                 [&f](double x, double y) { return Stopcock(x, y, f); });
    return image;
}

} // namespace artwork
