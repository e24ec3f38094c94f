#include <gtest/gtest.h>

#include "model/LinearFit.h"

namespace {
TEST(LinearFitTest, FitsTheWorkedExamples)
{
    double b = 0, a = 0;
    const double x1[] = {0, 1, 2}, y1[] = {1, 3, 5};
    LinearFit(x1, y1, 0, 2, b, a);
    EXPECT_DOUBLE_EQ(a, 2.0);
    EXPECT_DOUBLE_EQ(b, 1.0);

    const double x2[] = {750, 760}, y2[] = {20, 30};
    LinearFit(x2, y2, 0, 1, b, a);
    EXPECT_NEAR(a, 1.0, 1e-12);
    EXPECT_NEAR(b, -730.0, 1e-9);

    // Only first..last take part.
    const double x3[] = {0, 1, 2}, y3[] = {100, 1, 2};
    LinearFit(x3, y3, 1, 2, b, a);
    EXPECT_NEAR(a, 1.0, 1e-12);
    EXPECT_NEAR(b, 0.0, 1e-12);
}

TEST(LinearFitTest, DegenerateRangesLeaveBothOutputsUntouched)
{
    const double sameX[] = {5, 5, 5}, y[] = {1, 2, 3};
    for (auto [first, last] : {std::pair{0, 2}, std::pair{1, 1}, std::pair{2, 1}}) {
        double b = 123.0, a = 456.0;
        LinearFit(sameX, y, first, last, b, a);
        EXPECT_EQ(b, 123.0);
        EXPECT_EQ(a, 456.0);
    }
    const double x[] = {1, 2, 3};
    double b = 123.0, a = 456.0;
    LinearFit(x, y, 1, 1, b, a); // a single point
    EXPECT_EQ(b, 123.0);
    EXPECT_EQ(a, 456.0);
}

TEST(LinearFitTest, ExtremesOfAnArray)
{
    const double v[] = {3, -2, 7};
    EXPECT_EQ(MinOf(v, 3), -2.0);
    EXPECT_EQ(MaxOf(v, 3), 7.0);
    EXPECT_EQ(MinOf(v, 0), 1e36);
    EXPECT_EQ(MaxOf(v, 0), -1e36);
    EXPECT_EQ(MinOf(v, -1), 1e36);
}
} // namespace
