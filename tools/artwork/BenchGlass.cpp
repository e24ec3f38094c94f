// The glass of the bench: the stopper with its bent tube, the straight tubes
// and the funnel-shaped open mouth. Straight tubes are drawn pixel by pixel
// with their edges on pixel boundaries, because the program lays copies of
// them end to end and against each other.
#include "Artwork.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

// Stopper picture (43 x 104). The tube is 15 px thick like every bench tube:
// its horizontal run fills rows 0..14 up to the right edge, where the
// horizontal tube picture continues it; its vertical run fills columns
// 13..27 (axis x 20, the axis of the bottle's neck). A quarter bend of outer
// radius 19 joins the two.
constexpr int kStopperW = 43;
constexpr int kStopperH = 104;
constexpr int kTubeThick = 15;
constexpr double kBendX = 32.0;
constexpr double kBendY = 19.0;
constexpr double kBendOuter = 19.0;
constexpr double kBendInner = kBendOuter - kTubeThick;
constexpr double kAxis = 20.5; // centre of column 20
constexpr double kCollarTop = 33.0;
constexpr double kCollarBottom = 43.0;
constexpr double kCollarHalf = 20.5; // columns 0..40
constexpr double kConeTopHalf = 17.5;
constexpr double kConeBottomHalf = 10.5; // columns 10..30 in the last row

// Rubber, shaded as a cylinder lit from the upper left.
QColor Rubber(double u)
{
    static const QColor dark(96, 38, 30);
    static const QColor mid(170, 74, 54);
    static const QColor light(222, 132, 100);
    const double lit = std::max(0.0, 1.0 - std::pow((u - 0.36) / 0.62, 2.0));
    QColor c = Mix(dark, mid, std::min(1.0, lit * 1.4));
    if (u > 0.22 && u < 0.34) {
        c = Mix(c, light, 1.0 - std::fabs(u - 0.28) / 0.06);
    }
    return c;
}

std::optional<QColor> StopperBody(double x, double y)
{
    if (y >= kCollarTop && y < kCollarBottom) {
        const double edge = std::fabs(x - kAxis);
        // Rounded upper corners of the collar.
        const double cornerX = edge - (kCollarHalf - 2.0);
        const double cornerY = (kCollarTop + 2.0) - y;
        if (edge >= kCollarHalf ||
            (cornerX > 0 && cornerY > 0 && std::hypot(cornerX, cornerY) > 2.0)) {
            return std::nullopt;
        }
        QColor c = Rubber((x - (kAxis - kCollarHalf)) / (2 * kCollarHalf));
        if (y < kCollarTop + 1.5) {
            c = Mix(c, QColor(236, 160, 128), 0.45); // lit top face
        } else if (y > kCollarBottom - 1.5) {
            c = Mix(c, QColor(60, 20, 16), 0.45); // shadow under the collar
        }
        return c;
    }
    if (y >= kCollarBottom && y < kStopperH) {
        const double t = (y - kCollarBottom) / (kStopperH - kCollarBottom);
        const double half = kConeTopHalf + (kConeBottomHalf - kConeTopHalf) * t;
        if (std::fabs(x - kAxis) >= half) {
            return std::nullopt;
        }
        QColor c = Rubber((x - (kAxis - half)) / (2 * half));
        if (std::fabs(x - kAxis) > half - 0.8) {
            c = Mix(c, QColor(70, 26, 20), 0.5); // outline
        }
        return c;
    }
    return std::nullopt;
}

std::optional<QColor> Bend(double x, double y)
{
    if (x >= kBendX || y >= kBendY) {
        return std::nullopt;
    }
    const double d = std::hypot(x - kBendX, y - kBendY);
    if (d < kBendInner || d >= kBendOuter) {
        return std::nullopt;
    }
    // The outer side of the bend is the top of the horizontal run and the
    // left of the vertical one: the lit side of both.
    return GlassAt(kBendOuter - d, d - kBendInner);
}

} // namespace

QImage DrawStopper()
{
    QImage image = NewPicture(kStopperW, kStopperH);
    FillHorizontalTube(image, int(kBendX), 0, kStopperW - int(kBendX), kTubeThick);
    PaintSampled(image, QRect(0, 0, int(kBendX), int(kBendY)), Bend);
    FillVerticalTube(image, int(kBendX - kBendOuter), int(kBendY), kTubeThick,
                     int(kCollarTop) - int(kBendY) + 1);
    PaintSampled(image, QRect(0, int(kCollarTop), kStopperW, kStopperH - int(kCollarTop)),
                 StopperBody);
    return image;
}

QImage DrawTubeH()
{
    QImage image = NewPicture(95, 15);
    FillHorizontalTube(image, 0, 0, 95, 15);
    return image;
}

QImage DrawTubeV()
{
    QImage image = NewPicture(15, 285);
    FillVerticalTube(image, 0, 0, 15, 285);
    return image;
}

QImage DrawLeftBranch()
{
    // Columns 2..16 are the glass, as wide as the valve column above it.
    QImage image = NewPicture(19, 236);
    FillVerticalTube(image, 2, 0, 15, 236);
    return image;
}

namespace {

// Funnel picture (33 x 19): a rolled lip three rows high across the full
// width, then a trumpet narrowing to 17 px (columns 8..24) in the last row,
// centred on column 16 like the tube it sits on.
constexpr int kFunnelW = 33;
constexpr int kFunnelH = 19;
constexpr double kFunnelCentre = 16.5;
constexpr double kLipRows = 3.0;

double FunnelHalfWidth(double y)
{
    if (y < kLipRows) {
        return 16.5;
    }
    const double t = std::min(1.0, (y - kLipRows) / (kFunnelH - kLipRows - 0.5));
    return 8.5 + 7.0 * std::pow(1.0 - t, 2.2);
}

std::optional<QColor> Funnel(double x, double y)
{
    const double half = FunnelHalfWidth(y);
    const double left = x - (kFunnelCentre - half);
    const double right = (kFunnelCentre + half) - x;
    if (left < 0 || right < 0) {
        return std::nullopt;
    }
    if (y < kLipRows) {
        if (left < 1.0 || right < 1.0 || y < 1.0) {
            return kGlassOutline;
        }
        return y < 2.0 ? kGlassHighlight : kGlassWallDark;
    }
    return GlassAt(left, right);
}

} // namespace

QImage DrawFunnel()
{
    QImage image = NewPicture(kFunnelW, kFunnelH);
    PaintSampled(image, QRect(0, 0, kFunnelW, kFunnelH), Funnel);
    return image;
}

} // namespace artwork
