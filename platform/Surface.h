// A block of 32-bit RGB pixels and the raster operations the drawing classes
// are built on. Every operation clips silently to the surface.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Types.h"

// 0x00RRGGBB: the layout the window shows without conversion.
using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(COLORREF c)
{
    return static_cast<Pixel>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
}

constexpr COLORREF ColorFromPixel(Pixel p)
{
    return RGB(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
               static_cast<int>(p & 0xFF));
}

// A dotted line shows this many pixels, then leaves as many out.
constexpr int kDotLength = 3;

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels; // top-down, row-major

    Surface() = default;
    Surface(int w, int h, Pixel fill = 0);

    // Changes the size; every pixel becomes `fill`. Negative sizes become 0.
    void Reset(int w, int h, Pixel fill = 0);

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // The pixel at (x, y), which must lie on the surface.
    Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Pixel* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const Pixel* Row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }

    void SetPixel(int x, int y, Pixel p);

    // Fills x..x+cx-1, y..y+cy-1.
    void FillRect(int x, int y, int cx, int cy, Pixel p);

    // Copies the cx x cy block at (xSrc, ySrc) of `src` to (x, y). Pixels
    // whose source or destination lies off its surface are left alone. `src`
    // may be this surface; overlapping blocks copy as if through a buffer.
    void CopyFrom(int x, int y, int cx, int cy, const Surface& src, int xSrc, int ySrc);

    // The 1-px line from (x0, y0) up to but not including (x1, y1), the
    // pixels chosen as Bresenham chooses them (a tie stays on the start side).
    void DrawLine(int x0, int y0, int x1, int y1, Pixel color);

    // The same pixels, dotted: pixel i of the line is pattern position
    // `phase` + i; positions 0..2 of each six are dots, 3..5 gaps. Gaps are
    // painted in *gap when given, otherwise left alone. Returns the position
    // after the line, for a line drawn on from its end.
    int DrawDottedLine(int x0, int y0, int x1, int y1, Pixel color, const Pixel* gap, int phase);

    // A line `width` pixels wide with round ends: every pixel whose centre
    // (x + 0.5, y + 0.5) lies strictly closer than width / 2 to the segment.
    // The segment runs between the end points' pixel centres for an odd
    // width and between their pixel corners for an even one, so a line along
    // a row or column at c covers c - width / 2 .. c - width / 2 + width - 1
    // across. A segment of zero length paints a disk.
    void DrawWideLine(int x0, int y0, int x1, int y1, int width, Pixel color);

    // Brings this surface, a copy of `now` as last shown, up to date with
    // it, and returns the smallest box round every pixel that differed
    // (width 0 when none did). Both must be the same size. A window that
    // shows only what changed asks this after each drawing.
    struct Change {
        int x = 0, y = 0, w = 0, h = 0;
    };
    Change CatchUpWith(const Surface& now);

  private:
    void DrawAxisWideLine(int x0, int y0, int x1, int y1, int width, Pixel color);
};
