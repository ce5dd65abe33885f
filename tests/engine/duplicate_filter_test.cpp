#include "base/random_source.h"
#include "engine/duplicate_filter.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(DuplicateFilter, RefusesAnItemInsideALongerOne)
{
    DuplicateFilter filter;
    filter.add("13＋45");
    EXPECT_TRUE(filter.occurs("13＋45"));
    EXPECT_TRUE(filter.occurs("3＋4"));
    EXPECT_TRUE(filter.occurs("13＋4"));
    EXPECT_FALSE(filter.occurs("13－45"));
    EXPECT_FALSE(filter.occurs("45＋13"));
    EXPECT_FALSE(filter.occurs("3＋46"));
}

TEST(DuplicateFilter, IsCaseSensitiveAndKeepsPercentSigns)
{
    DuplicateFilter filter;
    filter.add("25%×4");
    EXPECT_TRUE(filter.occurs("5%×4"));
    EXPECT_FALSE(filter.occurs("25×4"));
    filter.add("X＋5＝9");
    EXPECT_FALSE(filter.occurs("x＋5"));
}

TEST(DuplicateFilter, TextsWithoutSignsAreFoundToo)
{
    DuplicateFilter filter;
    filter.add("123＋4");
    EXPECT_TRUE(filter.occurs("23"));
    EXPECT_FALSE(filter.occurs("1234"));
}

// The filter must answer exactly as a search through the list would.
TEST(DuplicateFilter, AgreesWithASearchOfTheList)
{
    RandomSource random(5);
    const char* signs[] = {"＋", "－", "×", "÷"};
    DuplicateFilter filter;
    std::string list;
    for (int i = 0; i < 4000; ++i) {
        const std::string item = std::to_string(random.below(300)) + signs[random.below(4)] +
                                 std::to_string(random.below(30));
        const bool listed = list.find(item) != std::string::npos;
        ASSERT_EQ(filter.occurs(item), listed) << item;
        if (!listed) {
            filter.add(item);
            list += " " + item;
        }
    }
}

} // namespace
} // namespace quill
