#include "base/calendar_time.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace quill
{
namespace
{

// Beijing time, eight hours ahead of UTC all year, so local and UTC fields differ.
class CalendarTime : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* tz = std::getenv("TZ");
        hadTz_ = tz != nullptr;
        saved_ = tz ? tz : "";
        setenv("TZ", "CST-8", 1);
        tzset();
    }
    void TearDown() override
    {
        if (hadTz_)
            setenv("TZ", saved_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::string saved_;
    bool hadTz_ = false;
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
