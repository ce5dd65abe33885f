#include "engine/draw_plan.h"

#include "base/number_text.h"
#include "engine/column_rule_plan.h"
#include "engine/generation_path.h"
#include "engine/sheet_combinations.h"
#include "problems/fractions/fraction_items.h"
#include "settings/exercise_settings.h"

#include <algorithm>

namespace quill
{

namespace
{

// Items of plain whole numbers are "a sign b" with both numbers drawn from start..end.
bool plainWholeNumbers(const ExerciseSettings& s)
{
    return s.wholeNumbers.checked && !s.decimals.checked && !s.percentages.checked &&
           !s.fractions.checked;
}

bool onlyMultiplication(const ExerciseSettings& s)
{
    return s.multiplication.checked && !s.addition.checked && !s.subtraction.checked &&
           !s.division.checked;
}

// Up to the third grade's first term step expressions append one-digit factors to values
// up to 9 only, so a product above 9 is never extended: only pairs with a·b ≤ 9 can be used.
double smallProductPairs(int start, int end)
{
    double pairs = 0;
    for (int a = start; a <= end && a <= 9; ++a)
        pairs += a == 0 ? end - start + 1 : std::max(0, std::min(end, 9 / a) - start + 1);
    return pairs;
}

// Step expressions and equations are built from the drawn items; an on-screen set is not.
bool builtOn(const ExerciseSettings& s, bool onScreen)
{
    return !onScreen && (s.equationsOption.selected || s.stepsOption.selected);
}

// The first grades divide within the tables (one-digit divisor and quotient), and so do
// the next two terms when the division is exact.
bool tableDivision(const ExerciseSettings& s, bool onScreen)
{
    const int grade = s.gradeIndex();
    const bool exact = s.exactDivision() || builtOn(s, onScreen);
    return (grade >= 1 && grade <= 3) || (exact && (grade == 4 || grade == 5));
}

double tableDivisions(int start, int end)
{
    double count = 0;
    for (int divisor = std::max(start, 1); divisor <= std::min(end, 9); ++divisor)
        for (int quotient = 0; quotient <= 9; ++quotient)
            count += divisor * quotient >= start && divisor * quotient <= end;
    return count;
}

// At most this many different items can be drawn.
double distinctItems(const ExerciseSettings& s, int start, int end, bool onScreen)
{
    const double width = end - start + 1;
    if (!onScreen && s.stepsOption.selected && onlyMultiplication(s) && s.gradeIndex() >= 1 &&
        s.gradeIndex() <= 5)
        return smallProductPairs(start, end);
    const int others = s.addition.checked + s.subtraction.checked + s.multiplication.checked;
    double divisions = 0;
    if (s.division.checked)
        divisions = tableDivision(s, onScreen) ? tableDivisions(start, end) : width * width;
    return others * width * width + divisions;
}

std::optional<std::string> tooFewDistinctItems(const ExerciseSettings& s, int start, int end,
                                               bool onScreen)
{
    if (!plainWholeNumbers(s))
        return std::nullopt;
    const double count = fixPart(s.itemCount.value());
    const double most = distinctItems(s, start, end, onScreen);
    if (count <= most)
        return std::nullopt;
    return "这样的设置最多只能出" + shortestText(most) + "道不同的题，比题量" +
           shortestText(count) + "少，永远出不完！请扩大数据范围、多选几种运算或减少题量。";
}

// "“质量”", or "“质量”和“时间”".
std::string quotedList(const std::vector<std::string_view>& captions)
{
    std::string text;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (i > 0)
            text += i + 1 == captions.size() ? "和" : "、";
        text += "“" + std::string(captions[i]) + "”";
    }
    return text;
}

std::string withoutWholeAnswers(const std::vector<std::string_view>& captions)
{
    return "所选年级的" + quotedList(captions) + "换算没有整数答案";
}

std::optional<std::string> unitRefusal(const ExerciseSettings& s)
{
    const auto missing = unitFamiliesWithoutWholeAnswers(s);
    if (missing.empty() || anyUnitFamilyDrawable(s))
        return std::nullopt;
    return withoutWholeAnswers(missing) + "，请勾选别的单位！";
}

std::optional<std::string> unitNote(const ExerciseSettings& s)
{
    const auto missing = unitFamiliesWithoutWholeAnswers(s);
    if (missing.empty())
        return std::nullopt;
    return withoutWholeAnswers(missing) + "，这次不出这类题。";
}

std::optional<std::string> lawsRefusal(const LawFormsLeftOut& leftOut)
{
    if (leftOut.anyLawLeft || leftOut.laws.empty())
        return std::nullopt;
    return "这些设置下" + quotedList(leftOut.laws) +
           "都凑不出简便计算的题，请减少小数位数、扩大数据范围或勾选别的简便计算类型！";
}

std::optional<std::string> lawsNote(const LawFormsLeftOut& leftOut)
{
    if (!leftOut.anyLawLeft || (leftOut.laws.empty() && leftOut.formNames.empty()))
        return std::nullopt;
    std::string text = "这些设置下凑不出";
    if (!leftOut.laws.empty())
        text += quotedList(leftOut.laws);
    if (!leftOut.laws.empty() && !leftOut.formNames.empty())
        text += "和";
    if (!leftOut.formNames.empty()) {
        std::vector<std::string_view> names(leftOut.formNames.begin(), leftOut.formNames.end());
        text += quotedList(names) + "形式";
    }
    return text + "的题，这次不出这些题。";
}

// The ticked one of 中间有零, 末尾有零 and 整十百千 (they exclude each other).
const CheckBox* tickedDigitRule(const ExerciseSettings& s)
{
    for (const CheckBox* box : {&s.zeroInMiddle, &s.zeroAtEnd, &s.wholeTens})
        if (box->checked)
            return box;
    return nullptr;
}

// A grade's fraction range (1 to 10) holds no number ending in zero below its end.
std::optional<std::string> fractionRefusal(const ExerciseSettings& s, Range range)
{
    const CheckBox* rule = tickedDigitRule(s);
    if (!rule || digitRuleMeetable(s, range))
        return std::nullopt;
    const std::string quoted = "“" + rule->caption + "”";
    return "数据范围" + std::to_string(range.start) + "到" + std::to_string(range.end) +
           "里凑不出" + quoted + "的分数（分子、分母都小于结束数字），请扩大数据范围或取消" +
           quoted + "！";
}

constexpr CheckBox ExerciseSettings::*operationBoxes[operationCount] = {
    &ExerciseSettings::addition, &ExerciseSettings::subtraction, &ExerciseSettings::multiplication,
    &ExerciseSettings::division};

// Each ticked operation gets a budget of redraws to give one item. One that spends it all
// cannot meet the settings (a proper fraction sum of numbers from 20 to 60), and drawn among
// the others it would stall the whole set.
void leaveOutUndrawableOperations(const ExerciseSettings& s, Range range, DrawPlan& plan)
{
    constexpr long redrawBudget = 200000;
    constexpr std::uint64_t probeSeed = 20231;
    std::vector<std::string_view> drawable, leftOut;
    for (int k = 0; k < operationCount; ++k) {
        const CheckBox& box = s.*operationBoxes[k];
        if (!box.checked)
            continue;
        RandomSource random(probeSeed);
        CountdownStop budget(redrawBudget);
        Draw probe{s, random, budget};
        operationGenerator(s, k)(probe, range);
        plan.operationsLeftOut[k] = budget.ranOut();
        (budget.ranOut() ? leftOut : drawable).push_back(box.caption);
    }
    if (leftOut.empty())
        return;
    if (drawable.empty())
        plan.refusal =
            "这些设置下出不了" + quotedList(leftOut) + "的题，请扩大数据范围或取消一些出题要求！";
    else
        plan.notes.push_back("这些设置下出不了" + quotedList(leftOut) + "的题，这次只出" +
                             quotedList(drawable) + "的题。");
}

// Fractions, then units, then laws, then the whole-number kinds, as the run picks its path.
DrawPlan sheetPlan(const ExerciseSettings& s, Range range)
{
    DrawPlan plan;
    plan.refusal = unshowableCombination(s);
    if (plan.refusal)
        return plan;
    if (s.fractions.checked) {
        plan.refusal = fractionRefusal(s, range);
        if (!plan.refusal && !s.estimationOption.selected)
            leaveOutUndrawableOperations(s, range, plan);
        return plan;
    }
    if (s.unitsOption.selected) {
        plan.refusal = unitRefusal(s);
        if (const auto note = unitNote(s); note && !plan.refusal)
            plan.notes.push_back(*note);
        return plan;
    }
    if (s.lawsOption.selected) {
        const LawFormsLeftOut leftOut = lawFormsLeftOut(s, range);
        plan.refusal = lawsRefusal(leftOut);
        plan.lawFormsLeftOut = leftOut.forms;
        if (const auto note = lawsNote(leftOut))
            plan.notes.push_back(*note);
        return plan;
    }
    if (s.equationsOption.selected && s.simpleEquations() && !s.addition.checked &&
        !s.multiplication.checked) {
        plan.refusal = "“简易方程”只用加法和乘法列方程，请再勾选加法或乘法，或者取消“简易方程”！";
        return plan;
    }
    plan.refusal = tooFewDistinctItems(s, range.start, range.end, false);
    if (!plan.refusal)
        leaveOutUndrawableOperations(s, range, plan);
    return plan;
}

} // namespace

DrawPlan planDraw(const ExerciseSettings& s, Range range, DrawPurpose purpose)
{
    if (auto refusal = columnRuleRefusal(s, range))
        return {std::move(refusal), {}, {}};
    if (purpose == DrawPurpose::OnScreen && s.fractions.checked)
        return {fractionRefusal(s, range), {}, {}};
    if (purpose == DrawPurpose::OnScreen)
        return {tooFewDistinctItems(s, range.start, range.end, true), {}, {}};
    return sheetPlan(s, range);
}

} // namespace quill
