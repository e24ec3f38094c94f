// The application icon at the desktop's larger sizes (48 pixels and up):
// the 32-pixel icon's drawing in its 16 colours, drawn afresh at each size
// with smooth edges, rounded bends in the glass and a domed mercury surface.
// Straight edges land on whole pixels so that the smaller sizes stay crisp.
#include "Artwork.h"
#include "IconLayout.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace artwork {

namespace {

using namespace icon;

// The bulb's 1/4-circle corners drawn as cubic curves.
constexpr double kCircleKappa = 0.5523;

class Canvas {
  public:
    explicit Canvas(int size)
        : unit_(size / double(kLarge.size)), image_(size, size, QImage::Format_ARGB32)
    {
        image_.fill(qRgba(0, 0, 0, 0));
        // Walls a little thinner than the 32-pixel icon's, in proportion,
        // but never under a pixel.
        wall_ = std::max(1.0, std::round(0.6 * unit_));
        tube_ = Px(4);
        bore_ = tube_ - 2 * wall_;
    }

    // A length or coordinate of the 32-unit drawing, on the pixel grid.
    double Px(double units) const { return std::round(units * unit_); }
    double Unit() const { return unit_; }
    double Wall() const { return wall_; }
    double Tube() const { return tube_; }
    double Bore() const { return bore_; }
    // The rectangle's edges on the pixel grid; Rect is inclusive, so its
    // right and bottom edges are one unit further.
    QRectF Area(const Rect& r) const
    {
        return QRectF(QPointF(Px(r.x0), Px(r.y0)), QPointF(Px(r.x1 + 1), Px(r.y1 + 1)));
    }
    QImage& Image() { return image_; }

