// What is Qt's own in the look of the program's windows: the classic palette
// as a QPalette (for Qt's own edit and message boxes), the fonts that stand
// in for the faces the templates ask for as QFonts, the program's pictures
// as Qt images, and a surface painted with the classic look shown as a
// QImage. The look itself comes from platform/ClassicLook.h.
#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>

#include "platform/DialogTemplate.h"
#include "platform/Gdi.h"
#include "platform/Surface.h"

namespace QtLook {
QPalette ClassicPalette();

// The installed family that stands in for `face`.
QString FamilyFor(const char* face);
// A font request of the classic look (its em square in pixels) as a QFont.
QFont FontOf(const FontRequest& request);
// The template's font as the classic look sizes it, for Qt's own edit.
QFont TemplateFont(const DialogTemplate& t);
// The font of Qt's message boxes and menus: the dialogs' "MS Sans Serif" 8.
QFont DialogFont();

// A pixel no drawing writes: what a widget leaves as it was, for whatever
// lies beneath it to show through.
constexpr Pixel kUnpainted = 0xFF000000;
// The surface as an image, its kUnpainted pixels transparent and the rest
// opaque.
QImage ImageOf(const Surface& s);
// The surface as an opaque image, every pixel as it stands.
QImage OpaqueImageOf(const Surface& s);
// The image's pixels, opaque, on `background` where it is transparent.
Surface SurfaceOf(const QImage& image, Pixel background);

// Bitmap resource `id` as an image; a null image when the program lacks it.
QImage BitmapImage(unsigned id);
// Icon resource `id` in every size the application has.
QIcon IconOf(unsigned id);
// The application's first icon: the program's own.
QIcon AppIcon();
} // namespace QtLook
