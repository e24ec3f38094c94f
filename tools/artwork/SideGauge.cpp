// The side gauge: the whole apparatus at about a third of its size, with the
// flask submerged in its bath. Its small left branch (columns 85..91) runs
// from a flared mouth at the top through the closed valve (rows 30..39) to
// the bottom edge, where the program joins the hose and the U-bend; the
// small right branch is a picture of its own that the program moves.
#include "Artwork.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr int kWidth = 99;
constexpr int kHeight = 170;
constexpr double kBranchAxis = 88.5; // columns 85..91
constexpr double kValveY = 35.0;     // rows 30..39
constexpr int kBranchFrom = 85;
constexpr int kBranchWidth = 7;

const QColor kWallBlue(0, 128, 192);
const QColor kWaterBlue(85, 200, 255);
const QColor kShelf(128, 64, 64);

// A tube's flared mouth: lip rows 0..1 at the full width, then narrowing to
// the tube's 7 px by `length` rows.
std::optional<QColor> SmallMouth(double x, double y, double centre, double lipHalf, double length)
{
    double half = lipHalf;
    if (y >= 2.0) {
        const double t = std::min(1.0, (y - 2.0) / (length - 2.0));
        half = 3.5 + (lipHalf - 1.0 - 3.5) * std::pow(1.0 - t, 1.8);
    }
    const double left = x - (centre - half);
    const double right = (centre + half) - x;
    if (left < 0 || right < 0) {
        return std::nullopt;
    }
    if (y < 2.0) {
        return y < 1.0 || left < 1.0 || right < 1.0 ? kGlassOutline : kGlassHighlight;
    }
    return GlassAt(left, right);
}

void DrawFlask(QPainter& p)
{
    // Stopper: collar and cone, the cone going into the neck.
    p.setPen(QPen(QColor(84, 30, 24), 0.8));
    p.setBrush(QColor(170, 74, 54));
    p.drawRect(QRectF(32.6, 44.0, 14.6, 3.6));
    QPainterPath cone;
    cone.moveTo(33.6, 47.6);
    cone.lineTo(46.2, 47.6);
    cone.lineTo(43.7, 60.0);
    cone.lineTo(36.1, 60.0);
    cone.closeSubpath();
    p.drawPath(cone);

    // The flask: neck and bulb as one outline of glass.
    QPainterPath flask;
    flask.addRect(QRectF(33.6, 56.0, 12.6, 22.0));
    flask.addEllipse(QPointF(39.9, 92.2), 18.0, 18.0);
    flask = flask.simplified();
    QRadialGradient tint(34.0, 86.0, 22.0);
    tint.setColorAt(0.0, QColor(232, 252, 246, 200));
    tint.setColorAt(1.0, QColor(176, 224, 220, 200));
    p.setBrush(tint);
    p.setPen(QPen(kGlassOutline, 1.0));
    p.drawPath(flask);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(26.5, 78.8, 26.8, 26.8), 120 * 16, 70 * 16);
    p.drawLine(QPointF(35.6, 58.0), QPointF(35.6, 73.0));
}

void DrawBath(QPainter& p)
{
    // The bench top under the bath, as the big picture has it.
    p.setPen(Qt::NoPen);
    p.setBrush(kShelf);
    p.drawRoundedRect(QRectF(-6.0, 119.0, 82.0, 9.5), 4.0, 4.0);
    p.setBrush(QColor(168, 100, 96));
    p.drawRect(QRectF(0.0, 119.0, 74.0, 1.2));

    // Water, a little darker towards the bottom.
    QLinearGradient water(0, 46.0, 0, 118.0);
    water.setColorAt(0.0, QColor(85, 200, 255, 120));
    water.setColorAt(1.0, QColor(40, 150, 230, 150));
    p.setBrush(water);
    p.drawRect(QRectF(13.0, 46.5, 54.0, 71.5));
    p.setPen(QPen(kWaterBlue, 1.0));
    p.drawLine(QPointF(14.0, 46.5), QPointF(66.0, 46.5));

    // Container walls and the inner edge of the glass.
    QPainterPath walls;
    walls.moveTo(13.0, 40.5);
    walls.lineTo(13.0, 118.0);
    walls.lineTo(67.0, 118.0);
    walls.lineTo(67.0, 40.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kWallBlue, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(walls);
    p.setPen(QPen(kWaterBlue, 0.9));
    p.drawPath(walls.translated(1.9, -0.9));
}

void DrawConnectingTube(QPainter& p)
{
    // From the stopper up, round a bend, across to the valve.
    QPainterPath tube;
    tube.moveTo(39.9, 45.0);
    tube.lineTo(39.9, 41.0);
    tube.quadTo(39.9, kValveY, 46.0, kValveY);
    tube.lineTo(84.0, kValveY);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGlassOutline, 5.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(tube);
    p.setPen(QPen(kGlassBore, 3.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(tube);
    p.setPen(QPen(kGlassHighlight, 0.9, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(tube.translated(-0.9, -0.9));
}

void DrawValve(QPainter& p)
{
    // The valve closed, as it is while the bottle is submerged.
    const QPointF c(kBranchAxis, kValveY);
    p.setPen(QPen(kMetalDark, 0.8));
    p.setBrush(kMetalMid);
    p.drawEllipse(c, 4.8, 4.8);
    p.setBrush(QColor(150, 30, 28));
    p.drawEllipse(c, 3.0, 3.0);
    p.setPen(QPen(QColor(120, 14, 14), 0.7));
    p.setBrush(QColor(214, 34, 28));
    p.drawRoundedRect(QRectF(c.x() - 5.5, c.y() - 1.7, 11.0, 3.4), 1.7, 1.7);
    p.setPen(QPen(QColor(255, 255, 255), 0.9));
    p.drawLine(QPointF(c.x() - 3.0, c.y()), QPointF(c.x() + 3.0, c.y()));
    p.drawLine(c, QPointF(c.x(), c.y() + 3.0));
}

} // namespace

QImage DrawGauge()
{
    QImage image = NewPicture(kWidth, kHeight);
    FillVerticalTube(image, kBranchFrom, 8, kBranchWidth, kHeight - 8);
    PaintSampled(image, QRect(kBranchFrom - 3, 0, kBranchWidth + 6, 10),
                 [](double x, double y) { return SmallMouth(x, y, kBranchAxis, 6.5, 10.0); });
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawFlask(p);
    DrawBath(p);
    DrawConnectingTube(p);
    DrawValve(p);
    p.end();
    return image;
}

QImage DrawGaugeTube()
{
    // Body in columns 3..9; the mouth flares to the full 13 columns on top.
    QImage image = NewPicture(13, 170);
    FillVerticalTube(image, 3, 6, 7, 164);
    PaintSampled(image, QRect(0, 0, 13, 8),
                 [](double x, double y) { return SmallMouth(x, y, 6.5, 6.5, 8.0); });
    return image;
}

} // namespace artwork
