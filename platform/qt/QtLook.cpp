#include "platform/qt/QtLook.h"

#include <QPainter>
#include <QPixmap>
#include <string>

#include "platform/ApplicationResources.h"
#include "platform/ClassicLook.h"
#include "platform/FontSubstitutes.h"
#include "platform/Gdi.h"

namespace QtLook {

QPalette ClassicPalette()
{
    using namespace ClassicLook;
    const auto color = [](Pixel p) { return QColor(QRgb(0xFF000000u | p)); };
    QPalette p;
    p.setColor(QPalette::Window, color(kFace));
    p.setColor(QPalette::Button, color(kFace));
    p.setColor(QPalette::Base, color(kField));
    p.setColor(QPalette::AlternateBase, color(kLight));
    p.setColor(QPalette::WindowText, color(kDarkShadow));
    p.setColor(QPalette::ButtonText, color(kDarkShadow));
    p.setColor(QPalette::Text, color(kDarkShadow));
    p.setColor(QPalette::Light, color(kHighlight));
    p.setColor(QPalette::Midlight, color(kLight));
    p.setColor(QPalette::Mid, color(kShadow));
    p.setColor(QPalette::Dark, color(kShadow));
    p.setColor(QPalette::Shadow, color(kDarkShadow));
    p.setColor(QPalette::Highlight, color(kSelection));
    p.setColor(QPalette::HighlightedText, color(kSelectedText));
    // Qt's own tooltips: the classic pale yellow.
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, color(kDarkShadow));
    p.setColor(QPalette::Disabled, QPalette::WindowText, color(kShadow));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, color(kShadow));
    p.setColor(QPalette::Disabled, QPalette::Text, color(kShadow));
    return p;
}

QString FamilyFor(const char* face)
{
    // The same table as a memory DC's text, so windows and drawings agree.
    const std::string family = SubstituteFontFace(face ? face : "");
    return QString::fromStdString(family);
}

QFont FontOf(const FontRequest& request)
{
    QFont font(FamilyFor(request.faceName.c_str()));
    font.setPixelSize(-request.height);
    return font;
}

QFont TemplateFont(const DialogTemplate& t)
{
    return FontOf(ClassicLook::TemplateFont(&t));
}

QFont DialogFont()
{
    return FontOf(ClassicLook::CaptionFont());
}

QImage ImageOf(const Surface& s)
{
    QImage image(s.width, s.height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < s.height; ++y) {
        const Pixel* from = s.Row(y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s.width; ++x)
            to[x] = (from[x] & 0xFF000000u) ? 0u : 0xFF000000u | from[x];
    }
    return image;
}

QImage OpaqueImageOf(const Surface& s)
{
    QImage image(s.width, s.height, QImage::Format_RGB32);
    for (int y = 0; y < s.height; ++y) {
        const Pixel* from = s.Row(y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s.width; ++x)
            to[x] = 0xFF000000u | from[x];
    }
    return image;
}

Surface SurfaceOf(const QImage& image, Pixel background)
{
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(QColor(QRgb(0xFF000000u | background)));
    {
        QPainter p(&opaque);
        p.drawImage(0, 0, image);
    }
    Surface s(opaque.width(), opaque.height());
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            s.SetPixel(x, y, opaque.pixel(x, y) & 0xFFFFFFu);
    return s;
}

QImage BitmapImage(unsigned id)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(id))
        return QImage();
    return OpaqueImageOf(*bitmap.GetSurface());
}

QIcon IconOf(unsigned id)
{
    QIcon icon;
    for (const EmbeddedIcon& e : GetApplicationResources().icons) {
        QPixmap size;
        if (e.id == id && size.loadFromData(e.png.data, static_cast<uint>(e.png.size), "PNG"))
            icon.addPixmap(size);
    }
    return icon;
}

QIcon AppIcon()
{
    const auto& icons = GetApplicationResources().icons;
    return icons.empty() ? QIcon() : IconOf(icons.front().id);
}

} // namespace QtLook
