// The bottle: a round-bottomed flask of clear glass, neck up. Its neck is
// centred on column 54 so that, raised to y 200 on the bench, it takes the
// lower part of the stopper's cone; its last rows stay bench colour because
// the rising animation moves it up a row at a time without erasing.
#include "Artwork.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr int kWidth = 109;
constexpr int kHeight = 152;
constexpr double kAxis = 54.5; // centre of column 54

// Lip: rows 0..3, columns 35..73. Neck: columns 37..71.
constexpr double kLipHalf = 19.5;
constexpr double kLipBottom = 4.0;
constexpr double kNeckHalf = 17.5;
constexpr double kNeckBottom = 56.0; // well inside the sphere

// The bulb: centre (54.5, 98), radius 50, so its lowest point is y 148.
constexpr double kBulbX = kAxis;
constexpr double kBulbY = 98.0;
constexpr double kBulbR = 50.0;

// Fillets of radius 6 round the shoulders where the neck meets the bulb.
constexpr double kFilletR = 6.0;
constexpr double kNeckFadeFrom = 38.0;
constexpr double kNeckHighlightEnd = 54.0;

struct FilletGeometry {
    double centreY;
    double endY;
};

FilletGeometry Fillet()
{
    const double dx = kNeckHalf + kFilletR;
    const double reach = kBulbR + kFilletR;
    const double centreY = kBulbY - std::sqrt(reach * reach - dx * dx);
    const double endY = kBulbY + (centreY - kBulbY) * kBulbR / reach;
    return {centreY, endY};
}

double Clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

// How far a point lies inside the flask (negative outside).
double Depth(double x, double y)
{
    const double off = std::fabs(x - kAxis);
    double depth = kBulbR - std::hypot(x - kBulbX, y - kBulbY);
    if (y >= kLipBottom && y < kNeckBottom) {
        depth = std::max(depth, kNeckHalf - off);
    }
    static const FilletGeometry fillet = Fillet();
    const double filletX = kNeckHalf + kFilletR;
    if (y >= fillet.centreY && y <= fillet.endY && off >= kNeckHalf && off < filletX) {
        depth = std::max(depth, std::hypot(off - filletX, y - fillet.centreY) - kFilletR);
    }
    return depth;
}

QColor BulbInterior(double x, double y)
{
    static const QColor inner(216, 247, 238);
    static const QColor outer(178, 224, 218);
    const double r = std::hypot(x - 38.0, y - 80.0) / 75.0;
    QColor c = Mix(inner, outer, Clamp01(r * r * 1.3));

    const double dx = x - kBulbX;
    const double dy = y - kBulbY;
    const double d = std::hypot(dx, dy);
    double angle = std::atan2(dy, dx) * 180.0 / kPi;
    if (angle < 0) {
        angle += 360.0;
    }
    // Window reflection: a bright arc on the upper left of the bulb.
    if (angle > 186.0 && angle < 258.0 && d > 38.0 && d < 44.5) {
        const double along = std::min(angle - 186.0, 258.0 - angle) / 12.0;
        const double across = std::min(d - 38.0, 44.5 - d) / 1.2;
        c = Mix(c, QColor(255, 255, 255), Clamp01(along) * Clamp01(across));
    }
    // A small specular spot below the arc.
    const double spot = std::hypot((x - 31.0) / 3.2, (y - 84.0) / 4.5);
    if (spot < 1.0) {
        c = Mix(c, kGlassHighlight, Clamp01((1.0 - spot) * 2.5));
    }
    // Light coming back through the glass on the lower right.
    if (angle > 15.0 && angle < 80.0 && d > 44.0 && d < 46.5) {
        const double along = std::min(angle - 15.0, 80.0 - angle) / 15.0;
        c = Mix(c, kGlassSoftHighlight, 0.8 * Clamp01(along));
    }
    return c;
}

std::optional<QColor> Flask(double x, double y)
{
    const double off = std::fabs(x - kAxis);
    if (y < kLipBottom) {
        if (off >= kLipHalf) {
            return std::nullopt;
        }
        if (off > kLipHalf - 1.0 || y < 1.0 || y >= 3.0) {
            return kGlassOutline;
        }
        return y < 2.0 ? kGlassHighlight : kGlassWallLight;
    }
    const double depth = Depth(x, y);
    if (depth < 0) {
        return std::nullopt;
    }
    const QColor neck = GlassAt(x - (kAxis - kNeckHalf), (kAxis + kNeckHalf) - x);
    if (y < kNeckFadeFrom) {
        // The neck is a wide tube, shaded like every other tube.
        return neck;
    }
    if (y < kNeckHighlightEnd && off < kNeckHalf - 1.0) {
        // Down the shoulder the neck's shading fades into the bulb's.
        const double t = (y - kNeckFadeFrom) / (kNeckHighlightEnd - kNeckFadeFrom);
        return Mix(neck, BulbInterior(x, y), t);
    }
    if (depth < 1.0) {
        return kGlassOutline;
    }
    if (depth < 2.2) {
        // Thicker glass at the rim of the bulb: darker away from the light.
        const double lit = Clamp01(0.5 - (x - kBulbX + y - kBulbY) / (4 * kBulbR));
        return Mix(kGlassWallDark, kGlassWallLight, lit);
    }
    if (depth < 3.2) {
        return Mix(BulbInterior(x, y), kGlassHighlight, 0.35);
    }
    return BulbInterior(x, y);
}

} // namespace

QImage DrawBottle()
{
    QImage image = NewPicture(kWidth, kHeight);
    // Rows 149..151 stay bench colour: the bulb ends at y 148.
    PaintSampled(image, QRect(0, 0, kWidth, 149), Flask);
    return image;
}

} // namespace artwork
