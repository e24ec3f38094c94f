#include <cmath>

#include "support/Pixels.h"
#include "support/TervanFixture.h"
#include "view/BenchLayout.h"

namespace {
class DigitDisplayTest : public StartedFixture {
  protected:
    void SetUp() override
    {
        StartedFixture::SetUp();
        dlg->m_dcBack.SelectObject(&dlg->m_bmpBack);
    }

    // The resource each of the four cells shows (0 when none matches), and
    // after which cell a lit point stands (-1: none).
    std::vector<int> Cells()
    {
        std::vector<int> ids;
        for (int k = 0; k < Bench::kDigitCells; ++k) {
            int found = 0;
            for (int id = IDB_DIGIT_0; id <= IDB_DIGIT_R; ++id) {
                if (id == IDB_DIGIT_POINT)
                    continue;
                // The point's corner of each cell is compared apart.
                if (DiffFromResource(*back, Bench::kDigitsX + 37 * k, Bench::kDigitsY, id, 0, 0,
                                     Bench::kDigitPointDX, 50) == 0) {
                    found = id;
                    break;
                }
            }
            ids.push_back(found);
        }
        return ids;
    }
    int PointAfter()
    {
        for (int k = 0; k < Bench::kDigitCells; ++k)
            if (DiffFromResource(*back, Bench::kDigitsX + 37 * k + Bench::kDigitPointDX,
                                 Bench::kDigitsY + Bench::kDigitPointDY, IDB_DIGIT_POINT) == 0)
                return k;
        return -1;
    }
    void Clear() { dlg->m_dcBack.FillSolidRect(0, 0, 600, 400, RGB(1, 2, 3)); }
};

constexpr int kBlank = IDB_DIGIT_BLANK, kMinus = IDB_DIGIT_MINUS, kE = IDB_DIGIT_E,
              kR = IDB_DIGIT_R;
constexpr int D(int digit)
{
    return IDB_DIGIT_0 + digit;
}

TEST_F(DigitDisplayTest, ValuesFillTheirCells)
{
    struct Case {
        double value;
        std::vector<int> cells;
        int pointAfter;
    };
    const Case cases[] = {
        {21.34, {kBlank, D(2), D(1), D(3)}, 2}, {-5.0, {kBlank, kMinus, D(5), D(0)}, 2},
        {0.0, {kBlank, kBlank, D(0), D(0)}, 2}, {-0.04, {kBlank, kMinus, D(0), D(0)}, 2},
        {100.0, {D(1), D(0), D(0), D(0)}, 2},   {1234.5, {D(1), D(2), D(3), D(4)}, -1},
        {9999.0, {D(9), D(9), D(9), D(9)}, -1}, {-999.0, {kMinus, D(9), D(9), D(9)}, -1},
        {9999.01, {kE, kR, kR, kBlank}, -1},    {-999.01, {kE, kR, kR, kBlank}, -1},
        {999.96, {D(1), D(0), D(0), D(0)}, -1}, {std::nan(""), {kE, kR, kR, kBlank}, -1},
    };
    for (const Case& c : cases) {
        Clear();
        dlg->m_display.DrawValue(&dlg->m_dcBack, c.value);
        EXPECT_EQ(Cells(), c.cells) << c.value;
        EXPECT_EQ(PointAfter(), c.pointAfter) << c.value;
    }
}

TEST_F(DigitDisplayTest, PointsAndShortTexts)
{
    Clear();
    dlg->m_display.DrawString(&dlg->m_dcBack, "");
    EXPECT_EQ(PixelAt(*back, 30, 50), RGB(1, 2, 3));

    dlg->m_display.DrawString(&dlg->m_dcBack, "7"); // the other cells stay as they were
    EXPECT_EQ(Cells(), (std::vector<int>{D(7), 0, 0, 0}));
    EXPECT_EQ(PixelAt(*back, 70, 50), RGB(1, 2, 3));

    Clear();
    dlg->m_display.DrawString(&dlg->m_dcBack, "12."); // a final point, then a blank
    EXPECT_EQ(Cells(), (std::vector<int>{D(1), D(2), kBlank, 0}));
    EXPECT_EQ(PointAfter(), 1);

    Clear();
    dlg->m_display.DrawString(&dlg->m_dcBack, ".5"); // a point left of cell 0
    EXPECT_EQ(DiffFromResource(*back, 25 - 37 + 32, 43 + 44, IDB_DIGIT_POINT), 0);
    EXPECT_EQ(Cells(), (std::vector<int>{D(5), 0, 0, 0}));
}
} // namespace
