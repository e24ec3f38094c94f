// The raster under the drawing classes: lines, wide lines, dotted lines,
// fills and copies, checked pixel by pixel on small surfaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>

#include "platform/Dc.h"
#include "platform/Surface.h"

namespace {

constexpr Pixel kPaper = 0x00FFFFFF;
constexpr Pixel kInk = 0x00000000;

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Painted(const Surface& s)
{
    PixelSet set;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (s.At(x, y) != kPaper)
                set.insert({x, y});
    return set;
}

// The textbook incremental loop, for comparison: a tie stays on the start side.
PixelSet ReferenceBresenham(int x0, int y0, int x1, int y1)
{
    PixelSet set;
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int steps = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    int x = x0, y = y0, d = 2 * minor - steps;
    for (int i = 0; i < steps; ++i) {
        set.insert({x, y});
        if (d > 0) {
            (xMajor ? y : x) += xMajor ? sy : sx;
            d -= 2 * steps;
        }
        d += 2 * minor;
        (xMajor ? x : y) += xMajor ? sx : sy;
    }
    return set;
}

} // namespace

TEST(SurfaceTest, ThinLineRunsFromItsStartUpToItsEndInEveryDirection)
{
    Surface s(8, 8, kPaper);
    s.DrawLine(0, 0, 5, 2, kInk);
    EXPECT_EQ(Painted(s), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));

    for (int x1 = -7; x1 <= 7; ++x1)
        for (int y1 = -7; y1 <= 7; ++y1) {
            Surface t(15, 15, kPaper);
            t.DrawLine(7, 7, 7 + x1, 7 + y1, kInk);
            ASSERT_EQ(Painted(t), ReferenceBresenham(7, 7, 7 + x1, 7 + y1)) << x1 << "," << y1;
            ASSERT_EQ(t.At(7, 7) == kInk, x1 != 0 || y1 != 0);
            ASSERT_NE(t.At(7 + x1, 7 + y1), kInk);
        }

    Surface clipped(5, 5, kPaper);
    clipped.DrawLine(-100, 2, 100, 2, kInk);
    clipped.DrawLine(3, 1000, 3, -1000, kInk);
    EXPECT_EQ(Painted(clipped).size(), 9u);
}

TEST(SurfaceTest, WideLineCoversCentresStrictlyWithinHalfItsWidth)
{
    Surface s(100, 120, kPaper);
    s.DrawWideLine(-10, 77, 50, 77, 34, kInk);
    for (int y = 0; y < 120; ++y) {
        const bool inBand = y >= 60 && y <= 93;
        EXPECT_EQ(s.At(0, y) == kInk, inBand) << "row " << y;
        EXPECT_EQ(s.At(20, y) == kInk, inBand) << "row " << y;
    }
    EXPECT_EQ(s.At(66, 77), kInk); // round end: 50 + 17, centre 66.5 inside
    EXPECT_EQ(s.At(67, 77), kPaper);

    // An odd width is centred on the pixel's centre: 3 px at y 10 covers
    // rows 9..11, not the two rows a 2-px line covers.
    Surface odd(10, 20, kPaper);
    odd.DrawWideLine(2, 10, 7, 10, 3, kInk);
    odd.DrawWideLine(2, 15, 7, 15, 2, kInk);
    for (int y = 7; y <= 17; ++y)
        EXPECT_EQ(odd.At(4, y) == kInk, (y >= 9 && y <= 11) || y == 14 || y == 15) << "row " << y;

    Surface bench(600, 400, kPaper);
    bench.DrawWideLine(-10, 391, 215, 391, 34, kInk);
    EXPECT_EQ(bench.At(100, 373), kPaper);
    for (int y = 374; y < 400; ++y)
        EXPECT_EQ(bench.At(100, y), kInk) << "row " << y;
    EXPECT_EQ(bench.At(231, 391), kInk);
    EXPECT_EQ(bench.At(232, 391), kPaper);
    EXPECT_EQ(bench.At(218, 374), kInk);   // the end rounds off: at the edge row
    EXPECT_EQ(bench.At(219, 374), kPaper); // it reaches only about 4 px past 215
}

