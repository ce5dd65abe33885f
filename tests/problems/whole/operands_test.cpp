#include "base/exact_decimal.h"
#include "base/number_text.h"
#include "base/random_source.h"
#include "problems/whole/operands.h"
#include "support/test_application.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::TestApplication;

struct TerminatesCase {
    double a, b;
    bool wholeNumbers;
    bool expected;
};

class QuotientTerminates : public ::testing::TestWithParam<TerminatesCase>
{
};

TEST_P(QuotientTerminates, AnswersForThePair)
{
    const TerminatesCase c = GetParam();
    ExerciseSettings settings;
    settings.wholeNumbers.checked = c.wholeNumbers;
    double a = c.a, b = c.b;
    EXPECT_EQ(quotientTerminates(settings, a, b), c.expected) << c.a << " / " << c.b;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, QuotientTerminates,
    ::testing::Values(TerminatesCase{1.5, 0.25, true, 1}, TerminatesCase{1.5, 0.25, false, 0},
                      TerminatesCase{1, 8, false, 1}, TerminatesCase{1, 6, false, 0},
                      TerminatesCase{1, 0.12345, false, 0}, TerminatesCase{1, 3, false, 0},
                      TerminatesCase{3, 6, false, 1}, TerminatesCase{6, 3, false, 0},
                      TerminatesCase{6, 3, true, 1}, TerminatesCase{0, 7, false, 1},
                      TerminatesCase{7, 4, false, 1}, TerminatesCase{8, 4, false, 0},
                      TerminatesCase{10, 3, false, 0}, TerminatesCase{9, 8, false, 1},
                      TerminatesCase{30000, 1, true, 1},
                      // Judged on the decimals: 9% ÷ 1% and 0.07 ÷ 0.01 come out whole.
                      TerminatesCase{0.09, 0.01, true, 1}, TerminatesCase{0.07, 0.01, true, 1},
                      TerminatesCase{0.0007, 0.07, false, 1}));

TEST(QuotientTerminatesReduction, LeavesThePairInLowestTerms)
{
    const ExerciseSettings settings;
    double a = 1.5, b = 0.25;
    quotientTerminates(settings, a, b);
    EXPECT_EQ(a, 6);
    EXPECT_EQ(b, 1);

    double c = 12, d = 18;
    quotientTerminates(settings, c, d);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(d, 3);
}

TEST(DecimalOperandText, KeepsAtMostTwoDigitsBeforeThePoint)
{
    EXPECT_EQ(decimalOperandText(57.34f, 1), "57.3");
    EXPECT_EQ(decimalOperandText(123.45f, 1), "23.4");
    EXPECT_EQ(decimalOperandText(2.04f, 1), "2");
    EXPECT_EQ(decimalOperandText(0.5f, 1), "0.5");
    EXPECT_EQ(decimalOperandText(57.34f, 0), "57");
    EXPECT_EQ(decimalOperandText(3.14159f, 2), "3.14");
    EXPECT_EQ(decimalOperandText(45.6789f, 4), "45.6789");
}

// The operand through the text of a float quotient, as it was first defined: the quick path
// for operands below 100 must give exactly the same text for every draw.
std::string operandThroughFloatText(float x, int places)
{
    const double n = std::floor(static_cast<double>(x) * std::pow(10.0, places));
    const double divisor = std::pow(10.0, places + 1);
    const std::string quotient = places <= 3 ? shortestSingleText(static_cast<float>(n / divisor))
                                             : shortestText(n / divisor);
    const size_t keep = static_cast<size_t>(places) + 3;
    const std::string kept =
        quotient.size() > keep ? quotient.substr(quotient.size() - keep) : quotient;
    return shortestText(10 * numericValue(kept));
}

TEST(DecimalOperand, IsTheTextOfTheFloatQuotientForEveryDraw)
{
    RandomSource random(3);
    for (int i = 0; i < 200000; ++i) {
        const float x = 150 * random.next();
        const int places = 1 + i % 4;
        const std::string text = operandThroughFloatText(x, places);
        ASSERT_EQ(decimalOperandText(x, places), text) << x << " at " << places;
        // The operand a draw makes without writing its text has that text and its value.
        Operand operand;
        setDecimalOperand(operand, x, places);
        ASSERT_EQ(operand.value(), numericValue(text)) << text;
        ASSERT_EQ(operand.text(), text);
        if (const std::optional<long long> digits = quickOperandDigits(x, places)) {
            ASSERT_EQ(ExactDecimal::scaled(*digits, places).text(), text);
        }
    }
}

