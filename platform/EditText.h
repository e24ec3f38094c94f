// The text of an edit control and where its caret and selection stand, in
// bytes of UTF-8 that always fall on a character's first byte.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Gdi.h"

struct EditText {
    std::string text;
    std::size_t caret = 0;  // where typing goes, the moving end of the selection
    std::size_t anchor = 0; // the selection's other end; == caret when none
    int scroll = 0;         // pixels of a single line scrolled out at the left

    std::size_t SelStart() const { return caret < anchor ? caret : anchor; }
    std::size_t SelEnd() const { return caret < anchor ? anchor : caret; }
    bool HasSelection() const { return caret != anchor; }

    // Replaces the text; the caret goes to its start, as a new text's does.
    // An unchanged text is left alone, caret and selection too (a text set
    // on every timer tick costs nothing): false then.
    bool Set(const std::string& value);
    // Takes the state the page's text input reports; offsets past the end or
    // inside a character are moved to the nearest character start before.
    void Mirror(const std::string& value, std::size_t start, std::size_t end, bool backward);
    void SelectAll();
};

// The byte offset of the character boundary nearest `x` pixels from the
// text's start, in `font`.
std::size_t OffsetAtX(const FontRequest& font, const std::string& text, int x);

// Lines of `text` broken at spaces (and at '\n') so that each fits `width`
// pixels; a word longer than a line is broken inside.
std::vector<std::string> WrapText(const FontRequest& font, const std::string& text, int width);