  private:
    double unit_;
    QImage image_;
    double wall_ = 1;
    double tube_ = 4;
    double bore_ = 2;
};

QColor Colour(Ink ink)
{
    return QColor::fromRgb(InkColour(ink));
}

QPen Pen(Ink ink, double width)
{
    return QPen(Colour(ink), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// The centre line of the glass: up out of the neck, across, down the
// U-tube's left branch, along its bottom and up its right branch, each bend
// rounded as bent glass is.
QPainterPath GlassPath(const Canvas& c)
{
    const Layout& l = kLarge;
    const double half = c.Tube() / 2;
    const double flaskX = c.Px(l.tubes[0].x0) + half;
    const double topY = c.Px(l.tubes[1].y0) + half;
    const double leftX = c.Px(l.tubes[2].x0) + half;
    const double bottomY = c.Px(l.tubes[3].y0) + half;
    const double rightX = c.Px(l.tubes[4].x0) + half;
    const QPointF points[] = {
        {flaskX, c.Px(l.neck.y1)}, {flaskX, topY},    {leftX, topY},
        {leftX, bottomY},          {rightX, bottomY}, {rightX, c.Px(l.tubes[4].y0)},
    };
    const double radius = 0.75 * c.Tube();
    QPainterPath path(points[0]);
    for (int i = 1; i + 1 < 6; ++i) {
        const QPointF corner = points[i];
        const QPointF in = points[i] - points[i - 1];
        const QPointF out = points[i + 1] - points[i];
        const QPointF inDir = in / std::hypot(in.x(), in.y());
        const QPointF outDir = out / std::hypot(out.x(), out.y());
        path.lineTo(corner - inDir * radius);
        path.cubicTo(corner - inDir * radius * (1 - kCircleKappa),
                     corner + outDir * radius * (1 - kCircleKappa), corner + outDir * radius);
    }
    path.lineTo(points[5]);
    return path;
}

QPainterPath Outline(const QPainterPath& centre, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(centre).simplified();
}

void DrawBand(QPainter& p, const Canvas& c)
{
    const Layout& l = kLarge;
    const double top = c.Px(l.bandTop);
    const double bottom = c.Px(l.bandBottom + 1);
    const double size = c.Px(l.size);
    p.fillRect(QRectF(0, top, size, bottom - top), Colour(kYellow));
    p.fillRect(QRectF(0, top, size, c.Wall()), Colour(kOlive));
    p.fillRect(QRectF(0, bottom - c.Wall(), size, c.Wall()), Colour(kOlive));
}

// A highlight or shade along one side of the bore: the centre line moved
// towards that side, clipped to the bore by the caller.
void StrokeAlongSide(QPainter& p, const QPainterPath& centre, double offset, double width, Ink ink)
{
    p.setPen(Pen(ink, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(centre.translated(offset, offset));
}

// The mercury: a domed column in each branch and the U's bottom between
// them; `domes` gets the ellipse whose upper half is each column's surface.
QPainterPath MercuryArea(const Canvas& c, std::vector<QRectF>& domes)
{
    const Layout& l = kLarge;
    const double dome = std::round(0.3 * c.Bore());
    const double size = c.Px(l.size);
    QPainterPath mercury;
    const struct {
        const Rect& tube;
        int level;
    } branches[] = {{l.tubes[2], l.mercuryLeft}, {l.tubes[4], l.mercuryRight}};
    for (const auto& b : branches) {
        const double left = c.Px(b.tube.x0) + c.Wall();
        const double top = c.Px(b.level);
        domes.push_back(QRectF(left, top, c.Bore(), 2 * dome));
        mercury.addEllipse(domes.back());
        mercury.addRect(QRectF(left, top + dome, c.Bore(), size - top - dome));
    }
    const double bottom = c.Px(l.tubes[3].y0);
    const double left = c.Px(l.tubes[2].x0);
    mercury.addRect(QRectF(left, bottom, c.Px(l.tubes[4].x1 + 1) - left, size - bottom));
    return mercury.simplified();
}

void DrawGlass(QPainter& p, const Canvas& c)
{
    const QPainterPath centre = GlassPath(c);
    const QPainterPath bore = Outline(centre, c.Bore());
    p.fillPath(Outline(centre, c.Tube()), Colour(kNavy));
    p.fillPath(bore, Colour(kAqua));
    p.fillRect(c.Area(kLarge.mouth), Colour(kNavy));

    const double line = std::max(1.0, std::round(0.3 * c.Bore()));
    const double gap = std::round(0.12 * c.Bore());
    const double side = c.Bore() / 2 - line / 2 - gap;
    p.save();
    p.setClipPath(bore);
    StrokeAlongSide(p, centre, -side, line, kWhite);
    std::vector<QRectF> domes;
    const QPainterPath mercury = MercuryArea(c, domes).intersected(bore);
    p.fillPath(mercury, Colour(kSilver));
    p.setClipPath(mercury);
    StrokeAlongSide(p, centre, -side, line, kWhite);
    StrokeAlongSide(p, centre, side, line, kGrey);
    p.setPen(Pen(kGrey, 2 * c.Wall()));
    for (const QRectF& dome : domes) {
        p.drawArc(dome, 0, 180 * 16);
    }
    p.restore();
}

void DrawFlask(QPainter& p, const Canvas& c)
{
    const Layout& l = kLarge;
    const QPointF centre(l.bulbX * c.Unit(), l.bulbY * c.Unit());
    const double radius = l.bulbR * c.Unit();
    const double inner = radius - c.Wall();
    const QRectF neck = c.Area(l.neck);
    const QRectF neckBore = neck.adjusted(c.Wall(), c.Wall(), -c.Wall(), 0);

    p.setPen(Qt::NoPen);
    p.setBrush(Colour(kNavy));
    p.drawRect(neck);
    p.drawEllipse(centre, radius, radius);

    // Shade inside the lower right of the rim, as a crescent left where a
    // circle moved up and to the left does not reach.
    QPainterPath bulb;
    bulb.addEllipse(centre, inner, inner);
    p.save();
    p.setClipPath(bulb);
    p.setBrush(Colour(kTeal));
    p.drawEllipse(centre, inner, inner);
    const double shift = 0.9 * c.Unit();
    p.setBrush(Colour(kAqua));
    p.drawEllipse(centre - QPointF(shift, shift), inner, inner);
    p.restore();
    p.fillRect(neckBore.adjusted(0, 0, 0, neck.height()), Colour(kAqua));

    // The reflection along the upper left, and the lit side of the neck.
    const double line = std::max(1.0, std::round(0.3 * (neck.width() - 2 * c.Wall())));
    p.fillRect(QRectF(neckBore.left(), neckBore.top(), line, neckBore.height()), Colour(kWhite));
    const double arc = radius - 2.6 * c.Unit();
    QPen glint(Colour(kWhite), 1.4 * c.Unit(), Qt::SolidLine, Qt::RoundCap);
    p.setPen(glint);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - arc, centre.y() - arc, 2 * arc, 2 * arc), 95 * 16, 80 * 16);
}

void DrawStopper(QPainter& p, const Canvas& c)
{
    const QRectF stopper = c.Area(kLarge.stopper);
    p.fillRect(stopper, Colour(kMaroon));
    p.fillRect(stopper.adjusted(0, 0, -c.Wall(), -c.Wall()), Colour(kRed));
}

} // namespace

QImage DrawSmoothIcon(int size)
{
    Canvas c(size);
    QPainter p(&c.Image());
    p.setRenderHint(QPainter::Antialiasing);
    DrawBand(p, c);
    DrawGlass(p, c);
    DrawFlask(p, c);
    DrawStopper(p, c);
    p.end();
    return c.Image();
}

} // namespace artwork
