#include "problems/whole/closeness.h"
#include "problems/whole/generated_items.h"
#include "support/test_application.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

using namespace quill::testing;

TEST(Closeness, ThresholdFollowsTheSlider)
{
    EXPECT_EQ(closenessThreshold(1, 100, 50), 50);
    EXPECT_EQ(closenessThreshold(1, 100, 90), 10);
    EXPECT_EQ(closenessThreshold(1, 100, 30), 70);
    EXPECT_EQ(closenessThreshold(1, 7, 50), 3);         // floor of 3.5
    EXPECT_EQ(closenessThreshold(-32767, 0, 0), 32768); // beyond 16 bits
}

class ClosenessOfItems : public ::testing::TestWithParam<std::array<int, 3>>
{
};

TEST_P(ClosenessOfItems, EveryGeneratorKeepsTheDistance)
{
    const auto [slider, least, most] = GetParam();
    TestApplication t;
    t.app.settings.closeness = slider;
    for (const Generator& generator : {addition, subtraction, multiplication, exactDivision}) {
        for (const auto& item : generateItems(t.app, generator, 1, 100, 400)) {
            ASSERT_GE(std::fabs(item.a - item.b), least) << item.text;
            ASSERT_LE(std::fabs(item.a - item.b), most) << item.text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Slider, ClosenessOfItems,
                         ::testing::Values(std::array{50, 0, 50}, std::array{90, 0, 10},
                                           std::array{100, 0, 0}, std::array{30, 70, 99}));

struct ImpossibleCase {
    const char* name;
    const Generator* generator;
    int grade, s, e;
    void (*prepare)(ExerciseSettings&) = nullptr;
};

class ImpossibleSettings : public ::testing::TestWithParam<ImpossibleCase>
{
};

// No pair can satisfy these; the generator must still give up as soon as the run stops.
TEST_P(ImpossibleSettings, EndPromptlyOnStop)
{
    const ImpossibleCase c = GetParam();
    TestApplication t;
    t.app.settings.grade.index = c.grade;
    if (c.prepare)
        c.prepare(t.app.settings);
    int pumps = 0;
    constexpr int stopAt = 2000;
    t.app.eventPump = [&] {
        if (++pumps >= stopAt)
            t.app.run.stopRequested = true;
    };
    Draw draw = t.app.draw();
    const OperationItem item = c.generator->generate(draw, {c.s, c.e});
    EXPECT_LE(pumps, stopAt + 2) << "kept drawing after the stop";
    // The pair it held, which the stopped run discards.
    EXPECT_TRUE(item.isPair() && item.operation == c.generator->operation) << item.text();
}

// clang-format off
const ImpossibleCase impossibleCases[] = {
    {"AdditionGrade1From11", &addition, 1, 11, 100},
    {"SubtractionGrade1From21", &subtraction, 1, 21, 100},
    {"MultiplicationGrade1From10", &multiplication, 1, 10, 100},
    {"DivisionGrade4From90", &division, 4, 90, 100},
    {"WrittenDivisionFrom100", &division, 0, 100, 200},
    {"ExactDivisionOnlyZero", &exactDivision, 0, 0, 0},
    {"ClosenessZero", &addition, 0, 1, 100, [](ExerciseSettings& s) { s.closeness = 0; }},
    {"WholeTensQuotientBelowTen", &exactDivision, 1, 1, 100,
     [](ExerciseSettings& s) { s.wholeTens.checked = true; }},
    {"MiddleZeroOutOfReach", &multiplication, 0, 111, 119,
     [](ExerciseSettings& s) { s.zeroInMiddle.checked = true; }}};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Generators, ImpossibleSettings, ::testing::ValuesIn(impossibleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SingleOperationItem, AStoppedRunDrawsNothingMore)
{
    TestApplication t(3);
    t.app.run.stopRequested = true;
    Draw draw = t.app.draw();
    makeAdditionItem(draw, {1, 100});
    // Every generator call mixes the clock in (with a seed, a counter), and nothing else.
    RandomSource untouched(3);
    untouched.mixClock();
    EXPECT_EQ(t.app.random.next(), untouched.next());
}

} // namespace
} // namespace quill
