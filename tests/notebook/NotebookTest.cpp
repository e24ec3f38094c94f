#include <cmath>

#include "model/GraphData.h"
#include "model/ManometerGeometry.h"
#include "model/NotebookPages.h"
#include "notebook/Chart.h"
#include "support/Pixels.h"
#include "support/TervanFixture.h"
#include "support/TextPixels.h"

namespace {
constexpr COLORREF kInk = RGB(51, 0, 153);
constexpr COLORREF kTitle = RGB(153, 51, 0);

class NotebookTest : public StartedFixture {
  protected:
    // Pixels of exactly `colour` inside a block of the page; for the ink
    // and title colours, pixels tinted towards them (text is antialiased, the
    // page's ruled lines are grey).
    int Ink(int x, int y, int cx, int cy, COLORREF colour = kInk)
    {
        int n = 0;
        for (int j = y; j < y + cy; ++j) {
            for (int i = x; i < x + cx; ++i) {
                const COLORREF c = PixelAt(*back, i, j);
                const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
                if (colour == kInk)
                    n += b - g > 40 && b - r > 40;
                else if (colour == kTitle)
                    n += r - b > 40;
                else
                    n += c == colour;
            }
        }
        return n;
    }
    void Rows(int count)
    {
        dlg->m_strInitialLevel = "12,5 cm";
        dlg->m_nCount = count;
        for (int i = 0; i < count; ++i) {
            dlg->m_dTemp[i] = 20.0 + 3.0 * i;
            dlg->m_dLevel[i] = 12.5 + 1.1 * i;
        }
    }
    void Show(const char* label)
    {
        dlg->m_strPage = label;
        dlg->DrawNotebook();
    }
};

TEST_F(NotebookTest, PageButtonsStayWithinOneAndNinetyNine)
{
    backend.Click(*dlg, IDC_PAGE_PREV);
    EXPECT_EQ(dlg->m_strPage, "-1-");
    dlg->m_strPage = "-98-";
    backend.Click(*dlg, IDC_PAGE_NEXT);
    EXPECT_EQ(dlg->m_strPage, "-99-");
    backend.Click(*dlg, IDC_PAGE_NEXT);
    EXPECT_EQ(dlg->m_strPage, "-99-");
    backend.Click(*dlg, IDC_PAGE_PREV);
    EXPECT_EQ(dlg->m_strPage, "-98-");
    for (int id :
         {IDC_PAGE_FIRST, IDC_PAGE_PREV, IDC_PAGE_NEXT}) { // a put-away notebook opens at its cover
        dlg->m_strPage.Empty();
        backend.Click(*dlg, id);
        EXPECT_EQ(dlg->m_strPage, "-1-") << id;
    }
}

TEST_F(NotebookTest, ThePageCoversExactlyItsPlace)
{
    dlg->m_dcBack.SelectObject(&dlg->m_bmpBack);
    dlg->m_dcBack.FillSolidRect(0, 0, 600, 400, RGB(9, 9, 9));
    Show("-5-");
    for (int y = 40; y < 360; ++y) {
        for (int x = 377; x < 600; ++x) {
            const bool inside = x >= 387 && x < 599 && y >= 50 && y < 349;
            ASSERT_EQ(PixelAt(*back, x, y) != RGB(9, 9, 9), inside) << x << "," << y;
        }
    }
    EXPECT_GT(Ink(560, 312, 30, 14), 0);  // the label "-5-"
    EXPECT_EQ(Ink(420, 60, 160, 250), 0); // a blank page
}

TEST_F(NotebookTest, CoverShowsItsBlocksOnlyAfterTheirSteps)
{
    Show("-1-");
    EXPECT_GT(Ink(512, 74, 80, 12), 0); // the date
    EXPECT_GT(Ink(425, 108, 100, 24, kTitle), 0);
    EXPECT_GT(Ink(425, 91, 80, 17), 0); // "Pràctica"
    EXPECT_EQ(Ink(420, 157, 170, 150), 0);
    dlg->m_bInitialNoted = true;
    Show("-1-");
    EXPECT_GT(Ink(422, 157, 150, 100), 0);
    EXPECT_EQ(Ink(420, 266, 170, 40), 0);
    dlg->m_strInitialLevel = "12,5 cm";
    Show("-1-");
    EXPECT_GT(Ink(427, 266, 150, 40), 0);
    WritePng(*back, ArtefactPath("notebook-cover.png"));

    // The test clock's 7 December 2026, with the month in Roman numerals.
    const Surface page = PageBackground();
    EXPECT_EQ(TextMismatch(*back, page, kNotebookLabel, 512, 74, "7 - XII - 2026"), 0);
    EXPECT_GT(TextMismatch(*back, page, kNotebookLabel, 512, 74, "7 - XI - 2026"), 0);
}

TEST_F(NotebookTest, MeasurementPagesListTheirRows)
{
    Rows(11);
    Show("-2-");
    EXPECT_GT(Ink(442, 69, 140, 17), 0); // the header
    for (int k = 0; k < 10; ++k)
        EXPECT_GT(Ink(442, 91 + 22 * k, 140, 17), 0) << k;
    Show("-3-");
    EXPECT_GT(Ink(442, 91, 140, 17), 0);  // row 10
    EXPECT_EQ(Ink(442, 113, 140, 17), 0); // nothing after it

    // Row 10 as the student reads it: 50 degrees, 23.5 cm, to one decimal in
    // columns of their own.
    const Surface page = PageBackground();
    EXPECT_EQ(TextMismatch(*back, page, kNotebookTable, 442, 91, " 50.0       23.5"), 0);
    EXPECT_GT(TextMismatch(*back, page, kNotebookTable, 442, 91, "50.0 23.5"), 0);
    dlg->m_dTemp[10] = 5.04; // rounds down, and keeps its column
    Show("-3-");
    EXPECT_EQ(TextMismatch(*back, page, kNotebookTable, 442, 91, "  5.0       23.5"), 0);
}

TEST_F(NotebookTest, GraphPlotsTheRowsAndTheirFittedLine)
{
    Rows(6);
    double p[ExperimentState::kMaxRows];
    RowPressures(*dlg, p);
    EXPECT_EQ(p[0], dlg->m_dAtmPressure); // the first row is the initial level
    EXPECT_NEAR(p[5], dlg->m_dAtmPressure + 55.0, 1e-9);

    Show("-3-");
    WritePng(*back, ArtefactPath("notebook-graph.png"));
    // The chart's frame and the points where the chart maps them.
    EXPECT_EQ(PixelAt(*back, 442, 200), RGB(0, 0, 100));
    CChart chart;
    chart.SetRect(442, 160, 135, 135);
    const double xlo = p[0] - 0.05 * 55, xhi = p[5] + 0.05 * 55;
    const double ylo = 20 - 0.05 * 15, yhi = 35 + 0.05 * 15;
    chart.SetRange(xlo, xhi, ylo, yhi);
    for (int i = 0; i < 6; ++i) {
        // The 3 x 3 square, where the dotted line does not cross it.
        const CPoint s = chart.ToScreen(p[i], dlg->m_dTemp[i]);
        EXPECT_GE(Ink(s.x - 1, s.y - 1, 3, 3, RGB(200, 0, 55)), 6) << i;
        EXPECT_EQ(Ink(s.x - 2, s.y - 2, 5, 5, RGB(200, 0, 55)),
                  Ink(s.x - 1, s.y - 1, 3, 3, RGB(200, 0, 55)));
    }
    // The dotted line runs past the frame on both sides (it is not clipped).
    EXPECT_GT(Ink(486, 147, 100, 11), 0); // the equation
    EXPECT_GT(Ink(442, 160, 136, 136, RGB(0, 0, 128)), 10);

    for (int i = 0; i < 6; ++i)
        dlg->m_dTemp[i] = 25.0; // equal temperatures: only the titles
    Show("-3-");
    EXPECT_GT(Ink(422, 74, 170, 60), 0);
    EXPECT_EQ(Ink(442, 140, 140, 160), 0);
    EXPECT_EQ(Ink(442, 140, 140, 160, RGB(0, 0, 100)), 0);
}

// Pressures 750..805 mmHg and temperatures 20..35 degrees, widened by a
// tenth: the chart spans 747.25..807.75 across and 19.25..35.75 up, 135 px
// each way. Each label is the world value of its grid line's pixel: the
// pressure lines stand at x 475, 509 and 543 ((x - 442) / 2.2314 + 747.25);
// the temperature lines one row below rows 268, 241, 215 and 187
// ((y - 295) / -8.1818 + 19.25 at 269, 242, 216 and 188), each label's
// baseline 3 rows lower still.
TEST_F(NotebookTest, ChartLabelsReadPressuresAcrossAndTemperaturesUp)
{
    Rows(6);
    Show("-3-");
    const Surface page = PageBackground();
    // Pressures centred under their lines, from row 297, just below the frame.
    const struct {
        int x;
        const char* text;
    } across[] = {{475, "762.0"}, {509, "777.3"}, {543, "792.5"}};
    for (const auto& label : across) {
        EXPECT_EQ(TextMismatch(*back, page, kChartLabels, label.x, 297, label.text, 600,
                               TA_CENTER | TA_TOP),
                  0)
            << label.text;
    }
    // Temperatures ending at column 440, left of the frame (cut there).
    const struct {
        int baseline;
        const char* text;
    } up[] = {{272, "22.4"}, {245, "25.7"}, {219, "28.9"}, {191, "32.3"}};
    for (const auto& label : up) {
        EXPECT_EQ(TextMismatch(*back, page, kChartLabels, 440, label.baseline, label.text, 442,
                               TA_RIGHT | TA_BASELINE),
                  0)
            << label.text;
    }
    // A label one digit off, or the pressure in the temperature's place, is seen.
    EXPECT_GT(TextMismatch(*back, page, kChartLabels, 509, 297, "777.2", 600, TA_CENTER | TA_TOP),
              0);
    EXPECT_GT(
        TextMismatch(*back, page, kChartLabels, 440, 272, "747.2", 442, TA_RIGHT | TA_BASELINE), 0);
}

TEST_F(NotebookTest, GraphWritesTheFittedEquation)
{
    // Temperatures 20, 23, .. 35 against pressures 11 mmHg apart from the
    // lowest start-up atmosphere, 750: the slope is 3/11 = 0.2727 and the
    // intercept 20 - 750 * 3/11 = -184.5, written to three decimals and as a
    // signed whole number.
    Rows(6);
    ASSERT_EQ(dlg->m_dAtmPressure, 750.0);
    Show("-3-");
    const Surface page = PageBackground();
    EXPECT_EQ(TextMismatch(*back, page, kNotebookGraph, 486, 147, "T(ºC) = 0.273 P  -185", 598), 0);
    EXPECT_GT(TextMismatch(*back, page, kNotebookGraph, 486, 147, "T(ºC) = 0.272 P  -185", 598), 0);
}
} // namespace
