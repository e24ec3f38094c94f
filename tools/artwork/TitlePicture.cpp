// The title picture (399 x 268): the program's name, the law the practical
// rests on, a drawing of the apparatus and the credit lines. The title
// dialog puts its "Entra" button at about (31, 188), 75 x 23 pixels, so that
// corner is left plain.
#include "Artwork.h"
#include "Palette.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

constexpr int kW = 399;
constexpr int kH = 268;
const QColor kNavy(22, 58, 120);
const QColor kTeal(0, 118, 128);
const QColor kText(52, 60, 72);

// A glass tube along `path`: outline, bore and a highlight line.
void GlassTube(QPainter& p, const QPainterPath& path, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGlassOutline, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kGlassBore, width - 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kGlassHighlight, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path.translated(-width / 4.0, -width / 4.0));
}

void Funnel(QPainter& p, double x, double top)
{
    QPainterPath mouth;
    mouth.moveTo(x - 9.0, top);
    mouth.cubicTo(x - 5.0, top + 2.0, x - 3.5, top + 6.0, x - 3.5, top + 9.0);
    mouth.lineTo(x + 3.5, top + 9.0);
    mouth.cubicTo(x + 3.5, top + 6.0, x + 5.0, top + 2.0, x + 9.0, top);
    mouth.closeSubpath();
    p.setPen(QPen(kGlassOutline, 1.0));
    p.setBrush(kGlassBore);
    p.drawPath(mouth);
    p.setPen(QPen(kGlassHighlight, 1.0));
    p.drawLine(QPointF(x - 7.0, top + 1.2), QPointF(x + 7.0, top + 1.2));
}

