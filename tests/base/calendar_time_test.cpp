#include "base/calendar_time.h"

#include "support/time_zone.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

// Beijing time, eight hours ahead of UTC all year, so local and UTC fields differ.
class CalendarTime : public ::testing::Test
{
private:
    testing::TimeZoneOverride zone_{"CST-8"};
};

TEST_F(CalendarTime, UtcIgnoresTheZoneAndLocalFollowsIt)
{
    const std::time_t morning = 1796813101; // 2026-12-09 10:45:01 UTC
    const std::tm utc = utcCalendarTime(morning);
    EXPECT_EQ(utc.tm_year + 1900, 2026);
    EXPECT_EQ(utc.tm_mon + 1, 12);
    EXPECT_EQ(utc.tm_mday, 9);
    EXPECT_EQ(utc.tm_hour, 10);
    EXPECT_EQ(utc.tm_min, 45);
    EXPECT_EQ(utc.tm_sec, 1);
    EXPECT_EQ(localCalendarTime(morning).tm_hour, 18);

    // A second before midnight of a leap day is already 1 March in Beijing.
    const std::time_t leapNight = 1709251199; // 2024-02-29 23:59:59 UTC
    EXPECT_EQ(utcCalendarTime(leapNight).tm_mday, 29);
    const std::tm local = localCalendarTime(leapNight);
    EXPECT_EQ(local.tm_mon + 1, 3);
    EXPECT_EQ(local.tm_mday, 1);
    EXPECT_EQ(local.tm_hour, 7);
}

} // namespace
} // namespace quill
