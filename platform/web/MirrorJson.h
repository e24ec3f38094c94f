// What the page's DOM mirror of the top window is built from (page.js):
// the window's accessible description as JSON, with each item's place on
// the page and the focus ring's. The page keeps native elements for it
// under the canvas, in the order a screen reader reads them: each bench part
// that comes before a control in tab order stands just before that control.
#pragma once

#include <string>
#include <vector>

#include "platform/AccessibleDescription.h"
#include "platform/ControlTable.h"

struct MirrorFacts {
    const AccessibleWindow* window = nullptr;
    const std::vector<DialogControl>* controls = nullptr;
    const std::vector<ClientPart>* parts = nullptr;
    int serial = 0;               // which window: a new one is a new mirror
    int originX = 0, originY = 0; // the client area's (0, 0) on the page
    Box ring;                     // what the focus ring goes round; empty: none
};

// {"window" (the serial), "role", "name", "focus" (the focused item's place
// in "items", or -1), "ring" ([x, y, w, h] on the page, or null),
// "ringColours" ([ring, halo] as CSS colours), "items": [{"stop" ("c" a
// control by its index, "p" a part by its ID), "index", "role", "name",
// "value", "description", "x", "y", "w", "h", "enabled", "focusable",
// "focused", "pressed", "readOnly", "min", "max", "now", "rows"}]}.
std::string MirrorJson(const MirrorFacts& facts);

// `text` as a JSON string, quotes included.
std::string JsonString(const std::string& text);
