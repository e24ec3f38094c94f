#include <gtest/gtest.h>

#include <string>

#include "model/LevelParser.h"

namespace {
TEST(LevelParserTest, ReadsTheLeadingNumberWithPointOrComma)
{
    const std::pair<const char*, double> good[] = {
        {"12,5", 12.5}, {" 12,5 ", 12.5}, {"12.5cm", 12.5}, {"12.5", 12.5}, {"-3", -3.0},
        {"+7", 7.0},    {"1e2", 100.0},   {"12,5,3", 12.5}, {"0x1A", 0.0},  {"7.", 7.0},
        {",5", 0.5},    {"3e", 3.0},      {"\t42", 42.0},
    };
    for (const auto& [text, value] : good) {
        double cm = -1.0;
        EXPECT_TRUE(ParseLevel(text, cm)) << text;
        EXPECT_DOUBLE_EQ(cm, value) << text;
    }
}

TEST(LevelParserTest, TextWithoutAFiniteNumberIsRefused)
{
    const char* bad[] = {"",         "   ",   "abc",    "nan",      "inf",
                         "-inf",     "1e999", "-1e999", "1e308",    "-2e6",
                         "\x01\x02", ".",     "-",      "\xc3\x28", "\xd9\xa1\xd9\xa2"};
    for (const char* text : bad) {
        double cm = 99.0;
        EXPECT_FALSE(ParseLevel(text, cm)) << text;
        EXPECT_EQ(cm, 99.0) << text;
        EXPECT_EQ(LevelOrZero(text), 0.0) << text;
    }
    double cm = 0.0;
    EXPECT_FALSE(ParseLevel(std::string(10000, '9').c_str(), cm)); // far beyond any double
    EXPECT_TRUE(ParseLevel(("5" + std::string(10000, 'x')).c_str(), cm));
    EXPECT_EQ(cm, 5.0);
}
} // namespace
