// Drawing windows' frames and controls onto a surface, every operation
// clipped to one rectangle: a window repaints only the part that changed.
// Text goes through the framework's own FreeType renderer, as a memory
// DC's does.
#pragma once

#include <string>

#include "platform/Box.h"
#include "platform/Gdi.h"
#include "platform/Surface.h"
#include "platform/TextRenderer.h"
#include "platform/Types.h"

class Painter {
  public:
    // Draws on `surface` at an offset of (dx, dy), within `clip` (in the
    // surface's own coordinates).
    Painter(Surface& surface, Box clip, int dx = 0, int dy = 0);

    Painter Moved(int dx, int dy) const;
    // The same, drawing only within `b` (in this painter's coordinates).
    Painter Clipped(Box b) const;
    Box Clip() const { return m_clip.Offset(-m_dx, -m_dy); }

    void Fill(Box b, Pixel color);
    // A 1-px outline round `b`.
    void Frame(Box b, Pixel color);
    void HLine(int x0, int x1, int y, Pixel color); // x0..x1 inclusive
    void VLine(int x, int y0, int y1, Pixel color); // y0..y1 inclusive
    void Picture(int x, int y, const Surface& picture);
    // One line of text with its cell's top-left (or as `align` says) at (x, y).
    void Text(const FontRequest& font, int x, int y, const std::string& text, Pixel color,
              UINT align = TA_LEFT | TA_TOP);

  private:
    Surface& m_surface;
    Box m_clip; // surface coordinates
    int m_dx, m_dy;
    Surface m_scratch;
};

// Text helpers over the framework's renderer.
int TextWidth(const FontRequest& font, const std::string& text);
int LineHeight(const FontRequest& font);
int Ascent(const FontRequest& font);
