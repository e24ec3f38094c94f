// The colours and fonts of the browser backend's windows: the classic grey
// dialogs, as the Qt backend paints them, and the template fonts sized in
// pixels as the classic platform sizes them at 96 dpi.
#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Gdi.h"
#include "platform/Surface.h"

namespace ClassicLook {
constexpr Pixel kFace = 0xC0C0C0;
constexpr Pixel kLight = 0xDFDFDF;
constexpr Pixel kHighlight = 0xFFFFFF;
constexpr Pixel kShadow = 0x808080;
constexpr Pixel kDarkShadow = 0x000000;
constexpr Pixel kWhite = 0xFFFFFF;
constexpr Pixel kSelection = 0x000080; // selected text's background, and captions
constexpr Pixel kSelectedText = 0xFFFFFF;
// What lies around the windows where the page has no window.
constexpr Pixel kDesktop = 0x2F4F4F;

// The template's font, its em square in whole pixels (rounded down, as the
// Qt backend takes it: the stand-in faces run a little wider than the
// classic ones and the captions must still fit).
inline FontRequest TemplateFont(const DialogTemplate* t)
{
    FontRequest f;
    const int points = t && t->pointSize > 0 ? t->pointSize : 8;
    f.height = -(points * 96 / 72);
    f.weight = FW_NORMAL;
    f.faceName = t && t->fontFace ? t->fontFace : "MS Sans Serif";
    return f;
}

// The caption of a message box: the dialog font (no bold face is embedded
// for a caption the page shows only in message boxes).
inline FontRequest CaptionFont()
{
    return TemplateFont(nullptr);
}
} // namespace ClassicLook
