// Text on a Surface with the faces this machine has, through FreeType; the
// faces are found as FontMatch.h says. A font is asked for as the classic platform asks for one:
// face name, cell height and average character width in pixels, weight, italic. Glyphs are
// rasterised once per font and character and kept, so drawing the same text again only blends
// cached coverage. One thread uses it: the window's.
#pragma once

#include <string>
#include <string_view>

#include "platform/Gdi.h"
#include "platform/Surface.h"
#include "platform/Types.h"

// What a font request turned into on this machine.
struct FontMetrics {
    std::string family; // the installed family drawing it
    int ascent = 0;     // cell rows above the baseline
    int descent = 0;    // cell rows from the baseline down
    int aveCharWidth = 0;
    int Height() const { return ascent + descent; }
};

// How one line of text is drawn.
struct TextStyle {
    Pixel color = 0;
    bool opaque = false;  // fill the text's cell box with `background` first
    Pixel background = 0; // only with `opaque`
    UINT align = TA_LEFT | TA_TOP;
};

namespace TextRenderer {

// The metrics of the face that draws `font`; false when no face could be
// opened at all (a machine without fonts).
bool GetFontMetrics(const FontRequest& font, FontMetrics* metrics);

// The width of `text` (UTF-8) in `font`: the sum of its characters' advances.
int MeasureText(const FontRequest& font, std::string_view text);

// How many rows above the baseline the ink of `text` reaches: its tallest
// glyph's top. An accented capital reaches above the font's ascent in some
// small faces; 0 for a text without ink.
int InkAbove(const FontRequest& font, std::string_view text);

// Draws `text` (UTF-8; a byte that is not part of a UTF-8 sequence is read as
// Latin-1) with its reference point at (x, y), as `style.align` places it:
// the left end, centre or right end of the text, at the top of its cell or on
// its baseline. Glyphs are blended in `style.color` by their coverage; the
// rest of the surface is left alone. False when no face could be opened.
bool DrawText(Surface& surface, const FontRequest& font, int x, int y, std::string_view text,
              const TextStyle& style);

// How many glyphs have been rasterised since the program started: a repeated
// draw of the same text in the same font adds none.
long GlyphsRasterised();

} // namespace TextRenderer
