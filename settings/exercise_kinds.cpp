#include "settings/exercise_kinds.h"

#include <algorithm>
#include <array>

namespace quill
{

namespace
{

using S = ExerciseSettings;

constexpr FractionHistoryKind fractionCalculation{{8, "分数计算", SavedList::Fractions},
                                                  ExerciseKind::Vertical};
constexpr FractionHistoryKind fractionReduction{{9, "约分", SavedList::Fractions},
                                                ExerciseKind::Estimation};

std::vector<SwitchedControl> without(std::vector<SwitchedControl> controls, SwitchedControl gone)
{
    std::erase(controls, gone);
    return controls;
}

// Built on first use: settings made while statics start up read it too.
std::vector<ExerciseKindRow> makeRows()
{
    // The operations and number forms the arithmetic kinds offer.
    const std::vector<SwitchedControl> arithmeticControls = {
        &S::addition,      &S::subtraction,  &S::multiplication, &S::division,  &S::exactOrProper,
        &S::roundAnswers,  &S::zeroInMiddle, &S::zeroAtEnd,      &S::wholeTens, &S::fillIn,
        &S::operandPlaces, &S::answerPlaces, &S::stepCount};
    return {
        {.kind = ExerciseKind::Oral,
         .option = &S::oralOption,
         .control = "Option1",
         .field = "oralOption",
         .caption = "口算",
         .commandName = "oral",
         .saved = {1, "口算", SavedList::Operations, false},
         .savedWithFractions = &fractionCalculation,
         .numberTypes = {{&S::wholeNumbers, &S::decimals, &S::fractions, &S::percentages}, {}},
         .controls = {arithmeticControls, {&S::easyMode}},
         .presets = {{&S::easyMode, false}},
         .restoresExactDivisionCaption = true,
         .columns = "4",
         .count = {.perColumn = 20, .perColumnWhenRetyped = 21},
         .answeredOnScreen = true},
        {.kind = ExerciseKind::Estimation,
         .option = &S::estimationOption,
         .control = "Option2",
         .field = "estimationOption",
         .caption = "估算",
         .fractionCaption = "约分",
         .commandName = "estimation",
         .saved = {2, "估算", SavedList::Operations, false},
         .savedWithFractions = &fractionReduction,
         .numberTypes = {{&S::wholeNumbers, &S::decimals, &S::fractions, &S::percentages}, {}},
         .controls = {arithmeticControls, {&S::easyMode}},
         .presets = {{&S::easyMode, false}},
         .restoresExactDivisionCaption = true,
         .columns = "4",
         .count = {.perColumn = 20, .perColumnWhenRetyped = 21},
         .answeredOnScreen = false},
        {.kind = ExerciseKind::Vertical,
         .option = &S::verticalOption,
         .control = "Option3",
         .field = "verticalOption",
         .caption = "竖式计算",
         .fractionCaption = "通分计算",
         .commandName = "vertical",
         .saved = {3, "竖式"},
         .savedWithFractions = &fractionCalculation,
         .numberTypes = {{&S::wholeNumbers, &S::decimals, &S::fractions}, {}},
         .controls = {arithmeticControls, {&S::easyMode}},
         .presets = {{&S::easyMode, false}},
         .restoresExactDivisionCaption = true,
         .columns = "4",
         .count = {.perColumn = 6, .perColumnWhenRetyped = 6},
         .answeredOnScreen = false},
        {.kind = ExerciseKind::Steps,
         .option = &S::stepsOption,
         .control = "Option4",
         .field = "stepsOption",
         .caption = "脱式计算",
         .commandName = "steps",
         .saved = {4, "脱式", SavedList::Steps},
         .savedWithFractions = &fractionCalculation,
         .numberTypes = {{&S::wholeNumbers, &S::decimals, &S::fractions, &S::percentages}, {}},
         .controls = {without(arithmeticControls, &S::fillIn), {&S::easyMode, &S::fillIn}},
         .presets = {{&S::easyMode, false}, {&S::fillIn, false}},
         .restoresExactDivisionCaption = true,
         .columns = "4",
         .count = {.fixed = "24", .firstYear = "80"},
         .answeredOnScreen = false},
        {.kind = ExerciseKind::Laws,
         .option = &S::lawsOption,
         .control = "Option5",
         .field = "lawsOption",
         .caption = "简便计算",
         .commandName = "laws",
         .saved = {5, "简便计算", SavedList::Laws, false},
         .savedWithFractions = &fractionCalculation,
         .numberTypes = {{&S::wholeNumbers, &S::decimals, &S::fractions}, {&S::percentages}},
         .controls = {{&S::exactOrProper, &S::roundAnswers, &S::easyMode, &S::zeroInMiddle,
                       &S::zeroAtEnd, &S::wholeTens, &S::operandPlaces, &S::answerPlaces,
                       &S::stepCount},
                      {&S::addition, &S::subtraction, &S::multiplication, &S::division,
                       &S::fillIn}},
         .presets = {{&S::exactOrProper, true},
                     {&S::easyMode, true},
                     {&S::percentages, false},
                     {&S::wholeNumbers, true},
                     {&S::fillIn, false}},
         // The five basic laws stay as they were; the mixed and shortcut-free forms start off.
         .clearedMenuItems = {&S::subtractionReorder, &S::subtractionBrackets, &S::addSubtractMixed,
                              &S::divisionReorder, &S::divisionBrackets, &S::multiplyDivideMixed,
                              &S::noShortcut},
         .restoresExactDivisionCaption = true,
         .easyModeCaption = "简易简便",
         .columns = "4",
         .count = {.perColumn = 6},
         .answeredOnScreen = false},
        {.kind = ExerciseKind::Equations,
         .option = &S::equationsOption,
         .control = "Option6",
         .field = "equationsOption",
         .caption = "解方程",
         .commandName = "equations",
         .saved = {6, "解方程", SavedList::Equations},
         .savedWithFractions = &fractionCalculation,
         .numberTypes = {{&S::wholeNumbers, &S::decimals}, {&S::fractions}},
         .controls = {{&S::addition, &S::subtraction, &S::multiplication, &S::division,
                       &S::exactOrProper, &S::easyMode, &S::operandPlaces},
                      {&S::roundAnswers, &S::zeroInMiddle, &S::zeroAtEnd, &S::wholeTens, &S::fillIn,
                       &S::answerPlaces, &S::stepCount}},
         .presets = {{&S::exactOrProper, true},
                     {&S::wholeNumbers, true},
                     {&S::easyMode, true},
                     {&S::fillIn, false}},
         .restoresExactDivisionCaption = false,
         .easyModeCaption = "简易方程",
         .columns = "4",
         .count = {.fixed = "24"},
         .answeredOnScreen = false},
        {.kind = ExerciseKind::Units,
         .option = &S::unitsOption,
         .control = "Option7",
         .field = "unitsOption",
         .caption = "单位换算",
         .commandName = "units",
         .clickHint = "请将鼠标移动到“单位换算”文字上，进行详细设置！",
         .saved = {7, "单位换算", SavedList::Units},
         .savedWithFractions = &fractionCalculation,
         .numberTypes = {{}, {&S::fractions, &S::percentages}},
         .controls = {{},
                      {&S::addition, &S::subtraction, &S::multiplication, &S::division,
                       &S::exactOrProper, &S::roundAnswers, &S::easyMode, &S::zeroInMiddle,
                       &S::zeroAtEnd, &S::wholeTens, &S::fillIn, &S::answerPlaces, &S::stepCount}},
         .presets = {{&S::wholeNumbers, true}, {&S::easyMode, false}, {&S::fillIn, false}},
         .restoresExactDivisionCaption = false,
         .columns = "2",
         .count = {.fixed = "40"},
         .answeredOnScreen = false},
    };
}

const std::vector<ExerciseKindRow>& table()
{
    static const std::vector<ExerciseKindRow> rows = makeRows();
    return rows;
}

std::vector<HistoryKind> collectHistoryKinds()
{
    std::vector<HistoryKind> kinds;
    const auto add = [&](const HistoryKind& kind) {
        if (std::none_of(kinds.begin(), kinds.end(),
                         [&](const HistoryKind& known) { return known.number == kind.number; }))
            kinds.push_back(kind);
    };
    for (const ExerciseKindRow& row : table())
        add(row.saved);
    for (const ExerciseKindRow& row : table())
        add(row.savedWithFractions->history);
    std::sort(kinds.begin(), kinds.end(),
              [](const HistoryKind& a, const HistoryKind& b) { return a.number < b.number; });
    return kinds;
}

} // namespace

std::span<const ExerciseKindRow> exerciseKinds()
{
    return table();
}

const ExerciseKindRow& kindRow(ExerciseKind kind)
{
    const std::vector<ExerciseKindRow>& rows = table();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [kind](const ExerciseKindRow& r) { return r.kind == kind; });
    return row != rows.end() ? *row : rows.front(); // every kind has its row
}

std::span<const HistoryKind> historyKinds()
{
    static const std::vector<HistoryKind> kinds = collectHistoryKinds();
    return kinds;
}

std::optional<SavedSetKind> savedSetKind(int number, std::string_view writtenAs)
{
    for (const ExerciseKindRow& row : table())
        if (row.saved.number == number)
            return SavedSetKind{row.saved, row.kind, false};
    for (const ExerciseKindRow& row : table())
        if (row.savedWithFractions->history.number == number && row.commandName == writtenAs)
            return SavedSetKind{row.savedWithFractions->history, row.kind, true};
    for (const ExerciseKindRow& row : table())
        if (row.savedWithFractions->history.number == number)
            return SavedSetKind{row.savedWithFractions->history, row.savedWithFractions->loadedAs,
                                true};
    return std::nullopt;
}

const HistoryKind& historyKindFor(const ExerciseSettings& settings)
{
    const ExerciseKindRow& row = kindRow(settings.kind());
    return settings.fractions.checked ? row.savedWithFractions->history : row.saved;
}

} // namespace quill
