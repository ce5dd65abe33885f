#include "engine/unmeetable_settings.h"

#include "base/number_text.h"
#include "settings/exercise_settings.h"

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

// At most this many different items can be drawn.
double distinctItems(const ExerciseSettings& s, int start, int end)
{
    const double width = end - start + 1;
    if (s.stepsOption.selected && onlyMultiplication(s) && s.gradeIndex() >= 1 &&
        s.gradeIndex() <= 5)
        return smallProductPairs(start, end);
    const int operations = s.addition.checked + s.subtraction.checked +
                           s.multiplication.checked + s.division.checked;
    return operations * width * width;
}

} // namespace

std::optional<std::string> unmeetableReason(const ExerciseSettings& s, int start, int end)
{
    if (s.unitsOption.selected || s.lawsOption.selected || s.fractions.checked)
        return std::nullopt;
    if (s.equationsOption.selected && s.simpleEquations() && !s.addition.checked &&
        !s.multiplication.checked)
        return "“简易方程”只用加法和乘法列方程，请再勾选加法或乘法，或者取消“简易方程”！";
    if (!plainWholeNumbers(s))
        return std::nullopt;
    const double count = fixPart(s.itemCount.value());
    const double most = distinctItems(s, start, end);
    if (count <= most)
        return std::nullopt;
    return "这样的设置最多只能出" + shortestText(most) + "道不同的题，比题量" +
           shortestText(count) + "少，永远出不完！请扩大数据范围、多选几种运算或减少题量。";
}

} // namespace quill
