// A rectangle of pixels as x, y, width, height: the columns x .. x + w - 1
// and the rows y .. y + h - 1. Empty when either size is not positive.
#pragma once

#include <algorithm>

struct Box {
    int x = 0, y = 0, w = 0, h = 0;

    bool Empty() const { return w <= 0 || h <= 0; }
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    Box Offset(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
    Box Inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
    bool operator==(const Box& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
    bool operator!=(const Box& o) const { return !(*this == o); }

    // The pixels both share; an empty box at (0, 0) when none.
    Box Intersect(const Box& o) const
    {
        const int l = std::max(x, o.x), t = std::max(y, o.y);
        const int r = std::min(Right(), o.Right()), b = std::min(Bottom(), o.Bottom());
        return r > l && b > t ? Box{l, t, r - l, b - t} : Box{};
    }
    // The smallest box round both; an empty box adds nothing.
    Box Union(const Box& o) const
    {
        if (Empty())
            return o;
        if (o.Empty())
            return *this;
        const int l = std::min(x, o.x), t = std::min(y, o.y);
        return {l, t, std::max(Right(), o.Right()) - l, std::max(Bottom(), o.Bottom()) - t};
    }
};
