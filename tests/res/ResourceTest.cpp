// The bitmap resources as the program embeds them: every picture at its size
// and colour depth, and the pixel alignments the bench relies on when it
// copies pictures opaquely side by side (tube ends meeting, axes lining up,
// the bench green round every picture).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/ApplicationResources.h"
#include "platform/Bmp.h"
#include "res/ResourceIds.h"

namespace {

constexpr Pixel kBench = 0xD7FFD7;    // RGB(215, 255, 215)
constexpr Pixel kSurround = 0xCCFFCC; // RGB(204, 255, 204)
constexpr Pixel kWhite = 0xFFFFFF;

int Red(Pixel p)
{
    return int((p >> 16) & 0xFF);
}
int Green(Pixel p)
{
    return int((p >> 8) & 0xFF);
}
int Blue(Pixel p)
{
    return int(p & 0xFF);
}
int Brightness(Pixel p)
{
    return Red(p) + Green(p) + Blue(p);
}
bool IsRed(Pixel p)
{
    return Red(p) > 150 && Green(p) < 100 && Blue(p) < 100;
}

struct Picture {
    DecodedBitmap bmp;
    Pixel At(int x, int y) const { return bmp.pixels[static_cast<std::size_t>(y) * bmp.width + x]; }
    // First and last column of row y that is not `background`, or -1.
    int FirstNot(int y, Pixel background) const
    {
        for (int x = 0; x < bmp.width; ++x) {
            if (At(x, y) != background) {
                return x;
            }
        }
        return -1;
    }
    int LastNot(int y, Pixel background) const
    {
        for (int x = bmp.width - 1; x >= 0; --x) {
            if (At(x, y) != background) {
                return x;
            }
        }
        return -1;
    }
};

Picture Load(UINT id)
{
    Picture picture;
    const EmbeddedResource* res = FindBitmapResource(id);
    if (res == nullptr) {
        ADD_FAILURE() << "bitmap " << id << " is not embedded";
        return picture;
    }
    std::string error;
    if (!DecodeBmp(res->data, res->size, picture.bmp, &error)) {
        ADD_FAILURE() << "bitmap " << id << ": " << error;
    }
    return picture;
}

struct Expected {
    UINT id;
    int width;
    int height;
    int bits;
};

const Expected kBitmaps[] = {
    {IDB_STOPPER, 43, 104, 24},       {IDB_BOTTLE, 109, 152, 24},
    {IDB_TUBE_H, 95, 15, 8},          {IDB_VALVE_OPEN, 50, 50, 24},
    {IDB_VALVE_OPEN + 1, 50, 50, 24}, {IDB_VALVE_OPEN + 2, 50, 50, 24},
    {IDB_VALVE_OPEN + 3, 50, 50, 24}, {IDB_VALVE_OPEN + 4, 50, 50, 24},
    {IDB_VALVE_CLOSED, 50, 50, 24},   {IDB_FUNNEL, 33, 19, 24},
    {IDB_TUBE_V, 15, 285, 24},        {IDB_THERMOMETER, 199, 95, 8},
    {IDB_DIGIT_0, 37, 50, 24},        {IDB_DIGIT_0 + 1, 37, 50, 24},
    {IDB_DIGIT_0 + 2, 37, 50, 24},    {IDB_DIGIT_0 + 3, 37, 50, 24},
    {IDB_DIGIT_0 + 4, 37, 50, 24},    {IDB_DIGIT_0 + 5, 37, 50, 24},
    {IDB_DIGIT_0 + 6, 37, 50, 24},    {IDB_DIGIT_0 + 7, 37, 50, 24},
    {IDB_DIGIT_0 + 8, 37, 50, 24},    {IDB_DIGIT_0 + 9, 37, 50, 24},
    {IDB_DIGIT_BLANK, 37, 50, 24},    {IDB_DIGIT_POINT, 5, 5, 24},
    {IDB_DIGIT_MINUS, 37, 50, 24},    {IDB_DIGIT_E, 37, 50, 24},
    {IDB_DIGIT_R, 37, 50, 24},        {IDB_GAUGE, 99, 170, 24},
    {IDB_GAUGE_TUBE, 13, 170, 24},    {IDB_LEFT_BRANCH, 19, 236, 24},
    {IDB_TITLE, 399, 268, 24},        {IDB_STOP_SIGN, 71, 71, 24},
    {IDB_NOTEBOOK_PAGE, 212, 299, 8}, {IDB_BANNER, 215, 24, 8},
};

TEST(ResourceTest, EveryPictureHasItsSizeDepthAndPlainFormat)
{
    for (const Expected& e : kBitmaps) {
        SCOPED_TRACE(e.id);
        const EmbeddedResource* res = FindBitmapResource(e.id);
        ASSERT_NE(res, nullptr);
        ASSERT_GT(res->size, 54u);
        EXPECT_EQ(res->data[0], 'B');
        EXPECT_EQ(res->data[1], 'M');
        EXPECT_EQ(res->data[14], 40) << "BITMAPINFOHEADER";
        EXPECT_EQ(res->data[30], 0) << "uncompressed";
        const Picture p = Load(e.id);
        EXPECT_EQ(p.bmp.width, e.width);
        EXPECT_EQ(p.bmp.height, e.height);
        EXPECT_EQ(p.bmp.bitsPerPixel, e.bits);
    }
    for (UINT missing : {161u, 162u, 164u, 168u, 170u}) {
        EXPECT_EQ(FindBitmapResource(missing), nullptr) << missing;
    }
    // Pictures that do not fill their rectangle sit on the bench green.
    const std::vector<std::vector<int>> corners = {
        {IDB_STOPPER, 0, 103},   {IDB_BOTTLE, 0, 0},         {IDB_BOTTLE, 108, 151},
        {IDB_VALVE_OPEN, 49, 0}, {IDB_VALVE_CLOSED, 49, 49}, {IDB_FUNNEL, 0, 18},
        {IDB_THERMOMETER, 0, 0}, {IDB_GAUGE, 98, 169},       {IDB_GAUGE_TUBE, 0, 169},
        {IDB_LEFT_BRANCH, 0, 0},
    };
    for (const auto& c : corners) {
        EXPECT_EQ(Load(UINT(c[0])).At(c[1], c[2]), kBench) << c[0];
    }
}

TEST(ResourceTest, StopperTubeRunsOnIntoTheHorizontalTube)
{
    const Picture stopper = Load(IDB_STOPPER);
    const Picture tube = Load(IDB_TUBE_H);
    ASSERT_EQ(stopper.bmp.width, 43);
    ASSERT_EQ(tube.bmp.height, 15);
    // The bent tube leaves the right edge in rows 0..14 with the same glass
    // as the tube that continues it, and nothing else touches that edge.
    for (int y = 0; y < 15; ++y) {
        EXPECT_EQ(stopper.At(42, y), tube.At(0, y)) << y;
        EXPECT_NE(stopper.At(42, y), kBench) << y;
    }
    for (int y = 15; y < 104; ++y) {
        EXPECT_EQ(stopper.At(42, y), kBench) << y;
    }
    // The horizontal tube is straight glass in all 15 rows, axis on row 7.
    for (int y = 0; y < 15; ++y) {
        EXPECT_NE(tube.At(0, y), kBench);
        for (int x = 1; x < 95; ++x) {
            ASSERT_EQ(tube.At(x, y), tube.At(0, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(tube.At(0, 0), tube.At(0, 14)) << "same outline above and below the axis";
    // The cone's lower end is centred on column 20, the bottle neck's axis.
    EXPECT_EQ(stopper.FirstNot(103, kBench) + stopper.LastNot(103, kBench), 40);
}

TEST(ResourceTest, BottleNeckTakesTheStopperAndLeavesNoTrail)
{
    const Picture bottle = Load(IDB_BOTTLE);
    const Picture stopper = Load(IDB_STOPPER);
    ASSERT_EQ(bottle.bmp.height, 152);
    // Mouth in row 0; neck centred on column 54 over the rows the raised
    // bottle shares with the stopper's cone (bench y 200..235).
    ASSERT_NE(bottle.FirstNot(0, kBench), -1);
    for (int y = 0; y < 36; ++y) {
        EXPECT_EQ(bottle.FirstNot(y, kBench) + bottle.LastNot(y, kBench), 108) << y;
    }
    // The last row is bench green: the rising bottle erases its own trail.
    for (int x = 0; x < 109; ++x) {
        EXPECT_EQ(bottle.At(x, 151), kBench) << x;
    }
    // Just above the raised bottle's mouth (bench y 199) the cone is no
    // wider than the mouth (bench x: stopper + 104, bottle + 70).
    EXPECT_GE(stopper.FirstNot(67, kBench) + 104, bottle.FirstNot(0, kBench) + 70);
    EXPECT_LE(stopper.LastNot(67, kBench) + 104, bottle.LastNot(0, kBench) + 70);
}

TEST(ResourceTest, ValveFramesJoinTheTubesAndTurnClockwise)
{
    const double kPi = 3.14159265358979323846;
    std::vector<std::vector<Pixel>> frames;
    for (int frame = 0; frame < 6; ++frame) {
        SCOPED_TRACE(IDB_VALVE_OPEN + frame);
        const Picture v = Load(UINT(IDB_VALVE_OPEN + frame));
        ASSERT_EQ(v.bmp.width, 50);
        // Stubs: the top edge is glass-wide at columns 18..32 (bench x
        // 252..266), the left edge at rows 18..32 (bench y 132..146).
        EXPECT_EQ(v.FirstNot(0, kBench), 18);
        EXPECT_EQ(v.LastNot(0, kBench), 32);
        for (int y = 0; y < 50; ++y) {
            EXPECT_EQ(v.At(0, y) != kBench, y >= 18 && y <= 32) << y;
        }
        // The white T turns 18 degrees a frame about the centre (25, 25):
        // arms along the key and towards its side, none opposite.
        const double a = frame * 18.0 * kPi / 180.0;
        const auto at = [&v](double dx, double dy) {
            return v.At(int(std::lround(25 + dx)), int(std::lround(25 + dy)));
        };
        const double s = std::sin(a), c = std::cos(a);
        EXPECT_EQ(at(0, 0), kWhite);
        EXPECT_EQ(at(7 * s, -7 * c), kWhite) << "arm along the key";
        EXPECT_EQ(at(-7 * s, 7 * c), kWhite) << "arm along the key";
        EXPECT_EQ(at(7 * c, 7 * s), kWhite) << "side arm";
        EXPECT_NE(at(-7 * c, -7 * s), kWhite) << "no arm opposite";
        // The red key lies along the same axis; across it is the grey ring.
        EXPECT_TRUE(IsRed(at(16 * s, -16 * c)));
        EXPECT_TRUE(IsRed(at(-16 * s, 16 * c)));
        EXPECT_FALSE(IsRed(at(16 * c, 16 * s)));
        frames.push_back(v.bmp.pixels);
    }
    ASSERT_EQ(frames.size(), 6u);
    // Open: arms up, down and right. Closed: left, right and down.
    const Picture open = Load(IDB_VALVE_OPEN);
    const Picture closed = Load(IDB_VALVE_CLOSED);
    EXPECT_EQ(open.At(25, 18), kWhite);
    EXPECT_EQ(open.At(32, 25), kWhite);
    EXPECT_NE(open.At(18, 25), kWhite);
    EXPECT_EQ(closed.At(18, 25), kWhite);
    EXPECT_EQ(closed.At(25, 32), kWhite);
    EXPECT_NE(closed.At(25, 18), kWhite);
    for (int i = 1; i < 6; ++i) {
        EXPECT_NE(frames[i], frames[i - 1]) << i;
    }
}

TEST(ResourceTest, VerticalGlassLinesUpOnOneAxis)
{
    const Picture column = Load(IDB_TUBE_V);
    const Picture branch = Load(IDB_LEFT_BRANCH);
    const Picture funnel = Load(IDB_FUNNEL);
    ASSERT_EQ(column.bmp.width, 15);
    ASSERT_EQ(branch.bmp.width, 19);
    ASSERT_EQ(funnel.bmp.width, 33);
    // The valve column is glass in all 15 columns, the same on every row.
    for (int y = 0; y < 285; ++y) {
        for (int x = 0; x < 15; ++x) {
            ASSERT_NE(column.At(x, y), kBench) << x << "," << y;
            ASSERT_EQ(column.At(x, y), column.At(x, 0)) << x << "," << y;
        }
    }
    // The left branch carries the same glass in columns 2..16, bench green
    // in its two margins, so it continues the column at bench x 252..266.
    for (int y = 0; y < 236; ++y) {
        for (int x : {0, 1, 17, 18}) {
            ASSERT_EQ(branch.At(x, y), kBench) << x << "," << y;
        }
        for (int x = 2; x <= 16; ++x) {
            ASSERT_EQ(branch.At(x, y), column.At(x - 2, 0)) << x << "," << y;
        }
    }
    // The funnel is 33 wide at the top and 17 (columns 8..24) at the bottom,
    // centred on column 16 over the column's axis.
    EXPECT_EQ(funnel.FirstNot(0, kBench), 0);
    EXPECT_EQ(funnel.LastNot(0, kBench), 32);
    EXPECT_EQ(funnel.FirstNot(18, kBench), 8);
    EXPECT_EQ(funnel.LastNot(18, kBench), 24);
    for (int x = 8; x <= 24; ++x) {
        EXPECT_NE(funnel.At(x, 18), kBench) << x;
    }
}

TEST(ResourceTest, ThermometerWindowIsDarkGreyBehindTheCells)
{
    const Picture t = Load(IDB_THERMOMETER);
    ASSERT_EQ(t.bmp.width, 199);
    const Pixel window = t.At(14, 30);
    EXPECT_LT(Red(window), 80);
    EXPECT_LE(std::abs(Red(window) - Green(window)), 8);
    EXPECT_LE(std::abs(Red(window) - Blue(window)), 8);
    for (int y = 30; y <= 83; ++y) {
        for (int x = 14; x <= 165; ++x) {
            ASSERT_EQ(t.At(x, y), window) << x << "," << y;
        }
    }
    for (int y = 30; y <= 83; ++y) {
        EXPECT_NE(t.At(13, y), window) << y;
        EXPECT_NE(t.At(166, y), window) << y;
    }
    for (int x = 14; x <= 165; ++x) {
        EXPECT_NE(t.At(x, 29), window) << x;
        EXPECT_NE(t.At(x, 84), window) << x;
    }
    // The caption strip (rows 13..24) is lighter than the brown panel.
    for (int y = 13; y <= 24; ++y) {
        EXPECT_GT(Brightness(t.At(12, y)), Brightness(t.At(12, 27)) + 150) << y;
    }
    EXPECT_LT(Brightness(t.At(12, 12)), Brightness(t.At(12, 13)) - 150);
}

TEST(ResourceTest, DigitCellsLightTheirSegments)
{
    // Sample points inside segments a..g of the slanted cells.
    const int kPoints[7][2] = {{19, 5}, {28, 14}, {27, 34}, {15, 44}, {6, 34}, {8, 14}, {17, 24}};
    const auto lit = [](Pixel p) { return Green(p) >= 200; };
    const auto faint = [](Pixel p) { return Green(p) > 55 && Green(p) < 120; };
    struct Cell {
        UINT id;
        unsigned segments; // bit 0 = a ... bit 6 = g
    };
    const Cell cells[] = {
        {IDB_DIGIT_0, 0x3F},     {IDB_DIGIT_0 + 1, 0x06}, {IDB_DIGIT_0 + 2, 0x5B},
        {IDB_DIGIT_0 + 3, 0x4F}, {IDB_DIGIT_0 + 4, 0x66}, {IDB_DIGIT_0 + 5, 0x6D},
        {IDB_DIGIT_0 + 6, 0x7D}, {IDB_DIGIT_0 + 7, 0x07}, {IDB_DIGIT_0 + 8, 0x7F},
        {IDB_DIGIT_0 + 9, 0x6F}, {IDB_DIGIT_BLANK, 0x00}, {IDB_DIGIT_MINUS, 0x40},
        {IDB_DIGIT_E, 0x79},     {IDB_DIGIT_R, 0x77},
    };
    const Pixel face = Load(IDB_DIGIT_BLANK).At(0, 0);
    EXPECT_LT(Green(face), 56);
    for (const Cell& cell : cells) {
        SCOPED_TRACE(cell.id);
        const Picture p = Load(cell.id);
        ASSERT_EQ(p.bmp.width, 37);
        for (int s = 0; s < 7; ++s) {
            const Pixel px = p.At(kPoints[s][0], kPoints[s][1]);
            if ((cell.segments >> s) & 1u) {
                EXPECT_TRUE(lit(px)) << "segment " << s;
            } else {
                EXPECT_TRUE(faint(px)) << "segment " << s << " should show unlit";
            }
        }
        // Its own unlit decimal point, where the lit point is drawn over it.
        EXPECT_TRUE(faint(p.At(34, 46)));
        EXPECT_EQ(p.At(0, 0), face);
    }
    const Picture point = Load(IDB_DIGIT_POINT);
    EXPECT_TRUE(lit(point.At(2, 2)));
    EXPECT_FALSE(lit(point.At(0, 0)));
}

TEST(ResourceTest, SideGaugeBranchesSitInTheirColumns)
{
    const Picture gauge = Load(IDB_GAUGE);
    const Picture tube = Load(IDB_GAUGE_TUBE);
    ASSERT_EQ(gauge.bmp.width, 99);
    ASSERT_EQ(tube.bmp.width, 13);
    // Small left branch: glass in columns 85..91 from below the valve to
    // the bottom edge, bench green beside it.
    for (int y = 40; y < 170; ++y) {
        for (int x = 85; x <= 91; ++x) {
            ASSERT_NE(gauge.At(x, y), kBench) << x << "," << y;
        }
        EXPECT_EQ(gauge.At(84, y), kBench) << y;
        EXPECT_EQ(gauge.At(92, y), kBench) << y;
    }
    // Its flared mouth at the top is wider than the tube.
    EXPECT_LT(gauge.FirstNot(0, kBench), 85);
    EXPECT_GT(gauge.LastNot(0, kBench), 91);
    // The red valve sits on the branch in rows 30..39, and only there.
    int valveRed = 0;
    for (int y = 0; y < 170; ++y) {
        for (int x = 80; x < 99; ++x) {
            if (IsRed(gauge.At(x, y))) {
                EXPECT_TRUE(y >= 30 && y <= 39) << x << "," << y;
                ++valveRed;
            }
        }
    }
    EXPECT_GT(valveRed, 5);
    // Water and shelf: blue and brown pixels left of the branch.
    int water = 0, shelf = 0;
    for (int y = 0; y < 170; ++y) {
        for (int x = 0; x < 80; ++x) {
            const Pixel p = gauge.At(x, y);
            water += Blue(p) > 180 && Red(p) < 140 ? 1 : 0;
            shelf += std::abs(Red(p) - 128) < 12 && std::abs(Green(p) - 64) < 12 ? 1 : 0;
        }
    }
    EXPECT_GT(water, 500);
    EXPECT_GT(shelf, 200);
    // Small right branch: body in columns 3..9, mouth across the top.
    for (int y = 10; y < 170; ++y) {
        for (int x = 0; x < 13; ++x) {
            ASSERT_EQ(tube.At(x, y) != kBench, x >= 3 && x <= 9) << x << "," << y;
        }
    }
    EXPECT_EQ(tube.FirstNot(0, kBench), 0);
    EXPECT_EQ(tube.LastNot(0, kBench), 12);
}

TEST(ResourceTest, NotebookPageIsWhiteAndRuledOnItsRows)
{
    const Picture page = Load(IDB_NOTEBOOK_PAGE);
    ASSERT_EQ(page.bmp.width, 212);
    const std::vector<int> ruled = {32, 54, 76, 98, 120, 142, 164, 186, 207, 228, 250, 272};
    for (int y = 0; y < 285; ++y) {
        const bool isRuled = std::find(ruled.begin(), ruled.end(), y) != ruled.end();
        int dots = 0;
        for (int x = 30; x < 200; ++x) {
            const Pixel p = page.At(x, y);
            if (p != kWhite) {
                ASSERT_TRUE(isRuled) << x << "," << y;
                EXPECT_LT(Brightness(p), 3 * 230) << "grey dots";
                ++dots;
            }
        }
        if (isRuled) {
            EXPECT_GT(dots, 40) << y;
            EXPECT_LT(dots, 120) << y << " dotted, not solid";
        }
    }
    // Spiral rings over the left 30 columns, and nothing of the surround
    // shows inside the page.
    int ring = 0;
    for (int y = 0; y < 285; ++y) {
        for (int x = 0; x < 30; ++x) {
            ring += page.At(x, y) != kWhite ? 1 : 0;
            ASSERT_NE(page.At(x, y), kSurround) << x << "," << y;
        }
    }
    EXPECT_GT(ring, 14 * 20);
    // The shadow: grey right of and below the page, surround beyond it.
    EXPECT_EQ(page.At(211, 0), kSurround);
    EXPECT_EQ(page.At(204, 2), kSurround);
    EXPECT_EQ(page.At(100, 298), kSurround);
    EXPECT_EQ(page.At(211, 150), kSurround);
    for (const auto& xy : std::vector<std::pair<int, int>>{{204, 150}, {100, 290}}) {
        const Pixel p = page.At(xy.first, xy.second);
        EXPECT_LT(Green(p), 220) << xy.first << "," << xy.second;
        EXPECT_LE(std::abs(Red(p) - Blue(p)), 10) << "grey";
    }
}

TEST(ResourceTest, DialogPicturesShowWhatTheDialogsNeed)
{
    // Stop sign on white: from the left edge of its middle row, white, the
    // sign's dark edge, its white rim, then the red face.
    const Picture sign = Load(IDB_STOP_SIGN);
    ASSERT_EQ(sign.bmp.width, 71);
    EXPECT_EQ(sign.At(0, 0), kWhite);
    EXPECT_EQ(sign.At(70, 70), kWhite);
    int x = 0;
    while (x < 35 && sign.At(x, 35) == kWhite) {
        ++x;
    }
    EXPECT_LT(Green(sign.At(x, 35)), 200) << "dark edge at " << x;
    while (x < 35 && sign.At(x, 35) != kWhite) {
        ++x;
    }
    EXPECT_EQ(sign.At(x, 35), kWhite) << "white rim";
    EXPECT_TRUE(IsRed(sign.At(x + 5, 35)));

    // The title picture leaves the "Entra" button's corner plain.
    const Picture title = Load(IDB_TITLE);
    ASSERT_EQ(title.bmp.width, 399);
    int lo = 255 * 3, hi = 0;
    for (int y = 188; y <= 210; ++y) {
        for (int xx = 31; xx <= 105; ++xx) {
            lo = std::min(lo, Brightness(title.At(xx, y)));
            hi = std::max(hi, Brightness(title.At(xx, y)));
        }
    }
    EXPECT_LE(hi - lo, 30);

    // Banner: light letters on blue.
    const Picture banner = Load(IDB_BANNER);
    ASSERT_EQ(banner.bmp.width, 215);
    int blue = 0, light = 0;
    for (int y = 0; y < 24; ++y) {
        for (int xx = 0; xx < 215; ++xx) {
            const Pixel p = banner.At(xx, y);
            blue += Blue(p) > Red(p) + 60 && Blue(p) > Green(p) + 30 ? 1 : 0;
            light += Red(p) > 220 && Green(p) > 220 && Blue(p) > 220 ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 215 * 24 * 6 / 10);
    EXPECT_GT(light, 150);
}

} // namespace
