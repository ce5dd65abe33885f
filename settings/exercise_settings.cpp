#include "settings/exercise_settings.h"

#include "base/number_text.h"
#include "settings/exercise_kinds.h"

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

ExerciseSettings::ExerciseSettings()
{
    for (const ExerciseKindRow& row : exerciseKinds())
        (this->*row.option).caption = row.caption;
}

ExerciseKind ExerciseSettings::kind() const
{
    for (const ExerciseKindRow& row : exerciseKinds())
        if ((this->*row.option).selected)
            return row.kind;
    return ExerciseKind::Vertical;
}

OptionButton ExerciseSettings::*optionMember(ExerciseKind kind)
{
    return kindRow(kind).option;
}

OptionButton& ExerciseSettings::option(ExerciseKind kind)
{
    return this->*optionMember(kind);
}

const OptionButton& ExerciseSettings::option(ExerciseKind kind) const
{
    return this->*optionMember(kind);
}

namespace
{

ColumnRule ruleOf(const DropDown& list)
{
    return list.enabled ? static_cast<ColumnRule>(list.index) : ColumnRule::Any;
}

} // namespace

ColumnRule ExerciseSettings::carryRule() const
{
    return ruleOf(carry);
}

ColumnRule ExerciseSettings::borrowRule() const
{
    return ruleOf(borrow);
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

std::array<CheckBox*, 20> ExerciseSettings::checkBoxes()
{
    return {&addition,     &subtraction, &multiplication, &exactOrProper, &decimals,
            &fractions,    &percentages, &wholeNumbers,   &roundAnswers,  &easyMode,
            &zeroInMiddle, &zeroAtEnd,   &division,       &fillIn,        &wholeTens,
            &borders,      &answerSheet, &saveToHistory,  &capResults,    &avoidTrivial};
}

} // namespace quill
