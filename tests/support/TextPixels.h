// Reading text off the pictures: the text a test expects, drawn with the
// framework over the same background, must cover the pixels the program
// drew exactly.
#pragma once

#include <algorithm>

#include "platform/Framework.h"
#include "platform/TextRenderer.h"
#include "res/ResourceIds.h"
#include "view/DrawBitmap.h"

// A font as the program asks for one, with the colour its text is drawn in.
struct TextLook {
    int height;
    int width;
    bool italic;
    const char* face;
    COLORREF ink;
};
constexpr TextLook kRulerNumbers{10, 5, false, "Comic Sans Serif", RGB(0, 0, 0)};
constexpr TextLook kNotebookLabel{10, 5, true, "Comic Sans Serif", RGB(51, 0, 153)};
constexpr TextLook kNotebookTable{17, 8, true, "Comic Sans MS", RGB(51, 0, 153)};
constexpr TextLook kNotebookGraph{11, 6, true, "Comic Sans Serif", RGB(51, 0, 153)};
// The chart's labels, in the notebook's ink.
constexpr TextLook kChartLabels{12, 6, false, "Times New Roman", RGB(51, 0, 153)};

// Makes `dc` write in `look`: its font (kept in `font`), its colour, and
// a transparent background.
inline void UseLook(CDC& dc, CFont& font, const TextLook& look)
{
    font.CreateFont(look.height, look.width, 0, 0, FW_DONTCARE, look.italic, FALSE, FALSE,
                    ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, look.face);
    dc.SelectObject(&font);
    dc.SetTextColor(look.ink);
    dc.SetBkMode(TRANSPARENT);
}

// A copy of `background` (600 x 400, back-buffer pixels) with `text` drawn
// at (x, y) in `look`, placed by `align` as TextOut places it.
inline Surface TextOver(const Surface& background, const TextLook& look, int x, int y,
                        const CString& text, UINT align = TA_LEFT | TA_TOP)
{
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(nullptr, 600, 400);
    bitmap.GetSurface()->pixels = background.pixels;
    dc.SelectObject(&bitmap);
    CFont font;
    UseLook(dc, font, look);
    dc.SetTextAlign(align);
    dc.TextOut(x, y, text);
    return *bitmap.GetSurface();
}

// Draws `text` over `background` as TextOver does and counts the pixels of
// the text's cell box, cut at column `right`, where `shown` differs. Italic
// glyphs lean past their advance, so the box takes a margin. -1 when the
// font cannot be had.
inline int TextMismatch(const Surface& shown, const Surface& background, const TextLook& look,
                        int x, int y, const CString& text, int right = 600,
                        UINT align = TA_LEFT | TA_TOP)
{
    const Surface expected = TextOver(background, look, x, y, text, align);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont font;
    UseLook(dc, font, look);
    FontMetrics metrics;
    if (!TextRenderer::GetFontMetrics(dc.GetFontRequest(), &metrics))
        return -1;
    const int width = TextRenderer::MeasureText(dc.GetFontRequest(), text.str());
    // The cell box's corner, from the reference point as the alignment puts it.
    int boxX = x, boxY = y;
    if ((align & TA_CENTER) == TA_CENTER)
        boxX -= width / 2;
    else if ((align & TA_CENTER) == TA_RIGHT)
        boxX -= width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        boxY -= metrics.ascent;
    const int left = std::max(boxX - 2, 0), stop = std::min(boxX + width + 4, right);
    int mismatches = 0;
    for (int row = std::max(boxY, 0); row < std::min(boxY + metrics.Height(), 400); ++row)
        for (int column = left; column < stop; ++column)
            if ((expected.At(column, row) & 0xFFFFFFu) != (shown.At(column, row) & 0xFFFFFFu))
                ++mismatches;
    return mismatches;
}

// The empty notebook page in its place on an otherwise blank buffer.
inline Surface PageBackground()
{
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(nullptr, 600, 400);
    dc.SelectObject(&bitmap);
    DrawBitmap(&dc, 387, 50, 212, 299, IDB_NOTEBOOK_PAGE);
    return *bitmap.GetSurface();
}
