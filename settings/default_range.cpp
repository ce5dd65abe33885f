#include "settings/default_range.h"

#include "settings/exercise_settings.h"

namespace quill
{

namespace
{

// Grade list indexes: 6 is 三年级下学期, 10 五年级下学期.
constexpr int lastThirdGradeTerm = 6;
constexpr int lastFifthGradeTerm = 10;

} // namespace

RangeTexts fractionDefaultRange(int gradeIndex)
{
    if (gradeIndex >= 1 && gradeIndex <= lastThirdGradeTerm)
        return {"1", "10"};
    if (gradeIndex > lastThirdGradeTerm && gradeIndex <= lastFifthGradeTerm)
        return {"1", "12"};
    return {"1", "20"};
}

RangeTexts defaultRange(const ExerciseSettings& settings)
{
    const bool reductions = settings.estimationOption.selected;
    return settings.fractions.checked && !reductions ? fractionDefaultRange(settings.gradeIndex())
                                                     : plainDefaultRange;
}

} // namespace quill
