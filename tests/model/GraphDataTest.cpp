// The graph page's numbers: pressures from levels, ranges around the rows.
#include <gtest/gtest.h>

#include "model/GraphData.h"

namespace {
TEST(GraphDataTest, EachRowPressesWithTheAtmospherePlusItsMercuryColumn)
{
    // 2.5 cm above the initial level is 25 mmHg more than the atmosphere.
    EXPECT_DOUBLE_EQ(RowPressure(760.0, 15.0, 12.5), 785.0);
    EXPECT_DOUBLE_EQ(RowPressure(760.0, 10.0, 12.5), 735.0);

    ExperimentState s;
    s.m_dAtmPressure = 755.0;
    s.m_strInitialLevel = "12,5 cm"; // as typed, with its unit
    s.m_nCount = 3;
    const double levels[] = {12.5, 13.5, 11.0};
    for (int i = 0; i < 3; ++i)
        s.m_dLevel[i] = levels[i];
    double p[ExperimentState::kMaxRows] = {};
    RowPressures(s, p);
    EXPECT_EQ(p[0], 755.0); // the initial level itself
    EXPECT_DOUBLE_EQ(p[1], 765.0);
    EXPECT_DOUBLE_EQ(p[2], 740.0);
    EXPECT_EQ(p[3], 0.0); // rows not noted are left alone

    s.m_strInitialLevel = " cm"; // no number: levels count from 0
    RowPressures(s, p);
    EXPECT_DOUBLE_EQ(p[1], 755.0 + 135.0);
}

TEST(GraphDataTest, RangesSpanATenthMoreThanTheRowsAboutTheirMiddle)
{
    double from = 0.0, to = 0.0;
    WidenedRange(750.0, 805.0, from, to);
    EXPECT_DOUBLE_EQ(from, 747.25);
    EXPECT_DOUBLE_EQ(to, 807.75);
    WidenedRange(20.0, 35.0, from, to);
    EXPECT_DOUBLE_EQ(from, 19.25);
    EXPECT_DOUBLE_EQ(to, 35.75);
}
} // namespace
