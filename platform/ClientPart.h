// A part of a window's client area that the window declares because it
// means something on its own there: a picture the student turns or moves, a
// reading, a table of noted rows, a button the window paints itself. The
// framework keeps the parts of each window; a backend takes the focusable
// ones into the tab order, paints the ones the window asks it to paint over
// the client area, and tells assistive technology about all of them.
#pragma once

#include <string>
#include <vector>

#include "platform/Box.h"

enum class PartRole {
    PushButton, // activating it sends the window WM_COMMAND with the part's ID
    Toggle,     // two states and the turn between them; `value` says which
    Slider,     // a position between `minimum` and `maximum`; `value` says it in words
    Text,       // a reading: `value` is what it shows
    Table,      // `rows`, the first of them the column headings
};

// What a button the window paints itself shows on its face.
enum class PartGlyph { None, ArrowUp, ArrowDown };

struct ClientPart {
    int id = 0; // named with the window's control IDs, and distinct from them
    PartRole role = PartRole::Text;
    std::string name;        // what it is called ("Clau de pas")
    std::string value;       // what it shows or where it stands now, as a sentence says it
    std::string description; // more about it, read after the value
    Box rect;                // in client pixels
    bool focusable = false;  // a tab stop
    // The control (by ID) it comes just before in tab order; 0: after the
    // last control.
    int before = 0;
    double minimum = 0, maximum = 0, now = 0; // a slider's range and position
    bool pressed = false;                     // a toggle that is on, or a painted button held down
    std::vector<std::vector<std::string>> rows; // a table's cells, headings first
    // The window asks its backend to paint it over the client area (never
    // into the window's own pixels), as a push button with `glyph` on it.
    bool painted = false;
    PartGlyph glyph = PartGlyph::None;
};

// Whether two declarations of a part say the same.
inline bool SameClientPart(const ClientPart& a, const ClientPart& b)
{
    return a.id == b.id && a.role == b.role && a.name == b.name && a.value == b.value &&
           a.description == b.description && a.rect == b.rect && a.focusable == b.focusable &&
           a.before == b.before && a.minimum == b.minimum && a.maximum == b.maximum &&
           a.now == b.now && a.pressed == b.pressed && a.rows == b.rows && a.painted == b.painted &&
           a.glyph == b.glyph;
}
