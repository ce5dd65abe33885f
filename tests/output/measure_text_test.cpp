#include "output/measure_text.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(MeasureValue, ReadsATextThatIsOneNumber)
{
    EXPECT_EQ(measureValue("11"), 11.0);
    EXPECT_EQ(measureValue(" 30 "), 30.0);
    EXPECT_EQ(measureValue("10.5"), 10.5);
    EXPECT_EQ(measureValue("+12"), 12.0);
    EXPECT_EQ(measureValue("-3"), -3.0);
}

TEST(MeasureValue, HasNoValueForAnythingElse)
{
    for (const char* text : {"", "   ", "abc", "11pt", "1 2", "nan", "inf", "1e999", "+-1"})
        EXPECT_FALSE(measureValue(text).has_value()) << '"' << text << '"';
}

} // namespace
} // namespace quill
