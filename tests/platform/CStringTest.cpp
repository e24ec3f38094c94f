// The framework's string: printf-style formatting, comparison, and texts
// loaded from the application's string table.
#include <gtest/gtest.h>

#include <string>

#include "ProbeResources.h"
#include "platform/CString.h"

namespace {
TEST(CStringTest, FormatsComparesAndLoads)
{
    CString s;
    s.Format("%5.1f", 21.34);
    EXPECT_EQ(s, " 21.3");
    s.Format("-%d-", 3);
    EXPECT_EQ(s, "-3-");
    s.Format("%d - %s - %4d", 7, "XII", 2026);
    EXPECT_EQ(s, "7 - XII - 2026");
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_NE(CString("a"), "b");
    EXPECT_EQ(CString("12,5") + " cm", "12,5 cm");
    CString about;
    EXPECT_TRUE(about.LoadString(Probe::kString));
    EXPECT_EQ(about, "Una cadena de prova");
    EXPECT_FALSE(about.LoadString(9999));
    EXPECT_TRUE(about.IsEmpty());
    std::string longText(10000, 'x');
    s.Format("%s", longText.c_str());
    EXPECT_EQ(s.GetLength(), 10000);
}
} // namespace
