#include "Palette.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace artwork {

QColor Mix(const QColor& a, const QColor& b, double t)
{
    const auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QImage NewPicture(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QColor GlassAt(double fromLit, double fromDark)
{
    if (fromLit < 1.0 || fromDark < 1.0) {
        return kGlassOutline;
    }
    const bool wide = fromLit + fromDark >= 11.0;
    if (wide && fromLit < 2.0) {
        return kGlassWallLight;
    }
    if (fromDark < 2.0) {
        return kGlassWallDark;
    }
    // The highlight stripe sits a little inside the lit wall.
    const double stripe = std::fabs(fromLit - (wide ? 3.5 : 1.5));
    if (stripe < 0.6) {
        return kGlassHighlight;
    }
    if (stripe < 1.6) {
        return kGlassSoftHighlight;
    }
    if (fromDark < (wide ? 3.5 : 3.0)) {
        return kGlassShade;
    }
    return kGlassBore;
}

void FillVerticalTube(QImage& image, int x, int y, int width, int height)
{
    for (int i = 0; i < width; ++i) {
        const QColor c = GlassAt(i + 0.5, width - i - 0.5);
        for (int j = 0; j < height; ++j) {
            image.setPixelColor(x + i, y + j, c);
        }
    }
}

void FillHorizontalTube(QImage& image, int x, int y, int length, int height)
{
    for (int j = 0; j < height; ++j) {
        const QColor c = GlassAt(j + 0.5, height - j - 0.5);
        for (int i = 0; i < length; ++i) {
            image.setPixelColor(x + i, y + j, c);
        }
    }
}

void BlendPixel(QImage& image, int x, int y, const QColor& colour, double coverage)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height() || coverage <= 0.0) {
        return;
    }
    const double t = std::min(coverage, 1.0);
    image.setPixelColor(x, y, Mix(image.pixelColor(x, y), colour, t));
}

namespace {

// Loads one font file and answers its family; falls back to the matcher's
// choice when the file is missing (the lettering then looks different, but
// the pictures keep their sizes and alignment).
QString LoadFamily(const char* path, const char* fallback)
{
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(path));
    if (id >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) {
            return families.front();
        }
    }
    std::fprintf(stderr, "tervan-artwork: font %s not found, using %s\n", path, fallback);
    return QString::fromUtf8(fallback);
}

} // namespace

QString SansFamily()
{
    static const QString family =
        LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "Sans");
    return family;
}

QString SansBoldFamily()
{
    static const QString family =
        LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "Sans");
    return family;
}

QString SerifBoldFamily()
{
    static const QString family =
        LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", "Serif");
    return family;
}

QString SerifItalicFamily()
{
    static const QString family =
        LoadFamily("/usr/share/fonts/opentype/urw-base35/P052-Italic.otf", "Serif");
    return family;
}

QString TitleFamily()
{
    static const QString family =
        LoadFamily("/usr/share/fonts/opentype/urw-base35/URWBookman-Demi.otf", "Serif");
    return family;
}

QFont MakeFont(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace artwork
