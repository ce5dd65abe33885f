#include "base/short_date.h"

#include <cstdlib>
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
protected:
    void SetUp() override
    {
        const char* tz = std::getenv("TZ");
        saved_ = tz ? tz : "";
        hadTz_ = tz != nullptr;
        setenv("TZ", "UTC", 1);
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
