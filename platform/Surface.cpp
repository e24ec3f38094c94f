#include "platform/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

using i64 = std::int64_t;

// Coordinates further out than this are pulled in before any arithmetic so
// that the products below fit in 64 bits; nothing real is drawn that far out.
constexpr i64 kCoordLimit = i64{1} << 28;
constexpr int kWidthLimit = 1 << 16;
constexpr int kDotPeriod = 2 * kDotLength;

i64 ClampCoord(int v)
{
    return std::clamp<i64>(v, -kCoordLimit, kCoordLimit);
}

i64 Abs(i64 v)
{
    return v < 0 ? -v : v;
}

// The steps first..last of a walk from `start` by `step` (+1 or -1), `steps`
// long, that stay within 0..limit - 1; none when first > last.
void StepsOnSurface(i64 start, i64 step, i64 steps, i64 limit, i64& first, i64& last)
{
    first = std::max<i64>(step > 0 ? -start : start - (limit - 1), 0);
    last = std::min<i64>(step > 0 ? limit - 1 - start : start, steps - 1);
}

// Calls plot(i, x, y) for every on-surface pixel of the 1-px line from
// (x0, y0) to (x1, y1), i counting the steps from the start; the end point is
// not a step. Returns the number of steps. The minor coordinate of step i is
// i * dm / dM rounded to nearest, a tie staying on the start side, which is
// what the incremental Bresenham loop yields; the closed form lets the steps
// off the surface be skipped.
template <typename Plot> i64 WalkLine(const Surface& s, int x0, int y0, int x1, int y1, Plot plot)
{
    const i64 ax = ClampCoord(x0), ay = ClampCoord(y0);
    const i64 bx = ClampCoord(x1), by = ClampCoord(y1);
    const bool xMajor = Abs(bx - ax) >= Abs(by - ay);
    const i64 majorStart = xMajor ? ax : ay;
    const i64 minorStart = xMajor ? ay : ax;
    const i64 majorDelta = xMajor ? bx - ax : by - ay;
    const i64 minorDelta = xMajor ? by - ay : bx - ax;
    const i64 dM = Abs(majorDelta);
    const i64 dm = Abs(minorDelta);
    const i64 majorStep = majorDelta >= 0 ? 1 : -1;
    const i64 minorStep = minorDelta >= 0 ? 1 : -1;
    const i64 limit = xMajor ? s.width : s.height;

    i64 first = 0, last = 0;
    StepsOnSurface(majorStart, majorStep, dM, limit, first, last);
    for (i64 i = first; i <= last; ++i) {
        const i64 major = majorStart + majorStep * i;
        // Lines along an axis skip the division.
        const i64 minor =
            dm == 0 ? minorStart : minorStart + minorStep * ((2 * i * dm + dM - 1) / (2 * dM));
        const i64 x = xMajor ? major : minor;
        const i64 y = xMajor ? minor : major;
        if (x >= 0 && y >= 0 && x < s.width && y < s.height)
            plot(i, static_cast<int>(x), static_cast<int>(y));
    }
    return dM;
}

// Exact comparison a * b < c * d of non-negative 64-bit values, through a
// 128-bit product built from 32-bit halves.
struct U128 {
    std::uint64_t hi, lo;
};

U128 Multiply(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t aLo = a & 0xFFFFFFFFu, aHi = a >> 32;
    const std::uint64_t bLo = b & 0xFFFFFFFFu, bHi = b >> 32;
    const std::uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
    const std::uint64_t mid = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
    return {hh + (lh >> 32) + (hl >> 32) + (mid >> 32), (mid << 32) | (ll & 0xFFFFFFFFu)};
}

bool ProductLess(i64 a, i64 b, i64 c, i64 d)
{
    const U128 left = Multiply(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b));
    const U128 right = Multiply(static_cast<std::uint64_t>(c), static_cast<std::uint64_t>(d));
    return left.hi != right.hi ? left.hi < right.hi : left.lo < right.lo;
}

// Coordinate c in doubled units, where pixel centres are odd: a pen of odd
// width is centred on the pixel's centre (2c + 1), so that it covers its
// middle pixel and (w - 1) / 2 on each side; an even one on its corner (2c).
i64 Doubled(int c, int width)
{
    return 2 * ClampCoord(c) + (width % 2);
}

