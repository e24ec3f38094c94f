#include "platform/qt/QtLook.h"

#include <QFile>
#include <QFontMetrics>
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/FontSubstitutes.h"
#include "platform/Gdi.h"

namespace QtLook {

QPalette ClassicPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, Face());
    p.setColor(QPalette::Button, Face());
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, Light());
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Light, Highlight());
    p.setColor(QPalette::Midlight, Light());
    p.setColor(QPalette::Mid, Shadow());
    p.setColor(QPalette::Dark, Shadow());
    p.setColor(QPalette::Shadow, DarkShadow());
    p.setColor(QPalette::Highlight, QColor(0, 0, 128));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::WindowText, Shadow());
    p.setColor(QPalette::Disabled, QPalette::ButtonText, Shadow());
    p.setColor(QPalette::Disabled, QPalette::Text, Shadow());
    return p;
}

QString FamilyFor(const char* face)
{
    // The same table as the back buffer's text, so windows and bench agree.
    const std::string family = SubstituteFontFace(face ? face : "");
    return QString::fromStdString(family);
}

QFont TemplateFont(const DialogTemplate& t)
{
    QFont font(FamilyFor(t.fontFace));
    // Whole pixels, rounded down: the stand-in faces run a little wider than
    // the classic ones, and the captions must still fit their controls.
    const int points = t.pointSize > 0 ? t.pointSize : 8;
    font.setPixelSize(points * 96 / 72);
    return font;
}

QFont DialogFont()
{
    QFont font(FamilyFor("MS Sans Serif"));
    font.setPixelSize(8 * 96 / 72);
    return font;
}

int AccentRoom(const QFont& font)
{
    const QFontMetrics fm(font);
    const int inkAbove = -fm.tightBoundingRect(QStringLiteral("ÀÉÍÓÚ")).top();
    return std::max(inkAbove - fm.ascent(), 0);
}

QImage BitmapImage(unsigned id)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(id))
        return QImage();
    const Surface* s = bitmap.GetSurface();
    QImage image(s->width, s->height, QImage::Format_RGB32);
    for (int y = 0; y < s->height; ++y)
        std::memcpy(image.scanLine(y), s->Row(y), static_cast<std::size_t>(s->width) * 4);
    return image;
}

QIcon AppIcon()
{
    QIcon icon;
    for (const char* path : {":/tervan/icons/tervan-32.png", ":/tervan/icons/tervan-16.png"})
        if (QFile::exists(path))
            icon.addFile(path);
    return icon;
}

} // namespace QtLook
