// What a backend paints over a window's client area and never into the
// window's own pixels: the focus ring round the focused control or part
// once a key has been used in the window, and the buttons the window asks
// it to paint. Every backend paints it with this, the same pixels.
#pragma once

#include <vector>

#include "platform/ClientPart.h"
#include "platform/Painter.h"

struct ClientOverlay {
    bool ring = false; // the ring shows: keyboard cues are on and a stop has the focus
    Box ringAround;    // what it goes round, client pixels
    std::vector<ClientPart> buttons; // the parts the window has the backend paint

    bool Empty() const { return !ring && buttons.empty(); }
    // The client pixels the overlay covers; a backend repaints them when it
    // changes.
    Box Extent() const;
    bool operator==(const ClientOverlay& o) const;
    bool operator!=(const ClientOverlay& o) const { return !(*this == o); }
};

// The overlay of a window whose parts are `parts`, with the ring round
// `focusBox` when `ring`.
ClientOverlay OverlayFor(const std::vector<ClientPart>& parts, bool ring, Box focusBox);

// Paints `overlay` with `p` (client coordinates).
void PaintClientOverlay(Painter& p, const ClientOverlay& overlay);
