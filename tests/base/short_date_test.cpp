#include "base/short_date.h"

#include "support/time_zone.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

std::chrono::system_clock::time_point utc(int year, int month, int day, int h, int m, int s)
{
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{h} + minutes{m} + seconds{s};
}

class ShortDate : public ::testing::Test
{
private:
    testing::TimeZoneOverride zone_{"UTC0"};
};

TEST_F(ShortDate, WritesYearMonthDayWithoutLeadingZeros)
{
    EXPECT_EQ(shortDateText(utc(2016, 7, 27, 9, 0, 0)), "2016/7/27");
    EXPECT_EQ(shortDateText(utc(2026, 12, 9, 23, 59, 59)), "2026/12/9");
}

TEST_F(ShortDate, FileStampsSortByTime)
{
    EXPECT_EQ(fileStampText(utc(2026, 12, 9, 10, 45, 1)), "20261209-104501");
    EXPECT_EQ(fileStampText(utc(2026, 1, 2, 3, 4, 5)), "20260102-030405");
}

} // namespace
} // namespace quill
