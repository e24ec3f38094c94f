// How the program's windows look on Qt: the classic grey dialog colours, the
// fonts that stand in for the faces the templates ask for, and the program's
// pictures (bitmap resources and the application icon) as Qt images.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QRect>

#include "platform/DialogTemplate.h"

class QPainter;

namespace QtLook {
// The 3-D colours of dialogs and buttons.
inline QColor Face()
{
    return QColor(192, 192, 192);
}
inline QColor Light()
{
    return QColor(223, 223, 223);
}
inline QColor Highlight()
{
    return QColor(255, 255, 255);
}
inline QColor Shadow()
{
    return QColor(128, 128, 128);
}
inline QColor DarkShadow()
{
    return QColor(0, 0, 0);
}

QPalette ClassicPalette();

// The classic 3-D edges, drawn just inside a rectangle, each made of line
// pairs (top and left lines in one colour, bottom and right in another):
enum class Edge {
    Button, // raised: white and black outside, and inside the grey shadow only
    Window, // raised: light grey and black outside, white and grey inside
    Client, // sunken: grey and white outside, black and light grey inside
    Static, // sunken, one pair deep: grey and white
    Etched, // a groove: grey and white, and inside a white top and left only
};
void DrawEdge(QPainter& p, const QRect& r, Edge edge);
// How many pixels deep the edge is.
int EdgeWidth(Edge edge);
// One line pair round `r`, its right column and bottom row included: the top
// and left lines in `topLeft`, the bottom and right lines (with the corners
// they share with the others) in `bottomRight`. An invalid colour leaves its
// two lines undrawn.
void DrawEdgeLines(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

// The installed family that stands in for `face`.
QString FamilyFor(const char* face);
// The template's font, sized in pixels as the classic platform sizes it at
// 96 dpi, whatever the screen's resolution.
QFont TemplateFont(const DialogTemplate& t);
// The font of message boxes and menus: the dialogs' "MS Sans Serif" 8.
QFont DialogFont();

// How many pixels a caption must start below the top of its box so that the
// accents over the tallest Catalan capitals (À, É, Í, Ó, Ú) fit whole: in
// the small stand-in faces they rise above the font's ascent, and a control
// clips whatever lies above its own top edge. 0 where the ascent holds them.
int AccentRoom(const QFont& font);

// Bitmap resource `id` as an image; a null image when the program lacks it.
QImage BitmapImage(unsigned id);
// Icon resource `id` in every size the application has.
QIcon IconOf(unsigned id);
// The application's first icon: the program's own.
QIcon AppIcon();
} // namespace QtLook
