#include "problems/trivial_items.h"
#include "support/sets.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using Kind = ExerciseKind;

// An item as its saved list holds it, the kind whose sheet shows it, and the settings.
struct TrivialCase {
    const char* name;
    int historyKind;
    const char* list;
    Kind kind;
    bool trivial;
    void (*prepare)(ExerciseSettings&) = nullptr;
    const char* equations = "";
};

void noExact(ExerciseSettings& s)
{
    s.exactOrProper.checked = false;
}
void keepOnePlace(ExerciseSettings& s)
{
    s.roundAnswers.checked = true;
    s.answerPlaces.index = 1;
}

class TrivialItems : public ::testing::TestWithParam<TrivialCase>
{
};

TEST_P(TrivialItems, AreToldApartAsTheirSheetShowsThem)
{
    const TrivialCase c = GetParam();
    testing::TestApplication t;
    if (c.prepare)
        c.prepare(t.app.settings);
    const ExerciseSet items = testing::listItems(c.historyKind, c.list, c.equations);
    ASSERT_EQ(items.size(), 1u) << c.list;
    EXPECT_EQ(isTrivialItem(items[0], t.app.settings, c.kind), c.trivial) << c.list;
}

// clang-format off
const TrivialCase trivialCases[] = {
    {"TimesOne", 1, " 22×1", Kind::Oral, true},
    {"OneTimes", 1, " 1×22", Kind::Oral, true},
    {"DividedByOne", 3, " 8÷1", Kind::Vertical, true},
    {"DividendOne", 1, " 1÷4", Kind::Oral, true},
    {"PercentOfAHundred", 1, " 35×100%", Kind::Oral, true},
    {"SelfQuotient", 1, " 7÷7", Kind::Oral, true},
    {"EstimateOfSelfDifference", 2, " 23－23", Kind::Estimation, true},
    {"ZeroAddend", 1, " 0＋5", Kind::Oral, true},
    {"ZeroSubtrahend", 3, " 5－0", Kind::Vertical, true},
    {"ZeroTimes", 1, " 0×5", Kind::Oral, true},
    {"QuotientZeroWithRemainder", 1, " 1÷36", Kind::Oral, true, noExact},
    {"ShownAsZeroForALongDecimal", 1, " 0.1÷25.3", Kind::Oral, true},
    {"ShownAsZeroWithKeptPlaces", 1, " 0.1×0.2", Kind::Oral, true, keepOnePlace},
    {"SmallProductShownInFull", 1, " 0.1×0.2", Kind::Oral, false},
    {"QuotientBelowOneAsADecimal", 1, " 3÷4", Kind::Oral, false},
    {"EstimateOfASmallQuotient", 2, " 2÷49", Kind::Estimation, false},
    {"Sum", 1, " 37＋48", Kind::Oral, false},
    {"StepComesToZero", 4, " 40÷8－5＝0", Kind::Steps, true},
    {"StepDividesByItsValue", 4, " (45＋26)÷71＝1", Kind::Steps, true},
    {"StepTimesOne", 4, " (13－5)×1＝8", Kind::Steps, true},
    {"StepValueShownAsZero", 4, " 1÷8÷5＝0.025", Kind::Steps, true, keepOnePlace},
    {"Steps", 4, " (12＋5)×3－4＝47", Kind::Steps, false},
    {"EquationTimesOne", 6, " (39－4)×1＝35", Kind::Equations, true, nullptr, " (X－4)×1＝35"},
    {"EquationSelfQuotient", 6, " 4.8÷4.8×2.2＝2.2", Kind::Equations, true, nullptr, " 4.8÷4.8×X＝2.2"},
    {"Equation", 6, " 36÷9＋21＝25", Kind::Equations, false, nullptr, " X÷9＋21＝25"},
    {"LawTimesOne", 5, " 100×53×1＝5300", Kind::Laws, true},
    {"LawDividesByOne", 5, " 10÷1×1＝10", Kind::Laws, true},
    {"LawComesToZero", 5, " 50－20－30＝0", Kind::Laws, true},
    {"LawFactorInBracketsIsOne", 5, " （38－37）×25＝25", Kind::Laws, true},
    {"Law", 5, " 37＋45＋63＝145", Kind::Laws, false},
    {"FractionTimesOne", 8, " 3×4×5×5", Kind::Oral, true},
    {"FractionSelfDifference", 8, " 3－8－6－16", Kind::Oral, true},
    {"FractionDividesByItself", 8, " 3÷4÷6÷8", Kind::Oral, true},
    {"FractionStepTimesOne", 8, " (3＋8＋1＋8)×1", Kind::Steps, true},
    {"FractionStepTakesAllAway", 8, " 1＋4＋1＋4－1/2", Kind::Steps, true},
    {"Fraction", 8, " 3＋8＋1＋8", Kind::Oral, false},
    {"FractionStep", 8, " (3＋8＋1＋8)×5", Kind::Steps, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Items, TrivialItems, ::testing::ValuesIn(trivialCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
