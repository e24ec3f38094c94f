// What a page label means: its number and the kind of page it shows.
#include <gtest/gtest.h>

#include "model/NotebookPages.h"

namespace {
TEST(NotebookPagesTest, PageKindsFollowTheRows)
{
    EXPECT_EQ(PageNumber("-3-"), 3);
    EXPECT_EQ(PageNumber(""), 0);
    EXPECT_EQ(PageNumber("-99-"), 99);
    struct Case {
        int rows;
        PageKind p2, p3, p4;
    };
    using K = PageKind;
    const Case cases[] = {
        {0, K::Blank, K::Blank, K::Blank},
        {1, K::Measurements, K::Blank, K::Blank},
        {2, K::Measurements, K::Graph, K::Blank},
        {9, K::Measurements, K::Graph, K::Blank},
        {10, K::Measurements, K::Blank, K::Graph},
        {11, K::Measurements, K::Measurements, K::Graph},
        {14, K::Measurements, K::Measurements, K::Graph},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PageKindFor(2, c.rows), c.p2) << c.rows;
        EXPECT_EQ(PageKindFor(3, c.rows), c.p3) << c.rows;
        EXPECT_EQ(PageKindFor(4, c.rows), c.p4) << c.rows;
        EXPECT_EQ(PageKindFor(5, c.rows), K::Blank) << c.rows;
    }
    EXPECT_EQ(PageKindFor(1, 5), K::None);
}

TEST(NotebookPagesTest, MonthsInRomanNumerals)
{
    EXPECT_STREQ(RomanMonth(1), "I");
    EXPECT_STREQ(RomanMonth(4), "IV");
    EXPECT_STREQ(RomanMonth(9), "IX");
    EXPECT_STREQ(RomanMonth(12), "XII");
    EXPECT_STREQ(RomanMonth(0), "");
    EXPECT_STREQ(RomanMonth(13), "");
}
} // namespace