TEST(SurfaceTest, WidePenCoversItsWidthAcrossForEveryWidth)
{
    for (int w : {2, 3, 4, 5, 6, 7, 8, 9, 23, 34}) {
        // Along a row at y 40 and down a column at x 40, well inside.
        Surface s(100, 100, kPaper);
        s.DrawWideLine(10, 40, 90, 40, w, kInk);
        s.DrawWideLine(40, 10, 40, 90, w, kInk);
        const int first = 40 - w / 2, last = first + w - 1;
        for (int c = 0; c < 100; ++c) {
            const bool across = c >= first && c <= last;
            ASSERT_EQ(s.At(70, c) == kInk, across) << "width " << w << ", row " << c;
            ASSERT_EQ(s.At(c, 70) == kInk, across) << "width " << w << ", column " << c;
        }
    }
    // The manometer's columns and hoses: 7 px at x 260, 23 px at x 358.
    Surface bench(600, 400, kPaper);
    bench.DrawWideLine(260, 250, 260, 400, 7, kInk);
    bench.DrawWideLine(358, 380, 358, 420, 23, kInk);
    for (int x = 250; x < 375; ++x) {
        EXPECT_EQ(bench.At(x, 300) == kInk, x >= 257 && x <= 263) << "x " << x;
        EXPECT_EQ(bench.At(x, 399) == kInk, (x >= 257 && x <= 263) || (x >= 347 && x <= 369))
            << "x " << x;
    }
    EXPECT_EQ(bench.At(260, 247), kInk); // the round end reaches 3.5 above 250.5
    EXPECT_EQ(bench.At(260, 246), kPaper);
}

TEST(SurfaceTest, OddWidthsEndRoundAndSymmetric)
{
    // A segment centred on pixel centres, mirrored about its middle pixel,
    // paints the mirror image of itself: both ends are alike.
    for (int w : {3, 5, 7, 9, 23}) {
        Surface s(80, 80, kPaper);
        s.DrawWideLine(30, 40, 50, 40, w, kInk);
        s.DrawWideLine(40, 20, 40, 30, w, kInk);
        const PixelSet painted = Painted(s);
        for (const auto& [x, y] : painted)
            ASSERT_TRUE(painted.count({80 - x, y})) << "width " << w << ": " << x << "," << y;
        EXPECT_TRUE(painted.count({30 - w / 2, 40})) << "width " << w;
        EXPECT_FALSE(painted.count({30 - w / 2 - 1, 40})) << "width " << w;
        EXPECT_TRUE(painted.count({40, 20 - w / 2})) << "width " << w;
        EXPECT_FALSE(painted.count({40, 20 - w / 2 - 1})) << "width " << w;
    }
    // A dot of odd width is a disk round its pixel: 5 px is a 5 x 5 square
    // without its corners.
    Surface dot(9, 9, kPaper);
    dot.DrawWideLine(4, 4, 4, 4, 5, kInk);
    PixelSet disk;
    for (int y = 2; y <= 6; ++y)
        for (int x = 2; x <= 6; ++x)
            if ((x - 4) * (x - 4) + (y - 4) * (y - 4) < 8)
                disk.insert({x, y});
    EXPECT_EQ(Painted(dot), disk);
}

TEST(SurfaceTest, ZeroLengthWideLineIsADisk)
{
    Surface s(20, 20, kPaper);
    s.DrawWideLine(10, 10, 10, 10, 6, kInk);
    PixelSet expected;
    for (int y = 7; y <= 12; ++y)
        for (int x = 7; x <= 12; ++x)
            if (!((x == 7 || x == 12) && (y == 7 || y == 12)))
                expected.insert({x, y});
    EXPECT_EQ(Painted(s), expected);
}

TEST(SurfaceTest, ConnectedWideLinesJoinRound)
{
    Surface s(50, 50, kPaper);
    CDC dc;
    dc.AttachSurface(&s);
    CPen pen(PS_SOLID, 10, RGB(0, 0, 0));
    ASSERT_NE(dc.SelectObject(&pen), nullptr);
    dc.MoveTo(10, 30);
    dc.LineTo(30, 30);
    dc.LineTo(30, 10);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(30, 10));
    EXPECT_EQ(s.At(33, 33), kInk);   // 4.95 from the corner
    EXPECT_EQ(s.At(34, 34), kPaper); // a square join would fill it
    EXPECT_EQ(s.At(34, 30), kInk);
    EXPECT_EQ(s.At(30, 34), kInk);
}

