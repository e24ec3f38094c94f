// The classic grey look of dialogs, the same for every backend: the palette,
// the 3-D edges as data, the template fonts, where captions stand (with room
// for accented capitals), the focus rectangle, and every control the
// templates use painted onto a surface, with the frame and caption bar a
// backend draws round a window itself. A backend only says what state each
// control is in and where its pixels go.
#pragma once

#include <string>

#include "platform/ClientPart.h"
#include "platform/ControlTable.h"
#include "platform/DialogTemplate.h"
#include "platform/Gdi.h"
#include "platform/Painter.h"

namespace ClassicLook {

// --- The palette ------------------------------------------------------------
constexpr Pixel kFace = 0xC0C0C0;         // dialogs, buttons
constexpr Pixel kLight = 0xDFDFDF;        // the inner light of a raised frame
constexpr Pixel kHighlight = 0xFFFFFF;    // lit edges; the light of engraved text
constexpr Pixel kShadow = 0x808080;       // shaded edges; a disabled caption
constexpr Pixel kDarkShadow = 0x000000;   // outer shadows, outlines, text
constexpr Pixel kField = 0xFFFFFF;        // an edit's field
constexpr Pixel kSelection = 0x000080;    // selected text's background; caption bars
constexpr Pixel kSelectedText = 0xFFFFFF; // selected text; a caption bar's text

// --- Edges --------------------------------------------------------------------
// One pair of lines just inside a box, its right column and bottom row
// included: the top and left lines in `topLeft`, the bottom and right lines
// (with the corners they share with the others) in `bottomRight`. kNoLine
// leaves its half undrawn.
constexpr Pixel kNoLine = 0xFF000000;
struct LinePair {
    Pixel topLeft;
    Pixel bottomRight;
};
// An edge: its outer pair on the box, its inner pair one pixel inside.
struct EdgeLines {
    LinePair outer;
    LinePair inner;
    int depth; // pixels from the box's side to what the edge encloses
};
enum class Edge {
    Button, // raised: white and black outside, and inside the grey shadow only
    Window, // raised: light grey and black outside, white and grey inside
    Client, // sunken: grey and white outside, black and light grey inside
    Static, // sunken, one pair deep: grey and white
    Etched, // a groove: grey and white, and inside a white top and left only
};
const EdgeLines& LinesOf(Edge edge);
void DrawLinePair(Painter& p, Box b, const LinePair& lines);
void DrawEdge(Painter& p, Box b, Edge edge);
int EdgeWidth(Edge edge);

// --- Fonts and captions ---------------------------------------------------------
// The template's font (its face at its point size), its em square in whole
// pixels as the classic platform sizes it at 96 dpi, rounded down: the
// stand-in faces run a little wider than the classic ones and the captions
// must still fit. No template: the dialogs' "MS Sans Serif" 8.
FontRequest TemplateFont(const DialogTemplate* t);
// A caption bar's text, and a menu's: the dialog font.
FontRequest CaptionFont();
// Takes out the '&' markers of a caption: "&&" shows one ampersand.
std::string WithoutPrefixes(const std::string& text);
// How many pixels a caption starts below the top of its box so that its own
// ink fits whole: in the small stand-in faces an accented capital (À, É, Í,
// Ó, Ú) rises above the font's ascent, and a control shows nothing above its
// top edge. 0 for a caption whose ink stays within the ascent.
int AccentRoom(const FontRequest& font, const std::string& text);

// --- Focus ------------------------------------------------------------------------
// The dotted rectangle round what holds the keyboard focus: every other
// pixel of its outline, from its top-left corner on.
void DrawFocusRect(Painter& p, Box b);
// The ring a window shows round its focused control or part once a key has
// been used in it: two black rows and columns right round `around`, seen
// on the dialog's face (11.6:1) and on the bench alike, and a white line
// round those that keeps it apart from anything dark beyond.
constexpr int kFocusRingWidth = 2;
constexpr Pixel kFocusRing = kDarkShadow;
constexpr Pixel kFocusRingHalo = kHighlight;
void DrawFocusRing(Painter& p, Box around);
// The pixels the ring round `around` covers.
Box FocusRingExtent(Box around);

// --- Controls ---------------------------------------------------------------------
// A default button wears its black outline while no other button holds the
// focus: the focused button takes the outline over.
bool ShowsAsDefault(const DialogControl& c, bool focused, bool focusOnAButton);
// Paints `c` at its rectangle in the painter's coordinates (the window's
// client area). `focused`: it holds the window's keyboard focus;
// `isDefault`: it shows as the default button (ShowsAsDefault).
void DrawControl(Painter& p, const DialogControl& c, const FontRequest& font, bool focused,
                 bool isDefault);
// Whether a control's pixels depend on what lies beneath it: a static text's
// glyphs are blended onto it. Every other control paints whole pixels.
bool BlendsWithBackground(const DialogControl& c);
// An edit's field and edge, at its rectangle, without its text.
void DrawEditFrame(Painter& p, const DialogControl& c);
// Where an edit's text starts and which rectangle it scrolls in, in the
// edit's own coordinates.
Box EditTextBox(const DialogControl& c);
// The x of the caret of a single-line edit, from its text box's left;
// scrolls the text so that the caret shows.
int PlaceCaret(DialogControl& c, const FontRequest& font);

// A push button the window has its backend paint over the client area,
// with an arrow on its face; `pressed` while it is held down.
void DrawGlyphButton(Painter& p, Box b, PartGlyph glyph, bool pressed);

// --- Windows ------------------------------------------------------------------------
// The frame round a window's client area, `outer` being the whole window.
void DrawWindowFrame(Painter& p, Box outer, const WindowFrame& frame);
// A caption bar with its text.
void DrawCaptionBar(Painter& p, Box bar, const std::string& caption);

} // namespace ClassicLook
