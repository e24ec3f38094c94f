#include <gtest/gtest.h>

#include "notebook/Chart.h"
#include "platform/Surface.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);

class ChartTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        bitmap.CreateCompatibleBitmap(nullptr, 600, 400);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 600, 400, kWhite);
        chart.SetRect(442, 160, 135, 135);
        chart.SetRange(750, 800, 10, 60);
    }
    // Rows (or columns) where ink was drawn along a line of the surface.
    std::vector<int> InkAlong(bool vertical, int at, int from, int to)
    {
        std::vector<int> found;
        for (int i = from; i <= to; ++i)
            if ((vertical ? dc.GetPixel(at, i) : dc.GetPixel(i, at)) != kWhite)
                found.push_back(i);
        return found;
    }
    HeadlessBackend backend;
    CBitmap bitmap;
    CDC dc;
    CChart chart;
};

TEST_F(ChartTest, MapsTheWorkedExample)
{
    EXPECT_DOUBLE_EQ(chart.m_dXScale, 2.7);
    EXPECT_DOUBLE_EQ(chart.m_dYScale, -2.7);
    EXPECT_EQ(chart.ToScreen(750, 10), CPoint(442, 295));
    EXPECT_EQ(chart.ToScreen(800, 60), CPoint(577, 160));
    double x = 0, y = 0;
    chart.ToWorld(475, 160, x, y);
    EXPECT_NEAR(x, 762.2222, 1e-4);
    EXPECT_TRUE(chart.Contains(750, 10));
    EXPECT_TRUE(chart.Contains(800, 60));
    EXPECT_FALSE(chart.Contains(800.0001, 30));
    EXPECT_FALSE(chart.Contains(770, 9.9999));

    chart.BuildGrid(4, 5);
    const int xs[] = {0, 475, 509, 543};
    const int ys[] = {0, 269, 242, 215, 188};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(chart.m_gridX[i].x1, xs[i]);
        EXPECT_EQ(chart.m_gridX[i].y1, 295);
        EXPECT_EQ(chart.m_gridX[i].y2, 160);
    }
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(chart.m_gridY[i].y1, ys[i]);
        EXPECT_EQ(chart.m_gridY[i].x1, 442);
        EXPECT_EQ(chart.m_gridY[i].x2, 577);
    }
    chart.BuildGrid(0, 200);
    EXPECT_EQ(chart.m_nDivX, 1);
    EXPECT_EQ(chart.m_nDivY, 120);

    chart.SetRange(5, 5, 7, 7); // empty ranges fall back to a pixel per unit
    EXPECT_EQ(chart.m_dXScale, 1.0);
    EXPECT_EQ(chart.m_dYScale, -1.0);
    EXPECT_EQ(chart.ToScreen(5, 7), CPoint(442, 295));
}

TEST_F(ChartTest, DrawsFrameGridPointsAndLabels)
{
    chart.BuildGrid(4, 5);
    chart.DrawFrame(&dc, false); // the grid alone
    EXPECT_EQ(InkAlong(false, 230, 440, 580), (std::vector<int>{475, 509, 543}));
    EXPECT_EQ(InkAlong(true, 500, 150, 300), (std::vector<int>{188, 215, 242, 269}));
    chart.DrawFrame(&dc, true);
    EXPECT_EQ(InkAlong(false, 230, 440, 580), (std::vector<int>{442, 475, 509, 543, 577}));

    chart.PlotPoint(&dc, 800, 60, RGB(200, 0, 55)); // the corner: one pixel beyond
    EXPECT_EQ(dc.GetPixel(578, 159), RGB(200, 0, 55));
    EXPECT_EQ(dc.GetPixel(576, 161), RGB(200, 0, 55));
    chart.PlotPoint(&dc, 801, 60, RGB(1, 1, 1)); // outside: skipped
    EXPECT_EQ(dc.GetPixel(580, 160), kWhite);

    CFont font;
    font.CreateFont(20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Liberation Sans");
    dc.SelectObject(&font);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.SetBkMode(TRANSPARENT);
    chart.DrawAxisLabels(&dc, true, true);
    EXPECT_EQ(dc.GetFontRequest().height, 20); // font and alignment restored
    EXPECT_EQ(dc.GetTextAlign(), TA_LEFT | TA_TOP);
    // x labels hang below y 297 around their lines; y labels end at x 440.
    const auto below = InkAlong(false, 302, 455, 560);
    ASSERT_FALSE(below.empty());
    EXPECT_LT(below.front(), 475);
    EXPECT_GT(below.back(), 543);
    for (int y = 285; y < 297; ++y) // nothing above the labels' top but grid and frame
        for (int x = 455; x < 560; ++x)
            ASSERT_TRUE(dc.GetPixel(x, y) == kWhite || y == 295 || x == 475 || x == 509 || x == 543)
                << x << "," << y;
    for (int y = 180; y < 280; ++y)
        for (int x = 441; x < 442; ++x)
            ASSERT_EQ(dc.GetPixel(x, y), kWhite) << x << "," << y;
    EXPECT_FALSE(InkAlong(true, 430, 262, 271).empty()); // "19.6" on baseline 272
}
} // namespace