void Apparatus(QPainter& p)
{
    // Bench top and the water bath standing on it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 64, 64));
    p.drawRoundedRect(QRectF(230.0, 204.0, 112.0, 9.0), 3.0, 3.0);
    QLinearGradient water(0, 132, 0, 202);
    water.setColorAt(0.0, QColor(85, 200, 255, 110));
    water.setColorAt(1.0, QColor(40, 150, 230, 150));
    p.setBrush(water);
    p.drawRect(QRectF(242.0, 132.0, 86.0, 70.0));

    // Stopper, flask, tube to the valve.
    p.setPen(QPen(QColor(84, 30, 24), 0.9));
    p.setBrush(QColor(176, 78, 56));
    p.drawRect(QRectF(275.0, 99.0, 20.0, 6.0));
    QPainterPath cone;
    cone.moveTo(277.0, 105.0);
    cone.lineTo(293.0, 105.0);
    cone.lineTo(290.5, 120.0);
    cone.lineTo(279.5, 120.0);
    cone.closeSubpath();
    p.drawPath(cone);
    QPainterPath flask;
    flask.addRect(QRectF(277.5, 114.0, 15.0, 40.0));
    flask.addEllipse(QPointF(285.0, 172.0), 26.0, 26.0);
    flask = flask.simplified();
    QRadialGradient tint(276.0, 162.0, 32.0);
    tint.setColorAt(0.0, QColor(236, 253, 248, 210));
    tint.setColorAt(1.0, QColor(176, 224, 220, 210));
    p.setBrush(tint);
    p.setPen(QPen(kGlassOutline, 1.2));
    p.drawPath(flask);
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(265.0, 152.0, 40.0, 40.0), 115 * 16, 70 * 16);
    p.drawLine(QPointF(281.0, 117.0), QPointF(281.0, 146.0));

    QPainterPath link;
    link.moveTo(285.0, 99.0);
    link.lineTo(285.0, 58.0);
    link.quadTo(285.0, 48.0, 295.0, 48.0);
    link.lineTo(338.0, 48.0);
    GlassTube(p, link, 6.0);

    // Beaker walls over the water.
    QPainterPath walls;
    walls.moveTo(241.0, 118.0);
    walls.lineTo(241.0, 202.0);
    walls.lineTo(329.0, 202.0);
    walls.lineTo(329.0, 118.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 128, 192), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(walls);
    p.setPen(QPen(QColor(85, 200, 255), 1.0));
    p.drawLine(QPointF(243.5, 132.0), QPointF(326.5, 132.0));

    // The manometer: a U of glass with mercury, open at both tops.
    QPainterPath u;
    u.moveTo(345.0, 24.0);
    u.lineTo(345.0, 186.0);
    u.arcTo(QRectF(345.0, 171.0, 30.0, 30.0), 180.0, 180.0);
    u.lineTo(375.0, 74.0);
    GlassTube(p, u, 8.0);
    QPainterPath mercury;
    mercury.moveTo(345.0, 150.0);
    mercury.lineTo(345.0, 186.0);
    mercury.arcTo(QRectF(345.0, 171.0, 30.0, 30.0), 180.0, 180.0);
    mercury.lineTo(375.0, 118.0);
    p.setPen(QPen(QColor(160, 162, 168), 4.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(mercury);
    p.setPen(QPen(QColor(236, 238, 242), 1.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(mercury.translated(0.8, 0.0));
    Funnel(p, 345.0, 15.0);
    Funnel(p, 375.0, 65.0);

    // The valve, closed.
    p.setPen(QPen(kMetalDark, 1.0));
    p.setBrush(kMetalMid);
    p.drawEllipse(QPointF(345.0, 48.0), 9.0, 9.0);
    p.setBrush(QColor(150, 30, 28));
    p.drawEllipse(QPointF(345.0, 48.0), 6.0, 6.0);
    p.setPen(QPen(QColor(120, 14, 14), 1.0));
    p.setBrush(QColor(214, 34, 28));
    p.drawRoundedRect(QRectF(334.0, 45.0, 22.0, 6.0), 3.0, 3.0);
    p.setPen(QPen(QColor(255, 255, 255), 1.2));
    p.drawLine(QPointF(340.0, 48.0), QPointF(350.0, 48.0));
    p.drawLine(QPointF(345.0, 48.0), QPointF(345.0, 53.0));

    // Ruler beside the right branch.
    p.setPen(QPen(QColor(150, 120, 70), 0.8));
    p.setBrush(QColor(244, 226, 170));
    p.drawRect(QRectF(383.5, 64.5, 9.0, 140.0));
    p.setPen(QPen(QColor(0, 128, 192), 0.8));
    for (int i = 0; i <= 28; ++i) {
        const double y = 68.0 + i * 4.8;
        p.drawLine(QPointF(i % 5 == 0 ? 387.0 : 389.5, y), QPointF(392.5, y));
    }

    // Digital thermometer with its probe in the water.
    p.setPen(QPen(QColor(20, 30, 30), 1.6));
    p.drawLine(QPointF(254.0, 84.0), QPointF(254.0, 168.0));
    p.setPen(QPen(QColor(62, 34, 20), 1.0));
    p.setBrush(QColor(140, 88, 56));
    p.drawRoundedRect(QRectF(232.5, 60.5, 44.0, 24.0), 3.0, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 44, 48));
    p.drawRect(QRectF(236.0, 66.0, 37.0, 15.0));
    p.setPen(QColor(150, 255, 232));
    p.setFont(MakeFont(SansBoldFamily(), 10, true));
    p.drawText(QRectF(236.0, 66.0, 37.0, 15.0), Qt::AlignCenter, "21.3");
}

void Lettering(QPainter& p)
{
    // The name, with a soft shadow.
    QFont title = MakeFont(TitleFamily(), 58, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    while (QFontMetrics(title).horizontalAdvance("TERVAN") > 206 && title.pixelSize() > 20) {
        title.setPixelSize(title.pixelSize() - 1);
    }
    QPainterPath name;
    name.addText(QPointF(16.0, 72.0), title, "TERVAN");
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(172, 200, 200));
    p.drawPath(name.translated(2.5, 2.5));
    QLinearGradient ink(0, 26, 0, 72);
    ink.setColorAt(0.0, QColor(44, 104, 176));
    ink.setColorAt(1.0, kNavy);
    p.setBrush(ink);
    p.drawPath(name);
    p.fillRect(QRectF(18.0, 82.0, 204.0, 2.0), kTeal);

    QFont subtitle = MakeFont(SerifItalicFamily(), 14, false, true);
    const QString sub = QString::fromUtf8("Estimació del zero absolut de temperatures");
    while (QFontMetrics(subtitle).horizontalAdvance(sub) > 206 && subtitle.pixelSize() > 9) {
        subtitle.setPixelSize(subtitle.pixelSize() - 1);
    }
    p.setFont(subtitle);
    p.setPen(kText);
    p.drawText(QPointF(18.0, 101.0), sub);

    // The combined gas law in a card.
    p.setPen(QPen(kNavy, 1.2));
    p.setBrush(QColor(255, 255, 248));
    p.drawRoundedRect(QRectF(18.5, 116.5, 204.0, 40.0), 6.0, 6.0);
    p.setFont(MakeFont(SerifItalicFamily(), 23, false, true));
    p.setPen(kNavy);
    p.drawText(QRectF(18.5, 116.5, 204.0, 40.0), Qt::AlignCenter,
               QString::fromUtf8("P·V / T = constant"));
    p.setFont(MakeFont(SansFamily(), 10));
    p.setPen(kText);
    p.drawText(QRectF(18.5, 159.0, 204.0, 14.0), Qt::AlignCenter,
               QString::fromUtf8("llei combinada dels gasos"));

    // Credits under a rule, and the emblem at the right.
    p.fillRect(QRectF(14.0, 222.0, 330.0, 1.0), kTeal);
    p.setFont(MakeFont(SansBoldFamily(), 11, true));
    p.setPen(QColor(30, 52, 80));
    p.drawText(QPointF(18.0, 239.0), QString::fromUtf8("Simulació de laboratori de física"));
    p.setFont(MakeFont(SansFamily(), 10));
    p.setPen(kText);
    p.drawText(QPointF(18.0, 255.0),
               QString::fromUtf8("Tervan 1.0 — programari lliure per a l'aula"));
}

void Emblem(QPainter& p, QPointF c)
{
    p.setPen(QPen(kTeal, 2.0));
    p.setBrush(kNavy);
    p.drawEllipse(c, 17.0, 17.0);
    p.setPen(QPen(QColor(255, 255, 255, 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 14.0, 14.0);
    QPainterPath flask;
    flask.moveTo(c.x() - 2.5, c.y() - 10.0);
    flask.lineTo(c.x() - 2.5, c.y() - 3.0);
    flask.arcTo(QRectF(c.x() - 8.0, c.y() - 4.0, 16.0, 16.0), 109.0, 322.0);
    flask.lineTo(c.x() + 2.5, c.y() - 10.0);
    p.setPen(QPen(QColor(255, 255, 255), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(85, 200, 255, 150));
    p.drawPath(flask);
    p.drawLine(QPointF(c.x() - 4.0, c.y() - 10.0), QPointF(c.x() + 4.0, c.y() - 10.0));
}

} // namespace

QImage DrawTitle()
{
    QImage image = NewPicture(kW, kH);
    QPainter p(&image);
    QLinearGradient paper(0, 0, 0, kH);
    paper.setColorAt(0.0, QColor(248, 252, 242));
    paper.setColorAt(1.0, QColor(222, 242, 226));
    p.fillRect(QRect(0, 0, kW, kH), paper);
    p.setRenderHint(QPainter::Antialiasing);
    Apparatus(p);
    Lettering(p);
    Emblem(p, QPointF(370.0, 242.0));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(40, 80, 96));
    p.drawRect(QRect(0, 0, kW - 1, kH - 1));
    p.setPen(QColor(160, 190, 180));
    p.drawRect(QRect(4, 4, kW - 9, kH - 9));
    p.end();
    return image;
}

} // namespace artwork
