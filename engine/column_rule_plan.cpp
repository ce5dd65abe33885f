#include "engine/column_rule_plan.h"

#include "base/number_text.h"
#include "problems/whole/addition_subtraction.h"
#include "problems/whole/operands.h"
#include "settings/exercise_settings.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quill
{

namespace
{

// Ranges up to this wide are counted pair by pair (160 000 pairs take a few milliseconds).
constexpr int countedWidth = 400;
// Wider ranges and decimals are probed: a choice that this many draws never meet would
// keep a run drawing far longer than any sheet is worth. A decimal draw writes its text,
// a whole one does not, hence the smaller budget.
constexpr long wholeProbeDraws = 200000;
constexpr long decimalProbeDraws = 20000;
constexpr std::uint64_t probeSeed = 26;

struct ColumnChoice {
    const CheckBox& operation;
    const DropDown& list;
    ColumnRule rule;
    GradeBlock (*block)(const ExerciseSettings& settings);
    std::string_view requirement; // "进位要求"
};

std::array<ColumnChoice, 2> choicesOf(const ExerciseSettings& s)
{
    return {{{s.addition, s.carry, s.carryRule(), additionBlock, "进位要求"},
             {s.subtraction, s.borrow, s.borrowRule(), subtractionBlock, "退位要求"}}};
}

std::string quotedChoice(const ColumnChoice& choice)
{
    return "“" + choice.list.items[static_cast<std::size_t>(choice.rule)] + "”";
}

// A draw budget: the probe's own loops and the operand caps' redraws all count.
class DrawBudget : public StopSignal
{
public:
    explicit DrawBudget(long draws) : left_(draws) {}
    bool stopRequested() override { return left_-- <= 0; }

private:
    long left_;
};

// The numbers a pair of the grade can hold: the first term's sums and differences stay
// within 20 and the next two terms' within 100, whatever the range, so those are counted
// in full.
Range countedBox(const ExerciseSettings& s, Range range)
{
    const int grade = s.gradeIndex();
    const int largest = grade == 1 ? 20 : grade == 2 || grade == 3 ? 100 : range.end;
    return {range.start, std::min(range.end, largest)};
}

bool counted(const ExerciseSettings& s, Range range)
{
    const Range box = countedBox(s, range);
    return !s.decimals.checked && box.end - box.start < countedWidth;
}

DrawnOperands wholePair(int first, int second, bool percents)
{
    DrawnOperands operands;
    operands.first.setNumber(first);
    operands.second.setNumber(second);
    if (percents) { // sums and differences mark both
        operands.first.markPercent();
        operands.second.markPercent();
    }
    return operands;
}

// The different items of the operation the draws can keep.
long keptPairs(const ExerciseSettings& s, Range range, const GradeBlock& block)
{
    const Range box = countedBox(s, range);
    long kept = 0;
    for (int a = box.start; a <= box.end; ++a)
        for (int b = box.start; b <= box.end; ++b)
            kept += pairKept(s, range, block, wholePair(a, b, s.percentages.checked));
    return kept;
}

bool probeMeets(const ExerciseSettings& s, Range range, const GradeBlock& block)
{
    RandomSource random(probeSeed);
    DrawBudget budget(s.decimals.checked ? decimalProbeDraws : wholeProbeDraws);
    Draw draw{s, random, budget};
    while (!budget.stopRequested())
        if (pairKept(s, range, block, drawOperands(draw, range, block.percentMarks)))
            return true;
    return false;
}

bool firstGradeWholeNumbers(const ExerciseSettings& s)
{
    const bool firstGrade = s.gradeIndex() == 1 || s.gradeIndex() == 2;
    return firstGrade && !s.decimals.checked && !s.percentages.checked && !s.fractions.checked;
}

std::optional<std::string> tenRefusal(const ExerciseSettings& s, const ColumnChoice& choice)
{
    if (choice.rule != ColumnRule::Ten || firstGradeWholeNumbers(s))
        return std::nullopt;
    return quotedChoice(choice) + "只用于一年级20以内的整数" + choice.operation.caption +
           "，请把范围选为一年级、数的类型选整数，或改选别的" + std::string(choice.requirement) +
           "！";
}

std::string unmeetable(const ColumnChoice& choice)
{
    return "这些设置下凑不出" + quotedChoice(choice) + "的" + choice.operation.caption +
           "题，请扩大数据范围、调整年级或接近度，或改选别的" + std::string(choice.requirement) +
           "！";
}

std::string tooFew(long items, double count)
{
    return "这些设置下只有" + std::to_string(items) + "道不同的题，比题量" + shortestText(count) +
           "少，永远出不完！请扩大数据范围、放宽进位退位要求或减少题量。";
}

} // namespace

std::optional<std::string> columnRuleRefusal(const ExerciseSettings& s, Range range)
{
    const std::array<ColumnChoice, 2> choices = choicesOf(s);
    bool anyRule = false;
    for (const ColumnChoice& choice : choices)
        anyRule = anyRule || (choice.operation.checked && choice.rule != ColumnRule::Any);
    if (!anyRule)
        return std::nullopt;

    long items = 0; // different items of the ticked sums and differences
    for (const ColumnChoice& choice : choices) {
        if (!choice.operation.checked)
            continue;
        if (const auto refusal = tenRefusal(s, choice))
            return refusal;
        const GradeBlock block = choice.block(s);
        const long kept = counted(s, range) ? keptPairs(s, range, block) : -1;
        if (choice.rule != ColumnRule::Any &&
            (kept == 0 || (kept < 0 && !probeMeets(s, range, block))))
            return unmeetable(choice);
        items += kept;
    }
    // Products and quotients are not counted here; they may fill what sums cannot.
    const double count = fixPart(s.itemCount.value());
    if (counted(s, range) && !s.multiplication.checked && !s.division.checked && items < count)
        return tooFew(items, count);
    return std::nullopt;
}

} // namespace quill