TEST(SurfaceTest, DottedLinesKeepTheirPatternAlongARun)
{
    const Pixel green = 0x0000FF00, red = PixelFromColor(RGB(255, 0, 0));
    const Pixel blue = PixelFromColor(RGB(0, 0, 255));
    Surface s(12, 12, green);
    CDC dc;
    dc.AttachSurface(&s);
    CPen dotted(PS_DOT, 1, RGB(255, 0, 0));
    dc.SelectObject(&dotted);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(0, 0);
    dc.LineTo(10, 0);
    dc.LineTo(10, 10); // positions 10.. of the pattern: two gaps come first
    const char* row = "RRRGGGRRRGG";
    for (int x = 0; x <= 10; ++x)
        EXPECT_EQ(s.At(x, 0), row[x] == 'R' ? red : green) << "x " << x;
    const char* column = "GGRRRGGGRRG";
    for (int y = 0; y <= 10; ++y)
        EXPECT_EQ(s.At(10, y), column[y] == 'R' ? red : green) << "y " << y;

    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(0, 0, 255));
    dc.MoveTo(0, 5); // starts the pattern afresh
    dc.LineTo(8, 5);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(s.At(x, 5), (x % 6) < 3 ? red : blue) << "x " << x;
    EXPECT_EQ(s.At(8, 5), green);

    CPen wide(PS_DOT, 2, RGB(255, 0, 0));
    dc.SelectObject(&wide);
    dc.MoveTo(0, 9);
    dc.LineTo(9, 9);
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(s.At(x, 8), red) << "x " << x;
}

TEST(SurfaceTest, DottedLevelLinesCountTheirStepsOffTheSurfaceToo)
{
    const Pixel red = PixelFromColor(RGB(255, 0, 0));
    Surface s(12, 12, kPaper);
    CDC dc;
    dc.AttachSurface(&s);
    CPen dotted(PS_DOT, 1, RGB(255, 0, 0));
    dc.SelectObject(&dotted);
    dc.SetBkMode(TRANSPARENT);
    // From seven pixels left of the surface: x 0 is the pattern's step 7.
    dc.MoveTo(-7, 2);
    dc.LineTo(30, 2);
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(s.At(x, 2), (x + 7) % 6 < 3 ? red : kPaper) << "x " << x;
    // Leftwards from x 20: x 11 is step 9; the 23 steps carry on into the
    // next segment at step 5 of the pattern.
    dc.MoveTo(20, 4);
    dc.LineTo(-3, 4);
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(s.At(x, 4), (20 - x) % 6 < 3 ? red : kPaper) << "x " << x;
    dc.LineTo(-3, 8);
    // A row off the surface draws nothing and still counts: down column 6
    // from row -1, row y is step 7 + y.
    dc.MoveTo(0, -1);
    dc.LineTo(6, -1);
    dc.LineTo(6, 12);
    for (int y = 5; y < 12; ++y)
        EXPECT_EQ(s.At(6, y), (y + 7) % 6 < 3 ? red : kPaper) << "y " << y;
}

TEST(SurfaceTest, FilledRectangleLeavesOutRightColumnAndBottomRow)
{
    Surface s(10, 10, kPaper);
    CDC dc;
    dc.AttachSurface(&s);
    dc.FillSolidRect(CRect(2, 3, 5, 7), RGB(0, 0, 0));
    PixelSet expected;
    for (int y = 3; y < 7; ++y)
        for (int x = 2; x < 5; ++x)
            expected.insert({x, y});
    EXPECT_EQ(Painted(s), expected);

    dc.FillSolidRect(-5, 8, 7, 100, RGB(0, 0, 0));
    EXPECT_EQ(Painted(s).size(), expected.size() + 4);
}

TEST(SurfaceTest, CopiesClipAtEveryEdge)
{
    Surface src(4, 4);
    for (int i = 0; i < 16; ++i)
        src.pixels[i] = static_cast<Pixel>(i + 1);
    auto copy = [&](int x, int y, int xs, int ys) {
        Surface dst(6, 6, kPaper);
        dst.CopyFrom(x, y, 4, 4, src, xs, ys);
        return dst;
    };
    Surface topLeft = copy(-2, -1, 0, 0);
    EXPECT_EQ(topLeft.At(0, 0), src.At(2, 1));
    EXPECT_EQ(Painted(topLeft).size(), 6u);

    Surface bottomRight = copy(4, 4, 0, 0);
    EXPECT_EQ(bottomRight.At(5, 5), src.At(1, 1));
    EXPECT_EQ(Painted(bottomRight).size(), 4u);

    // Source rows and columns outside the source leave the destination alone.
    Surface partly = copy(1, 1, 2, -1);
    EXPECT_EQ(partly.At(1, 1), kPaper);
    EXPECT_EQ(partly.At(1, 2), src.At(2, 0));
    EXPECT_EQ(partly.At(3, 2), kPaper);
    EXPECT_EQ(Painted(partly).size(), 6u);

    Surface self(6, 1);
    for (int i = 0; i < 6; ++i)
        self.pixels[i] = static_cast<Pixel>(i);
    self.CopyFrom(1, 0, 5, 1, self, 0, 0);
    EXPECT_EQ(self.pixels, (std::vector<Pixel>{0, 0, 1, 2, 3, 4}));
}

