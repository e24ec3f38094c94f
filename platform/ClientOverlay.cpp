#include "platform/ClientOverlay.h"

#include "platform/ClassicLook.h"

Box ClientOverlay::Extent() const
{
    Box extent = ring ? ClassicLook::FocusRingExtent(ringAround) : Box{};
    for (const ClientPart& b : buttons)
        extent = extent.Union(b.rect);
    return extent;
}

bool ClientOverlay::operator==(const ClientOverlay& o) const
{
    if (ring != o.ring || (ring && ringAround != o.ringAround) ||
        buttons.size() != o.buttons.size())
        return false;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (!SameClientPart(buttons[i], o.buttons[i]))
            return false;
    return true;
}

ClientOverlay OverlayFor(const std::vector<ClientPart>& parts, bool ring, Box focusBox)
{
    ClientOverlay overlay;
    overlay.ring = ring && !focusBox.Empty();
    overlay.ringAround = focusBox;
    for (const ClientPart& p : parts)
        if (p.painted)
            overlay.buttons.push_back(p);
    return overlay;
}

void PaintClientOverlay(Painter& p, const ClientOverlay& overlay)
{
    for (const ClientPart& b : overlay.buttons)
        ClassicLook::DrawGlyphButton(p, b.rect, b.glyph, b.pressed);
    if (overlay.ring)
        ClassicLook::DrawFocusRing(p, overlay.ringAround);
}