// The set of points closer than width / 2 to a segment. The exact test works
// in doubled coordinates, where pixel centres and end points are integers and
// the radius is the width itself; a quick floating-point pass finds each
// row's span, and the exact test then settles its two end pixels.
class Capsule {
  public:
    Capsule(int x0, int y0, int x1, int y1, int width)
        : m_ax(Doubled(x0, width)), m_ay(Doubled(y0, width)), m_bx(Doubled(x1, width)),
          m_by(Doubled(y1, width)), m_dx(m_bx - m_ax), m_dy(m_by - m_ay),
          m_len2(m_dx * m_dx + m_dy * m_dy), m_width(std::clamp(width, 0, kWidthLimit))
    {
    }

    bool Contains(int px, int py) const
    {
        const i64 vx = 2 * i64{px} + 1 - m_ax, vy = 2 * i64{py} + 1 - m_ay;
        const i64 w2 = i64{m_width} * m_width;
        const i64 t = vx * m_dx + vy * m_dy;
        if (m_len2 == 0 || t <= 0)
            return vx * vx + vy * vy < w2;
        if (t >= m_len2) {
            const i64 ux = 2 * i64{px} + 1 - m_bx, uy = 2 * i64{py} + 1 - m_by;
            return ux * ux + uy * uy < w2;
        }
        const i64 cross = Abs(vx * m_dy - vy * m_dx);
        return ProductLess(cross, cross, w2, m_len2);
    }

    // The rows any pixel of the capsule may lie in.
    int FirstRow() const { return ClampRow(std::min(m_ay, m_by) / 2 - m_width / 2 - 2); }
    int LastRow() const { return ClampRow(std::max(m_ay, m_by) / 2 + m_width / 2 + 2); }

    // An estimate of the span of x covered on the line y = yc, in pixel
    // units: the union of the two end disks and the body, with a radius a
    // little too large so that rounding never loses a pixel Contains wants.
    bool RowSpan(double yc, double& lo, double& hi) const
    {
        const double r = m_width / 2.0 + 1e-3;
        const double ax = m_ax / 2.0, ay = m_ay / 2.0, bx = m_bx / 2.0, by = m_by / 2.0;
        const double dx = m_dx / 2.0, dy = m_dy / 2.0, len2 = m_len2 / 4.0;
        lo = std::numeric_limits<double>::infinity();
        hi = -lo;
        AddDisk(ax, ay, r, yc, lo, hi);
        AddDisk(bx, by, r, yc, lo, hi);
        if (len2 > 0) {
            const double vy = yc - ay;
            double bodyLo = -std::numeric_limits<double>::infinity();
            double bodyHi = -bodyLo;
            if (dy == 0) {
                if (std::abs(vy) >= r)
                    return lo < hi;
            } else {
                // |cross| < r * len, cross = (x - ax) * dy - vy * dx.
                const double reach = r * std::sqrt(len2);
                const double e1 = ax + (vy * dx - reach) / dy, e2 = ax + (vy * dx + reach) / dy;
                bodyLo = std::min(e1, e2);
                bodyHi = std::max(e1, e2);
            }
            // 0 <= t <= len2, t = (x - ax) * dx + vy * dy.
            if (dx == 0) {
                if (vy * dy < 0 || vy * dy > len2)
                    return lo < hi;
            } else {
                const double e1 = ax - vy * dy / dx, e2 = ax + (len2 - vy * dy) / dx;
                bodyLo = std::max(bodyLo, std::min(e1, e2));
                bodyHi = std::min(bodyHi, std::max(e1, e2));
            }
            if (bodyLo < bodyHi) {
                lo = std::min(lo, bodyLo);
                hi = std::max(hi, bodyHi);
            }
        }
        return lo < hi;
    }

  private:
    static int ClampRow(i64 row)
    {
        return static_cast<int>(std::clamp<i64>(row, -1, std::numeric_limits<int>::max() - 1));
    }

    static void AddDisk(double cx, double cy, double r, double yc, double& lo, double& hi)
    {
        const double dy = yc - cy;
        if (std::abs(dy) >= r)
            return;
        const double half = std::sqrt(r * r - dy * dy);
        lo = std::min(lo, cx - half);
        hi = std::max(hi, cx + half);
    }

    i64 m_ax, m_ay, m_bx, m_by, m_dx, m_dy, m_len2;
    int m_width;
};

} // namespace

Surface::Surface(int w, int h, Pixel fill)
{
    Reset(w, h, fill);
}

