// The digital thermometer's case: a brown panel with screws, a light caption
// strip (rows 13..24) lettered "Termómetro", a sunken dark grey window at
// x 14..165, y 30..83 behind the digit cells, a °C mark beside it and the
// socket the probe hangs from.
#include "Artwork.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

constexpr int kWidth = 199;
constexpr int kHeight = 95;
const QRect kStrip(10, 13, 179, 12);  // rows 13..24
const QRect kWindow(14, 30, 152, 54); // x 14..165, y 30..83
// The probe leaves the case at bench x 68..69, that is columns 58..59.
const QRect kSocket(55, 87, 8, 8);

const QColor kCaseTop(150, 96, 62);
const QColor kCaseBottom(108, 64, 40);
const QColor kCaseEdge(62, 34, 20);
const QColor kBevelLight(184, 130, 90);
const QColor kCaption(238, 218, 176);
const QColor kInk(86, 46, 24);

void DrawScrew(QPainter& p, double x, double y)
{
    p.setPen(QPen(QColor(70, 50, 40), 0.8));
    QRadialGradient head(x - 0.8, y - 0.8, 3.0);
    head.setColorAt(0.0, QColor(236, 230, 220));
    head.setColorAt(1.0, QColor(130, 120, 110));
    p.setBrush(head);
    p.drawEllipse(QPointF(x, y), 2.6, 2.6);
    p.setPen(QPen(QColor(70, 60, 50), 0.9));
    p.drawLine(QPointF(x - 1.6, y + 1.0), QPointF(x + 1.6, y - 1.0));
}

} // namespace

QImage DrawThermometer()
{
    QImage image = NewPicture(kWidth, kHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient body(0, 0, 0, kHeight);
    body.setColorAt(0.0, kCaseTop);
    body.setColorAt(1.0, kCaseBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(kCaseEdge);
    p.drawRoundedRect(QRectF(0, 0, kWidth, kHeight), 7, 7);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1, 1, kWidth - 2, kHeight - 2), 6, 6);
    // A light bevel along the top and left edges.
    p.setPen(QPen(kBevelLight, 1.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath bevel;
    bevel.moveTo(2.5, kHeight - 8.0);
    bevel.lineTo(2.5, 8.0);
    bevel.quadTo(2.5, 2.5, 8.0, 2.5);
    bevel.lineTo(kWidth - 8.0, 2.5);
    p.drawPath(bevel);

    DrawScrew(p, 6.5, 7.0);
    DrawScrew(p, kWidth - 6.5, 7.0);
    DrawScrew(p, 6.5, kHeight - 7.0);
    DrawScrew(p, kWidth - 6.5, kHeight - 7.0);

    // Caption strip, crisp on its rows.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(kStrip, kCaption);
    p.fillRect(QRect(kStrip.left(), kStrip.bottom(), kStrip.width(), 1), QColor(206, 178, 132));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(kInk);
    p.setFont(MakeFont(SansBoldFamily(), 10, true));
    p.drawText(QRect(kStrip.left(), kStrip.top(), kStrip.width(), kStrip.height()), Qt::AlignCenter,
               QString::fromUtf8("Termómetro"));

    // The window sits in a sunken frame: shadow above and left, light below
    // and right.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(kWindow.adjusted(-1, -1, 2, 2), kBevelLight);
    p.fillRect(kWindow.adjusted(-2, -2, 0, 0), QColor(52, 28, 16));
    p.fillRect(kWindow, kThermometerWindow);

    // Degrees Celsius to the right of the window.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(kCaption);
    p.setFont(MakeFont(SansBoldFamily(), 17, true));
    p.drawText(QRect(kWindow.right() + 3, kWindow.top() + 2, kWidth - kWindow.right() - 7, 24),
               Qt::AlignCenter, QString::fromUtf8("°C"));

    // The probe's socket at the bottom edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(36, 30, 28));
    p.drawRoundedRect(QRectF(kSocket), 1.5, 1.5);
    p.setBrush(QColor(10, 20, 20));
    p.drawRect(QRectF(58, 90, 2, 5));
    p.end();
    return image;
}

} // namespace artwork
