#include "platform/qt/QtLook.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/ApplicationResources.h"
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

void DrawEdgeLines(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    if (topLeft.isValid()) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    }
    if (bottomRight.isValid()) {
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    }
}

void DrawEdge(QPainter& p, const QRect& r, Edge edge)
{
    const QRect inner = r.adjusted(1, 1, -1, -1);
    switch (edge) {
    case Edge::Button:
        DrawEdgeLines(p, r, Highlight(), DarkShadow());
        DrawEdgeLines(p, inner, QColor(), Shadow());
        break;
    case Edge::Window:
        DrawEdgeLines(p, r, Light(), DarkShadow());
        DrawEdgeLines(p, inner, Highlight(), Shadow());
        break;
    case Edge::Client:
        DrawEdgeLines(p, r, Shadow(), Highlight());
        DrawEdgeLines(p, inner, DarkShadow(), Light());
        break;
    case Edge::Static:
        DrawEdgeLines(p, r, Shadow(), Highlight());
        break;
    case Edge::Etched:
        DrawEdgeLines(p, r, Shadow(), Highlight());
        DrawEdgeLines(p, inner, Highlight(), QColor());
        break;
    }
}

int EdgeWidth(Edge edge)
{
    return edge == Edge::Static ? 1 : 2;
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