TEST(DecimalPlaces, CountsTheFractionDigitsOfTheShortestText)
{
    EXPECT_EQ(decimalPlaces(40), 0);
    EXPECT_EQ(decimalPlaces(2.25), 2);
    EXPECT_EQ(decimalPlaces(1e-6), 6);
    EXPECT_EQ(decimalPlaces(1.25e-5), 7);
}

TEST(DrawOperands, WholeNumbersStayInsideTheRange)
{
    TestApplication t;
    Draw draw = t.app.draw();
    for (int i = 0; i < 5000; ++i) {
        const DrawnOperands o = drawWholeOperands(draw, {5, 60});
        for (const Operand* operand : {&o.first, &o.second, &o.extra}) {
            const double v = numericValue(operand->text());
            ASSERT_EQ(v, operand->value());
            ASSERT_GE(v, 5);
            ASSERT_LE(v, 60);
            ASSERT_EQ(v, static_cast<int>(v));
        }
    }
}

TEST(DrawOperands, DecimalsShowNoMorePlacesThanChosen)
{
    TestApplication t;
    t.app.settings.operandPlaces.index = 1;
    bool sawDecimal = false;
    Draw draw = t.app.draw();
    for (int i = 0; i < 5000; ++i) {
        const DrawnOperands o = drawDecimalOperands(draw, {1, 100});
        for (const std::string& operand : {o.first.text(), o.second.text()}) {
            ASSERT_LE(decimalPlaces(numericValue(operand)), 1) << operand;
            ASSERT_LE(numericValue(operand), 100);
            sawDecimal |= operand.find('.') != std::string::npos;
        }
    }
    EXPECT_TRUE(sawDecimal);
}

TEST(DrawOperands, PercentagesMarkOneOrBothOfThePairNeverTheExtra)
{
    TestApplication t;
    t.app.settings.percentages.checked = true;
    int firstOnly = 0, secondOnly = 0, both = 0;
    Draw draw = t.app.draw();
    for (int i = 0; i < 4000; ++i) {
        const DrawnOperands o = drawWholeOperands(draw, {1, 100});
        const bool first = o.first.text().back() == '%';
        const bool second = o.second.text().back() == '%';
        ASSERT_NE(o.extra.text().back(), '%');
        ASSERT_TRUE(first || second);
        firstOnly += first && !second;
        secondOnly += second && !first;
        both += first && second;
    }
    EXPECT_NEAR(firstOnly, 1000, 150);
    EXPECT_NEAR(secondOnly, 1000, 150);
    EXPECT_NEAR(both, 2000, 200);
}

TEST(DrawOperands, CapsKeepSumsAndProductsWithinTheRange)
{
    TestApplication t;
    auto& s = t.app.settings;
    s.capResults.checked = true;
    s.addition.checked = true;
    s.multiplication.checked = false;
    Draw draw = t.app.draw();
    for (int i = 0; i < 3000; ++i) {
        const DrawnOperands o = drawWholeOperands(draw, {1, 100});
        ASSERT_LE(o.first.value() + o.second.value(), 101);
    }
    s.addition.checked = false;
    s.multiplication.checked = true;
    for (int i = 0; i < 3000; ++i) {
        const DrawnOperands o = drawWholeOperands(draw, {1, 100});
        ASSERT_LE(o.first.value() * o.second.value(), 101);
    }
}

TEST(DrawOperands, StepByStepCapsTheExtraOperandInTheFirstGrades)
{
    TestApplication t;
    auto& s = t.app.settings;
    s.verticalOption.selected = false;
    s.stepsOption.selected = true;
    const int caps[] = {0, 10, 20, 30, 50};
    Draw draw = t.app.draw();
    for (int grade = 1; grade <= 4; ++grade) {
        s.grade.index = grade;
        for (int i = 0; i < 1000; ++i)
            ASSERT_LE(drawWholeOperands(draw, {1, 100}).extra.value(), caps[grade]);
    }
}

TEST(DrawOperands, AnImpossibleCapStillEndsOnStop)
{
    TestApplication t;
    t.app.settings.capResults.checked = true; // with 加法: no pair of 200..300 sums to 301 or less
    t.stopAfter(50);
    Draw draw = t.app.draw();
    drawWholeOperands(draw, {200, 300});
    EXPECT_TRUE(t.app.run.stopRequested);
}

} // namespace
} // namespace quill