// Lines along a row or a column take a faster path; they must paint exactly
// the pixels whose centres lie strictly within width / 2 of the segment.
TEST(SurfaceTest, AxisLinesMatchTheDistanceRule)
{
    std::mt19937 random(11);
    for (int n = 0; n < 400; ++n) {
        Surface s(64, 48, 0);
        const int x0 = static_cast<int>(random() % 80) - 8,
                  y0 = static_cast<int>(random() % 64) - 8;
        const int len = static_cast<int>(random() % 50) - 25;
        const bool vertical = random() % 2 == 0;
        const int x1 = vertical ? x0 : x0 + len, y1 = vertical ? y0 + len : y0;
        const int w = 2 + static_cast<int>(random() % 36);
        s.DrawWideLine(x0, y0, x1, y1, w, 1);
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                // Doubled coordinates: centre (2x + 1, 2y + 1), radius w.
                // The segment joins pixel centres for an odd w, corners for
                // an even one.
                const long cx = 2 * x + 1, cy = 2 * y + 1, centre = w % 2;
                const long lo = 2 * std::min(vertical ? y0 : x0, vertical ? y1 : x1) + centre;
                const long hi = 2 * std::max(vertical ? y0 : x0, vertical ? y1 : x1) + centre;
                const long along = vertical ? cy : cx, across = vertical ? cx : cy;
                const long axis = 2 * (vertical ? x0 : y0) + centre;
                const long out = along < lo ? lo - along : (along > hi ? along - hi : 0);
                const bool in = out * out + (across - axis) * (across - axis) < long{w} * w;
                ASSERT_EQ(s.At(x, y) == 1, in) << n << ": " << x << "," << y;
            }
        }
    }
}

// Slanted lines, every direction and width: against a distance computed
// exactly in doubled coordinates (segment ends on pixel centres for an odd
// width, on pixel corners for an even one).
TEST(SurfaceTest, SlantedLinesMatchTheDistanceRule)
{
    std::mt19937 random(23);
    for (int n = 0; n < 300; ++n) {
        Surface s(48, 48, 0);
        const int x0 = static_cast<int>(random() % 60) - 6,
                  y0 = static_cast<int>(random() % 60) - 6;
        const int x1 = static_cast<int>(random() % 60) - 6,
                  y1 = static_cast<int>(random() % 60) - 6;
        const int w = 2 + static_cast<int>(random() % 14);
        s.DrawWideLine(x0, y0, x1, y1, w, 1);
        const long o = w % 2;
        const long ax = 2 * x0 + o, ay = 2 * y0 + o, bx = 2 * x1 + o, by = 2 * y1 + o;
        const long dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy, w2 = long{w} * w;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                const long vx = 2 * x + 1 - ax, vy = 2 * y + 1 - ay;
                const long ux = 2 * x + 1 - bx, uy = 2 * y + 1 - by;
                const long t = vx * dx + vy * dy;
                const long cross = vx * dy - vy * dx;
                const bool in = t <= 0      ? vx * vx + vy * vy < w2
                                : t >= len2 ? ux * ux + uy * uy < w2
                                            : cross * cross < w2 * len2;
                ASSERT_EQ(s.At(x, y) == 1, in)
                    << n << ": (" << x0 << "," << y0 << ")-(" << x1 << "," << y1 << ") w " << w
                    << " at " << x << "," << y;
            }
        }
    }
}

// A window shows only what changed: the box round every changed pixel, and
// the shown copy brought up to date.
TEST(SurfaceTest, CatchingUpFindsTheChangedBoxAndCopiesIt)
{
    Surface now(10, 8, kPaper);
    Surface shown = now;
    EXPECT_EQ(shown.CatchUpWith(now).w, 0);
    now.SetPixel(2, 3, kInk);
    now.SetPixel(6, 5, kInk);
    const Surface::Change c = shown.CatchUpWith(now);
    EXPECT_EQ(c.x, 2);
    EXPECT_EQ(c.y, 3);
    EXPECT_EQ(c.w, 5);
    EXPECT_EQ(c.h, 3);
    EXPECT_EQ(shown.pixels, now.pixels);
    EXPECT_EQ(shown.CatchUpWith(now).w, 0);
    now.SetPixel(9, 7, kInk); // the last pixel of the last row
    const Surface::Change corner = shown.CatchUpWith(now);
    EXPECT_EQ(corner.x, 9);
    EXPECT_EQ(corner.y, 7);
    EXPECT_EQ(corner.w, 1);
    EXPECT_EQ(corner.h, 1);
}
