// The application icon in the classic 16 colours: a small flask whose tube
// runs over to a mercury U-tube, on a yellow band. Drawn pixel by pixel with
// no antialiasing, so every pixel is one of the 16 colours (or transparent).
#include "Artwork.h"
#include "IconLayout.h"

#include <cmath>

namespace artwork {

namespace {

using namespace icon;

// At 16 pixels every pixel counts, so the small icon is drawn by hand:
// n outline, W highlight, C glass, t shaded glass, s mercury, R/r stopper,
// Y/o band, . transparent.
const char* const kSmallIcon[16] = {
    "...nnnnnnnnn....", "...nWWWWWWWn....", "...nWnnnnnWn....", "..RRRRr..nWn....",
    "...RRr...nWn.nWn", "..nWCn...nWn.nWn", "oonWCnooonWnonWn", "YnnWCnnYYnWnYnsn",
    "nWWCCCCnYnWnYnsn", "nWCCCCCnYnsnYnsn", "nWCCCCCnYnsnYnsn", "nCCCCCtnYnsnYnsn",
    "nCCCCCtnYnsnYnsn", "onCCCtnoonsnonsn", "..nnnn...nsssssn", "..........nnnnn.",
};

class Raster {
  public:
    explicit Raster(int size) : image_(size, size, QImage::Format_ARGB32)
    {
        image_.fill(qRgba(0, 0, 0, 0));
    }
    void Set(int x, int y, Ink ink)
    {
        if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) {
            image_.setPixel(x, y, InkColour(ink));
        }
    }
    void Fill(const Rect& r, Ink ink)
    {
        for (int y = r.y0; y <= r.y1; ++y) {
            for (int x = r.x0; x <= r.x1; ++x) {
                Set(x, y, ink);
            }
        }
    }
    QImage Image() const { return image_; }

  private:
    QImage image_;
};

Rect Inset(const Rect& r)
{
    return {r.x0 + 1, r.y0 + 1, r.x1 - 1, r.y1 - 1};
}

bool InBulb(const Layout& l, int x, int y, double grow)
{
    return std::hypot(x + 0.5 - l.bulbX, y + 0.5 - l.bulbY) <= l.bulbR + grow;
}

void DrawGlass(Raster& r, const Layout& l)
{
    // Outlines first, then the insides, so the tubes open into each other.
    for (const Rect& t : l.tubes) {
        r.Fill(t, kNavy);
    }
    r.Fill(l.mouth, kNavy);
    for (int i = 0; i < 5; ++i) {
        const Rect in = Inset(l.tubes[i]);
        r.Fill(in, kAqua);
        // A white highlight along the lit side: left of a vertical tube, top
        // of a horizontal one.
        r.Fill(l.vertical[i] ? Rect{in.x0, in.y0, in.x0, in.y1} : Rect{in.x0, in.y0, in.x1, in.y0},
               kWhite);
    }
    // Mercury fills the bottom of the U and rises in both branches.
    const Rect left = Inset(l.tubes[2]);
    const Rect right = Inset(l.tubes[4]);
    r.Fill({left.x0, l.mercuryLeft, left.x1, left.y1}, kSilver);
    r.Fill({right.x0, l.mercuryRight, right.x1, right.y1}, kSilver);
    r.Fill(l.mercuryBottom, kSilver);
    r.Fill({left.x0, l.mercuryLeft, left.x0, left.y1}, kWhite);
    r.Fill({right.x0, l.mercuryRight, right.x0, right.y1}, kWhite);
    r.Fill({left.x0, l.mercuryLeft, left.x1, l.mercuryLeft}, kGrey);
    r.Fill({right.x0, l.mercuryRight, right.x1, l.mercuryRight}, kGrey);
}

void DrawFlask(Raster& r, const Layout& l)
{
    r.Fill(l.neck, kNavy);
    for (int y = 0; y < l.size; ++y) {
        for (int x = 0; x < l.size; ++x) {
            if (InBulb(l, x, y, 0.0)) {
                r.Set(x, y, kNavy);
            }
        }
    }
    for (int y = 0; y < l.size; ++y) {
        for (int x = 0; x < l.size; ++x) {
            if (!InBulb(l, x, y, -1.0)) {
                continue;
            }
            // Lit from the upper left: white there, aqua in the body, teal
            // at the shaded lower right.
            const double dx = x + 0.5 - l.bulbX;
            const double dy = y + 0.5 - l.bulbY;
            const double d = std::hypot(dx, dy);
            const double towardsLight = d > 0 ? -(dx + dy) / (d * std::sqrt(2.0)) : 0.0;
            Ink ink = kAqua;
            if (towardsLight > 0.6 && d > l.bulbR - 3.6 && d < l.bulbR - 1.6) {
                ink = kWhite; // reflection along the upper left
            } else if (towardsLight < -0.3 && d > l.bulbR - 2.2) {
                ink = kTeal; // shade inside the lower right rim
            }
            r.Set(x, y, ink);
        }
    }
    const Rect neck = Inset(l.neck);
    r.Fill({neck.x0, neck.y0, neck.x1, neck.y1 + 1}, kAqua);
    r.Fill({neck.x0, neck.y0, neck.x0, neck.y1 + 1}, kWhite);
}

void DrawStopper(Raster& r, const Layout& l)
{
    r.Fill(l.stopper, kRed);
    r.Fill({l.stopper.x0, l.stopper.y1, l.stopper.x1, l.stopper.y1}, kMaroon);
    r.Fill({l.stopper.x1, l.stopper.y0, l.stopper.x1, l.stopper.y1}, kMaroon);
}

void DrawBand(Raster& r, const Layout& l)
{
    r.Fill({0, l.bandTop, l.size - 1, l.bandBottom}, kYellow);
    r.Fill({0, l.bandTop, l.size - 1, l.bandTop}, kOlive);
    r.Fill({0, l.bandBottom, l.size - 1, l.bandBottom}, kOlive);
}

QImage DrawSmallIcon()
{
    Raster r(16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            switch (kSmallIcon[y][x]) {
            case 'n':
                r.Set(x, y, kNavy);
                break;
            case 'W':
                r.Set(x, y, kWhite);
                break;
            case 'C':
                r.Set(x, y, kAqua);
                break;
            case 't':
                r.Set(x, y, kTeal);
                break;
            case 's':
                r.Set(x, y, kSilver);
                break;
            case 'R':
                r.Set(x, y, kRed);
                break;
            case 'r':
                r.Set(x, y, kMaroon);
                break;
            case 'Y':
                r.Set(x, y, kYellow);
                break;
            case 'o':
                r.Set(x, y, kOlive);
                break;
            default:
                break; // transparent
            }
        }
    }
    return r.Image();
}

} // namespace

const std::vector<QRgb>& IconPalette()
{
    static const std::vector<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return palette;
}

QImage DrawIcon(int size)
{
    if (size < 32) {
        return DrawSmallIcon();
    }
    if (size > 32) {
        return DrawSmoothIcon(size);
    }
    const Layout& l = kLarge;
    Raster r(l.size);
    DrawBand(r, l);
    DrawGlass(r, l);
    DrawFlask(r, l);
    DrawStopper(r, l);
    return r.Image();
}

} // namespace artwork
