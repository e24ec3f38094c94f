// Pictures of the dialogs and the main window's frame: the stop sign of the
// warning dialog and the banner under the bench.
#include "Artwork.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr int kSignSize = 71;
constexpr double kSignCentre = 35.5;
constexpr double kApothem = 34.0; // flat sides at x 1.5 and 69.5

// How far inside the octagon a point lies (negative outside).
double OctagonDepth(double x, double y)
{
    const double dx = std::fabs(x - kSignCentre);
    const double dy = std::fabs(y - kSignCentre);
    const double diagonal = (kApothem * std::sqrt(2.0) - dx - dy) / std::sqrt(2.0);
    return std::min({kApothem - dx, kApothem - dy, diagonal});
}

std::optional<QColor> StopSign(double x, double y)
{
    const double depth = OctagonDepth(x, y);
    if (depth < 0) {
        return std::nullopt;
    }
    if (depth < 1.6) {
        return QColor(150, 16, 20); // the sign's dark outer edge
    }
    if (depth < 4.8) {
        return QColor(255, 255, 255); // white rim
    }
    // Red face, a touch lighter towards the top.
    const double t = std::min(1.0, std::max(0.0, (y - 6.0) / 60.0));
    QColor face = Mix(QColor(228, 36, 36), QColor(186, 14, 20), t);
    if (depth < 5.8) {
        face = Mix(face, QColor(120, 0, 6), 0.5);
    }
    return face;
}

} // namespace

QImage DrawStopSign()
{
    QImage image = NewPicture(kSignSize, kSignSize, QColor(255, 255, 255));
    PaintSampled(image, QRect(0, 0, kSignSize, kSignSize), StopSign);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(MakeFont(SansBoldFamily(), 19, true));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRect(0, 0, kSignSize, kSignSize), Qt::AlignCenter, "STOP");
    p.end();
    return image;
}

namespace {

// A small flask in outline, the emblem at the banner's left end.
void DrawBannerFlask(QPainter& p, double x, double y)
{
    QPainterPath flask;
    flask.moveTo(x - 2.0, y);
    flask.lineTo(x - 2.0, y + 5.0);
    flask.arcTo(QRectF(x - 7.0, y + 4.0, 14.0, 14.0), 112.0, 316.0);
    flask.lineTo(x + 2.0, y);
    p.setBrush(QColor(120, 190, 255, 90));
    p.setPen(QPen(QColor(232, 242, 255), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(flask);
    p.setPen(QPen(QColor(232, 242, 255), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - 3.0, y), QPointF(x + 3.0, y));
}

} // namespace

QImage DrawBanner()
{
    constexpr int kW = 215;
    constexpr int kH = 24;
    QImage image = NewPicture(kW, kH, QColor(30, 80, 160));
    QPainter p(&image);
    QLinearGradient band(0, 0, 0, kH);
    band.setColorAt(0.0, QColor(52, 112, 196));
    band.setColorAt(0.55, QColor(28, 76, 156));
    band.setColorAt(1.0, QColor(16, 50, 118));
    p.fillRect(QRect(0, 0, kW, kH), band);
    p.fillRect(QRect(0, 0, kW, 1), QColor(120, 170, 230));
    p.fillRect(QRect(0, kH - 1, kW, 1), QColor(10, 32, 80));

    p.setRenderHint(QPainter::Antialiasing);
    DrawBannerFlask(p, 14.0, 3.5);
    const QString text = QString::fromUtf8("Laboratori virtual de Física");
    const QRect textBox(26, 0, kW - 30, kH);
    p.setFont(MakeFont(SansBoldFamily(), 12, true));
    p.setPen(QColor(8, 26, 70));
    p.drawText(textBox.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(QColor(242, 248, 255));
    p.drawText(textBox, Qt::AlignCenter, text);
    p.end();
    return image;
}

} // namespace artwork
