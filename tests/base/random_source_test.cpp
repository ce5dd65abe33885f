#include "base/random_source.h"

#include <gtest/gtest.h>
#include <vector>

namespace quill
{
namespace
{

std::vector<float> draws(RandomSource& source, int n, bool mixEachTime)
{
    std::vector<float> values;
    for (int i = 0; i < n; ++i) {
        if (mixEachTime)
            source.mixClock();
        values.push_back(source.next());
    }
    return values;
}

TEST(RandomSource, StaysInsideTheUnitInterval)
{
    RandomSource source(7);
    for (float v : draws(source, 100000, false)) {
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
}

TEST(RandomSource, IsRoughlyUniform)
{
    RandomSource source(11);
    int buckets[10] = {};
    const int n = 100000;
    for (float v : draws(source, n, true))
        ++buckets[static_cast<int>(v * 10)];
    for (int count : buckets) {
        EXPECT_GT(count, n / 10 * 0.95);
        EXPECT_LT(count, n / 10 * 1.05);
    }
}

TEST(RandomSource, AFixedSeedRepeatsEvenWhenTheClockIsMixedIn)
{
    RandomSource a(42), b(42), c(43);
    const auto first = draws(a, 50, true);
    EXPECT_EQ(first, draws(b, 50, true));
    EXPECT_NE(first, draws(c, 50, true));
}

TEST(RandomSource, WithoutASeedTheClockMakesEachSourceDiffer)
{
    RandomSource a, b;
    EXPECT_FALSE(a.fixedSeed().has_value());
    EXPECT_NE(draws(a, 20, true), draws(b, 20, true));
}

TEST(RandomSource, BelowCoversEveryValue)
{
    RandomSource source(3);
    bool seen[39] = {};
    for (int i = 0; i < 10000; ++i) {
        const int r = source.below(39);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 39);
        seen[r] = true;
    }
    for (bool s : seen)
        EXPECT_TRUE(s);
}

} // namespace
} // namespace quill
