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

OptionButton& ExerciseSettings::option(ExerciseKind kind)
{
    return const_cast<OptionButton&>(std::as_const(*this).option(kind));
}

const OptionButton& ExerciseSettings::option(ExerciseKind kind) const
{
    switch (kind) {
    case ExerciseKind::Oral:
        return Option1;
    case ExerciseKind::Estimation:
        return Option2;
    case ExerciseKind::Vertical:
        return Option3;
    case ExerciseKind::Steps:
        return Option4;
    case ExerciseKind::Laws:
        return Option5;
    case ExerciseKind::Equations:
        return Option6;
    case ExerciseKind::Units:
        return Option7;
    }
    return Option3;
}

std::array<MenuItem*, 12> ExerciseSettings::lawItems()
{
    return {&jfjh,  &jfjh1, &jianfjh, &jianfjh1, &jjhh, &cfjh,
            &cfjh1, &cffp,  &chufjh,  &chufjh1,  &cchh, &tuoshijs};
}

std::array<MenuItem*, 7> ExerciseSettings::unitItems()
{
    return {&jine, &shijian, &changdu, &zhongliang, &mianji, &tiji, &rongji};
}

std::array<CheckBox*, 19> ExerciseSettings::checkBoxes()
{
    return {&Check1,  &Check2,  &Check3,  &Check4,  &Check5,  &Check6,  &Check7,
            &Check9,  &Check11, &Check12, &Check13, &Check14, &Check15, &Check16,
            &Check17, &Check18, &Check19, &Check20, &Check21};
}

} // namespace quill
