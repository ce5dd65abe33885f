#include "settings/exercise_settings.h"

#include "base/number_text.h"

#include <utility>

namespace quill
{

double NumberBox::value() const
{
    return numericValue(text);
}

std::string DropDown::selectedText() const
{
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

ExerciseKind ExerciseSettings::kind() const
{
    for (int k = 1; k <= 7; ++k)
        if (option(static_cast<ExerciseKind>(k)).selected)
            return static_cast<ExerciseKind>(k);
    return ExerciseKind::Vertical;
}

OptionButton ExerciseSettings::*optionMember(ExerciseKind kind)
{
    using S = ExerciseSettings;
    static constexpr OptionButton S::*options[] = {
        &S::oralOption, &S::estimationOption, &S::verticalOption, &S::stepsOption,
        &S::lawsOption, &S::equationsOption,  &S::unitsOption};
    const int index = static_cast<int>(kind) - 1;
    return options[index >= 0 && index < 7 ? index : 2];
}

OptionButton& ExerciseSettings::option(ExerciseKind kind)
{
    return this->*optionMember(kind);
}

const OptionButton& ExerciseSettings::option(ExerciseKind kind) const
{
    return this->*optionMember(kind);
}

std::array<MenuItem*, 12> ExerciseSettings::lawItems()
{
    return {&additionCommutative,       &additionAssociative, &subtractionReorder,
            &subtractionBrackets,       &addSubtractMixed,    &multiplicationCommutative,
            &multiplicationAssociative, &distributive,        &divisionReorder,
            &divisionBrackets,          &multiplyDivideMixed, &noShortcut};
}

std::array<MenuItem*, 7> ExerciseSettings::unitItems()
{
    return {&money, &time, &length, &mass, &area, &volume, &capacity};
}

std::array<CheckBox*, 19> ExerciseSettings::checkBoxes()
{
    return {&addition,     &subtraction, &multiplication, &exactOrProper, &decimals,
            &fractions,    &percentages, &wholeNumbers,   &roundAnswers,  &easyMode,
            &zeroInMiddle, &zeroAtEnd,   &division,       &fillIn,        &wholeTens,
            &borders,      &answerSheet, &saveToHistory,  &capResults};
}

} // namespace quill
