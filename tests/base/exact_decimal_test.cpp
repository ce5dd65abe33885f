#include "base/exact_decimal.h"
#include "base/number_text.h"

#include <gtest/gtest.h>
#include <random>

namespace quill
{
namespace
{

ExactDecimal d(const char* text)
{
    return ExactDecimal::parse(text);
}

TEST(ExactDecimal, WorksDecimalsAsWrittenAndRefusesWhatCannotBeWritten)
{
    const std::tuple<ExactDecimal, std::string> rows[] = {
        {d("0.3") - d("0.1") - d("0.2"), "0"},
        {d("1.1") * d("1.1"), "1.21"},
        {d("10") / d("4"), "2.5"},
        {d("0.5") / d("0.125"), "4"},
        {d("1E-05") * d("2"), "0.00002"}, // an old E text is read, never written
        {d("-4") + d("1.5"), "-2.5"},
        {d("5").shifted(2), "0.05"},
        {d("57.3456") * d("12.3456") * d("98.7654"), "69922.529310726144"}, // all digits
        {d("1") / d("3"), ""},                                              // never ends
        {d("1") / d("0"), ""},                                              // no divisor
        {d("1.2.3"), ""},
        {d(""), ""}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(value.text(), text);
}

// Drawn decimals: a text reads back as its value, ± and ×÷ undo each other, and the order
// agrees with the doubles.
TEST(ExactDecimal, ArithmeticUndoesItselfAndOrdersLikeDoubles)
{
    std::mt19937 random(14);
    std::uniform_int_distribution<long long> units(-99999999, 99999999);
    std::uniform_int_distribution<int> places(0, 6);
    auto draw = [&] { return ExactDecimal::whole(units(random)).shifted(places(random)); };
    for (int i = 0; i < 2000; ++i) {
        const ExactDecimal a = draw(), b = draw();
        ASSERT_EQ(ExactDecimal::parse(a.text()), a) << a.text();
        ASSERT_EQ(a + b - b, a) << a.text() << " " << b.text();
        if (!b.isZero()) {
            ASSERT_EQ(a * b / b, a) << a.text() << " " << b.text();
        }
        ASSERT_EQ(a < b, a.toDouble() < b.toDouble()) << a.text() << " " << b.text();
    }
}

// The law items' easy key values: a power of ten as a whole number, however it was written.
TEST(ExactDecimal, PowersOfTenAreKnownWhateverTheirScale)
{
    for (long long units = -20; units <= 120000; ++units)
        for (int scale = 0; scale <= 2; ++scale) {
            const ExactDecimal value = ExactDecimal::scaled(units, scale);
            bool expected = false;
            for (long long power = 10; power <= 10000; power *= 10)
                expected = expected || value == ExactDecimal::whole(power);
            ASSERT_EQ(value.isPowerOfTenUpTo(10000), expected) << value.text();
        }
    EXPECT_FALSE(d("1000").isPowerOfTenUpTo(100));
    EXPECT_FALSE(ExactDecimal::none().isPowerOfTenUpTo(10000));
    EXPECT_TRUE(d("100.00").isPowerOfTenUpTo(100));
}

} // namespace
} // namespace quill
