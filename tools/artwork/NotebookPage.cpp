// One page of the student's spiral-bound notebook: a white page (x 0..199,
// y 0..284) with wire rings through punched holes along its left 30 pixels,
// dotted ruled lines on which the notebook writes its rows, and a soft grey
// shadow falling right and down onto the pale green surround.
#include "Artwork.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr int kWidth = 212;
constexpr int kHeight = 299;
constexpr int kPageW = 200;
constexpr int kPageH = 285;
constexpr int kShadowDx = 9;
constexpr int kShadowDy = 11;
constexpr double kShadowSoftness = 3.0;
const QColor kShadow(166, 176, 166);

// The notebook's text rows sit on these lines (bench y 82, 104, ...).
constexpr int kRuledRows[] = {32, 54, 76, 98, 120, 142, 164, 186, 207, 228, 250, 272};
constexpr int kRuleFrom = 33;
constexpr int kRuleTo = 196;

constexpr int kRings = 14;
constexpr double kFirstRing = 10.5;
constexpr double kRingPitch = 20.0;

void DrawShadow(QImage& image)
{
    const QRectF shadow(kShadowDx, kShadowDy, kPageW, kPageH);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (x < kPageW && y < kPageH) {
                continue;
            }
            const double cx = x + 0.5;
            const double cy = y + 0.5;
            const double inside = std::min(std::min(cx - shadow.left(), shadow.right() - cx),
                                           std::min(cy - shadow.top(), shadow.bottom() - cy));
            if (inside > 0) {
                const double strength = std::min(1.0, inside / kShadowSoftness);
                image.setPixelColor(x, y, Mix(kNotebookSurround, kShadow, 0.25 + 0.75 * strength));
            }
        }
    }
}

void DrawRing(QPainter& p, double y)
{
    // The wire comes round the page's edge and dives into its hole.
    QPainterPath wire;
    wire.moveTo(-1.0, y - 6.0);
    wire.cubicTo(4.0, y - 13.0, 16.0, y - 11.0, 20.0, y + 0.5);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(222, 224, 226), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wire.translated(1.2, 2.0)); // its shadow on the page

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 100, 108));
    p.drawEllipse(QPointF(21.0, y + 1.0), 3.2, 2.6); // the punched hole
    p.setBrush(QColor(60, 62, 68));
    p.drawEllipse(QPointF(21.4, y + 1.5), 2.0, 1.5);

    p.setBrush(Qt::NoBrush);

    p.setPen(QPen(QColor(84, 90, 100), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wire);
    p.setPen(QPen(QColor(196, 202, 212), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wire);
    p.setPen(QPen(QColor(252, 252, 255), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wire.translated(-0.2, -0.4));
}

} // namespace

QImage DrawNotebookPage()
{
    QImage image = NewPicture(kWidth, kHeight, kNotebookSurround);
    DrawShadow(image);
    for (int y = 0; y < kPageH; ++y) {
        for (int x = 0; x < kPageW; ++x) {
            image.setPixelColor(x, y, QColor(255, 255, 255));
        }
    }
    for (int row : kRuledRows) {
        for (int x = kRuleFrom; x <= kRuleTo; x += 3) {
            image.setPixelColor(x, row, kNotebookRule);
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The rings stay inside the left 30 columns and inside the page.
    p.setClipRect(QRect(0, 0, 30, kPageH));
    for (int i = 0; i < kRings; ++i) {
        DrawRing(p, kFirstRing + i * kRingPitch);
    }
    p.end();
    return image;
}

} // namespace artwork