void Surface::Reset(int w, int h, Pixel fill)
{
    width = std::max(w, 0);
    height = std::max(h, 0);
    pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void Surface::SetPixel(int x, int y, Pixel p)
{
    if (Contains(x, y))
        Row(y)[x] = p;
}

void Surface::FillRect(int x, int y, int cx, int cy, Pixel p)
{
    const i64 left = std::max<i64>(x, 0), right = std::min<i64>(i64{x} + cx, width);
    const i64 top = std::max<i64>(y, 0), bottom = std::min<i64>(i64{y} + cy, height);
    if (left >= right || top >= bottom)
        return;
    // Fill one row, then copy it: the copy runs at memory speed.
    Pixel* first = Row(static_cast<int>(top)) + left;
    std::fill(first, first + (right - left), p);
    const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(Pixel);
    for (i64 row = top + 1; row < bottom; ++row)
        std::memcpy(Row(static_cast<int>(row)) + left, first, bytes);
}

void Surface::CopyFrom(int x, int y, int cx, int cy, const Surface& src, int xSrc, int ySrc)
{
    i64 dx = x, dy = y, sx = xSrc, sy = ySrc, w = cx, h = cy;
    const i64 skipX = std::max<i64>({0, -dx, -sx});
    const i64 skipY = std::max<i64>({0, -dy, -sy});
    dx += skipX;
    sx += skipX;
    w -= skipX;
    dy += skipY;
    sy += skipY;
    h -= skipY;
    w = std::min<i64>({w, width - dx, src.width - sx});
    h = std::min<i64>({h, height - dy, src.height - sy});
    if (w <= 0 || h <= 0)
        return;
    const std::size_t bytes = static_cast<std::size_t>(w) * sizeof(Pixel);
    // Copying within one surface downwards must start from the bottom row.
    const bool upwards = &src == this && dy > sy;
    for (i64 k = 0; k < h; ++k) {
        const i64 row = upwards ? h - 1 - k : k;
        Pixel* to = Row(static_cast<int>(dy + row)) + dx;
        const Pixel* from = src.Row(static_cast<int>(sy + row)) + sx;
        // Rows of two surfaces never overlap; a row copied within one may.
        // (Under AddressSanitizer, memmove goes byte by byte.)
        if (&src == this)
            std::memmove(to, from, bytes);
        else
            std::memcpy(to, from, bytes);
    }
}

void Surface::DrawLine(int x0, int y0, int x1, int y1, Pixel color)
{
    WalkLine(*this, x0, y0, x1, y1, [&](i64, int x, int y) { Row(y)[x] = color; });
}

int Surface::DrawDottedLine(int x0, int y0, int x1, int y1, Pixel color, const Pixel* gap,
                            int phase)
{
    const i64 start = ((phase % kDotPeriod) + kDotPeriod) % kDotPeriod;
    if (y0 == y1 && y0 >= 0 && y0 < height) {
        // A level line, the commonest dotted line: the same steps as the
        // walk below, along one row, the pattern kept by a counter.
        const i64 ax = ClampCoord(x0), bx = ClampCoord(x1);
        const i64 steps = Abs(bx - ax), step = bx >= ax ? 1 : -1;
        i64 first = 0, last = 0;
        StepsOnSurface(ax, step, steps, width, first, last);
        Pixel* row = Row(y0);
        i64 dot = (start + first) % kDotPeriod;
        for (i64 i = first; i <= last; ++i) {
            Pixel& p = row[ax + step * i];
            if (dot < kDotLength)
                p = color;
            else if (gap)
                p = *gap;
            if (++dot == kDotPeriod)
                dot = 0;
        }
        return static_cast<int>((start + steps) % kDotPeriod);
    }
    const i64 steps = WalkLine(*this, x0, y0, x1, y1, [&](i64 i, int x, int y) {
        if ((start + i) % kDotPeriod < kDotLength)
            Row(y)[x] = color;
        else if (gap)
            Row(y)[x] = *gap;
    });
    return static_cast<int>((start + steps) % kDotPeriod);
}

// A wide line along a row or a column: the same pixels as the general case
// (centres strictly within width / 2 of the segment), found with integer
// arithmetic in doubled coordinates. Most wide lines a drawing has are such
// lines, and an animation may draw a dozen of them 20 times a second.
void Surface::DrawAxisWideLine(int x0, int y0, int x1, int y1, int w, Pixel color)
{
    const bool vertical = x0 == x1;
    // Along: the coordinate that runs along the segment; across: the other.
    const i64 across = Doubled(vertical ? x0 : y0, w);
    const i64 lo = Doubled(std::min(vertical ? y0 : x0, vertical ? y1 : x1), w);
    const i64 hi = Doubled(std::max(vertical ? y0 : x0, vertical ? y1 : x1), w);
    const i64 w2 = i64{w} * w;
    const i64 reach = w / 2 + 1;
    const i64 rows = vertical ? height : width;
    const i64 cols = vertical ? width : height;
    const i64 firstAlong = std::max<i64>(lo / 2 - reach, 0);
    const i64 lastAlong = std::min<i64>(hi / 2 + reach, rows - 1);
    const i64 firstAcross = std::max<i64>(across / 2 - reach, 0);
    const i64 lastAcross = std::min<i64>(across / 2 + reach, cols - 1);
    // The pixels across at `outside` half-pixels beyond the segment's ends:
    // those whose centre lies strictly within w/2 of the segment.
    auto span = [&](i64 outside, i64& first, i64& last) {
        const i64 room = w2 - outside * outside;
        first = -1;
        last = -2;
        for (i64 b = firstAcross; b <= lastAcross && room > 0; ++b) {
            const i64 d = 2 * b + 1 - across;
            if (d * d < room) {
                if (first < 0)
                    first = b;
                last = b;
            }
        }
        return first >= 0;
    };
    // Fills along a0..a1 and across first..last, a row at a time.
    auto fill = [&](i64 a0, i64 a1, i64 first, i64 last) {
        if (vertical) {
            for (i64 a = a0; a <= a1; ++a)
                std::fill(Row(static_cast<int>(a)) + first, Row(static_cast<int>(a)) + last + 1,
                          color);
        } else {
            for (i64 b = first; b <= last; ++b)
                std::fill(Row(static_cast<int>(b)) + a0, Row(static_cast<int>(b)) + a1 + 1, color);
        }
    };
    i64 a = firstAlong;
    while (a <= lastAlong) {
        const i64 c = 2 * a + 1;
        const i64 outside = c < lo ? lo - c : (c > hi ? c - hi : 0);
        // Beside the segment every line across has the same span: fill that
        // stretch at once. The round ends change it from one line to the next.
        const i64 end = outside == 0 ? std::min<i64>((hi - 1) / 2, lastAlong) : a;
        i64 first = 0, last = 0;
        if (span(outside, first, last))
            fill(a, end, first, last);
        a = end + 1;
    }
}

void Surface::DrawWideLine(int x0, int y0, int x1, int y1, int w, Pixel color)
{
    if ((x0 == x1 || y0 == y1) && w > 0 && w <= kWidthLimit) {
        DrawAxisWideLine(x0, y0, x1, y1, w, color);
        return;
    }
    const Capsule capsule(x0, y0, x1, y1, w);
    const int firstRow = std::max(capsule.FirstRow(), 0);
    const int lastRow = std::min(capsule.LastRow(), height - 1);
    for (int y = firstRow; y <= lastRow; ++y) {
        double lo = 0, hi = 0;
        if (!capsule.RowSpan(y + 0.5, lo, hi))
            continue;
        // Pixel x is in when lo < x + 0.5 < hi; widen the estimate by two
        // pixels each way and let the exact test trim it.
        const double first = std::max(std::floor(lo - 0.5) - 2, 0.0);
        const double last = std::min(std::ceil(hi - 0.5) + 2, width - 1.0);
        if (first > last)
            continue;
        int xs = static_cast<int>(first), xe = static_cast<int>(last);
        while (xs <= xe && !capsule.Contains(xs, y))
            ++xs;
        while (xe >= xs && !capsule.Contains(xe, y))
            --xe;
        if (xs <= xe)
            std::fill(Row(y) + xs, Row(y) + xe + 1, color);
    }
}

Surface::Change Surface::CatchUpWith(const Surface& now)
{
    const int w = width;
    const std::size_t rowBytes = static_cast<std::size_t>(w) * sizeof(Pixel);
    int top = -1, bottom = -1, left = w, right = -1;
    for (int y = 0; y < height; ++y) {
        const Pixel* fresh = now.Row(y);
        Pixel* shown = Row(y);
        if (std::memcmp(fresh, shown, rowBytes) == 0)
            continue;
        int l = 0;
        while (fresh[l] == shown[l])
            ++l;
        int r = w - 1;
        while (fresh[r] == shown[r])
            --r;
        left = std::min(left, l);
        right = std::max(right, r);
        if (top < 0)
            top = y;
        bottom = y;
        std::memcpy(shown + l, fresh + l, static_cast<std::size_t>(r - l + 1) * sizeof(Pixel));
    }
    if (top < 0)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}
