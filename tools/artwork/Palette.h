// Colours and small drawing helpers that every picture of the bench shares.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

namespace artwork {

inline constexpr double kPi = 3.14159265358979323846;

// The bench behind the apparatus: every picture that does not fill its own
// rectangle shows it, because the program copies pictures opaquely.
inline const QColor kBench(215, 255, 215);
// The notebook page sits on a slightly deeper green.
inline const QColor kNotebookSurround(204, 255, 204);

// Glass: a thin outline, a wall a shade deeper than the bore, a white
// highlight stripe on the side the light comes from (left or top) and a
// faint cyan tint over the bench green.
inline const QColor kGlassOutline(104, 150, 160);
inline const QColor kGlassWallLight(188, 232, 228);
inline const QColor kGlassWallDark(156, 204, 204);
inline const QColor kGlassHighlight(250, 255, 253);
inline const QColor kGlassSoftHighlight(228, 251, 245);
inline const QColor kGlassBore(204, 245, 234);
inline const QColor kGlassShade(184, 226, 220);

// The thermometer's display window, behind the digit cells.
inline const QColor kThermometerWindow(46, 48, 50);
// Dots of the notebook page's ruled lines.
inline const QColor kNotebookRule(150, 160, 176);

// Grey metal of the stopcock's sleeves and ring.
inline const QColor kMetalLight(214, 218, 222);
inline const QColor kMetalMid(160, 166, 172);
inline const QColor kMetalDark(96, 102, 110);

QColor Mix(const QColor& a, const QColor& b, double t);

// A picture of the given size filled with one colour.
QImage NewPicture(int width, int height, const QColor& fill = kBench);

// Colour of the glass at a pixel whose centre lies `fromLit` pixels from the
// lit edge of a tube (left or top) and `fromDark` pixels from the other one.
QColor GlassAt(double fromLit, double fromDark);

// Straight tubes with edges on pixel boundaries, so they join crisply.
void FillVerticalTube(QImage& image, int x, int y, int width, int height);
void FillHorizontalTube(QImage& image, int x, int y, int length, int height);

// Blends `colour` over the pixel with the given coverage (0..1).
void BlendPixel(QImage& image, int x, int y, const QColor& colour, double coverage);

// Paints a shape described point by point: `colourAt(x, y)` gives the colour
// at a point in pixel coordinates, or nothing outside the shape. Each pixel
// of `area` takes 4 x 4 samples, so curved edges come out smooth while edges
// on pixel boundaries stay crisp.
template <class ColourAt> void PaintSampled(QImage& image, const QRect& area, ColourAt colourAt)
{
    constexpr int kSamples = 4;
    for (int py = area.top(); py <= area.bottom(); ++py) {
        for (int px = area.left(); px <= area.right(); ++px) {
            int hits = 0;
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const std::optional<QColor> c =
                        colourAt(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
                    if (c) {
                        ++hits;
                        r += c->red();
                        g += c->green();
                        b += c->blue();
                    }
                }
            }
            if (hits > 0) {
                const QColor average(int(r / hits + 0.5), int(g / hits + 0.5), int(b / hits + 0.5));
                BlendPixel(image, px, py, average, double(hits) / (kSamples * kSamples));
            }
        }
    }
}

// Font families loaded from the font files the project installs, so the
// lettering does not depend on what the font matcher happens to pick.
QString SansFamily();
QString SansBoldFamily();
QString SerifBoldFamily();
QString SerifItalicFamily();
QString TitleFamily();

// An antialiased font of the given pixel height (the cell height of the text).
QFont MakeFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

} // namespace artwork
