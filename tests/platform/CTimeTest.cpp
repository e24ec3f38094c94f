// Calendar time read from the backend's clock.
#include <gtest/gtest.h>

#include "platform/CTime.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
TEST(CTimeTest, LocalCalendarFieldsOfTheBackendClock)
{
    HeadlessBackend backend;
    backend.SetEpoch(1796644800); // 2026-12-07 12:00 UTC
    const CTime now = CTime::GetCurrentTime();
    EXPECT_EQ(now.GetDay(), 7);
    EXPECT_EQ(now.GetMonth(), 12);
    EXPECT_EQ(now.GetYear(), 2026);
}
} // namespace
