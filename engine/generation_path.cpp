#include "engine/generation_path.h"

#include "engine/application.h"
#include "engine/generation_run.h"
#include "output/fraction_writer.h"
#include "output/simplified_calculation_writer.h"
#include "output/unit_conversion_writer.h"
#include "output/worksheet_writer.h"
#include "problems/expressions/equations.h"
#include "problems/expressions/step_expressions.h"
#include "problems/fractions/fraction_expression.h"
#include "problems/fractions/fraction_items.h"
#include "problems/fractions/fraction_steps.h"
#include "problems/laws/law_items.h"
#include "problems/units/unit_families.h"
#include "problems/whole/addition_subtraction.h"
#include "problems/whole/division.h"
#include "problems/whole/multiplication.h"

#include <algorithm>
#include <array>

namespace quill
{

namespace
{

ItemGenerator pickWhole(const Workspace& work, int r)
{
    const ExerciseSettings& s = work.settings;
    return pickOperation(s, r,
                         s.exactDivision() || s.equationsOption.selected || s.stepsOption.selected);
}

// 约分 reduces in every round; the other kinds pick among the ticked operations.
ItemGenerator pickFraction(const Workspace& work, int r)
{
    const ExerciseSettings& s = work.settings;
    if (s.estimationOption.selected)
        return makeFractionReductionItem;
    // In the order of FractionOperation.
    constexpr ItemGenerator byOperation[] = {makeFractionAdditionItem, makeFractionSubtractionItem,
                                             makeFractionMultiplicationItem,
                                             makeFractionDivisionItem};
    const std::optional<FractionOperation> operation = tickedOperation(s, r);
    return operation ? byOperation[static_cast<int>(*operation)] : nullptr;
}

// 脱式计算 extends the drawn items; the list then holds the expressions, so the sheets and
// the history show what was extended, and the step list their values.
void buildFractionExpressions(Workspace& app, int s, int e)
{
    if (!app.settings.stepsOption.selected)
        return;
    const FractionStepList steps = buildFractionSteps(app, trimmedList(app.run.questionList), s, e);
    app.run.stepList = steps.entries;
    app.run.questionList.clear();
    for (const std::string& expression : steps.expressions)
        app.run.questionList += " " + expression;
}

// An item of the law or unit menu and the generator it stands for.
struct MenuChoice {
    MenuItem ExerciseSettings::*item;
    ItemGenerator generate;
    const UnitFamily* family = nullptr; // unit items only
    const LawShapes* forms = nullptr;   // law items with forms only
};

// In the order of the selector's tens: r < 10 area, r < 20 length … r < 70 mass.
constexpr std::array<MenuChoice, 7> unitChoices{{
    {&ExerciseSettings::area, makeUnitItem<areaFamily>, &areaFamily},
    {&ExerciseSettings::length, makeUnitItem<lengthFamily>, &lengthFamily},
    {&ExerciseSettings::volume, makeUnitItem<volumeFamily>, &volumeFamily},
    {&ExerciseSettings::money, makeUnitItem<moneyFamily>, &moneyFamily},
    {&ExerciseSettings::time, makeUnitItem<timeFamily>, &timeFamily},
    {&ExerciseSettings::capacity, makeUnitItem<capacityFamily>, &capacityFamily},
    {&ExerciseSettings::mass, makeUnitItem<massFamily>, &massFamily},
}};

// In menu order, r < 10 加法交换律 … r < 120 无简便运算.
constexpr std::array<MenuChoice, 12> lawChoices{{
    {&ExerciseSettings::additionCommutative, makeLawItem<additionCommutative>, nullptr,
     &additionCommutative},
    {&ExerciseSettings::additionAssociative, makeLawItem<additionAssociative>, nullptr,
     &additionAssociative},
    {&ExerciseSettings::subtractionReorder, makeLawItem<subtractionReorder>, nullptr,
     &subtractionReorder},
    {&ExerciseSettings::subtractionBrackets, makeLawItem<subtractionBrackets>, nullptr,
     &subtractionBrackets},
    {&ExerciseSettings::addSubtractMixed, makeLawItem<addSubtractMixed>, nullptr,
     &addSubtractMixed},
    {&ExerciseSettings::multiplicationCommutative, makeLawItem<multiplicationCommutative>, nullptr,
     &multiplicationCommutative},
    {&ExerciseSettings::multiplicationAssociative, makeLawItem<multiplicationAssociative>, nullptr,
     &multiplicationAssociative},
    {&ExerciseSettings::distributive, makeLawItem<distributive>, nullptr, &distributive},
    {&ExerciseSettings::divisionReorder, makeLawItem<divisionReorder>, nullptr, &divisionReorder},
    {&ExerciseSettings::divisionBrackets, makeLawItem<divisionBrackets>, nullptr,
     &divisionBrackets},
    {&ExerciseSettings::multiplyDivideMixed, makeLawItem<multiplyDivideMixed>, nullptr,
     &multiplyDivideMixed},
    {&ExerciseSettings::noShortcut, makeNoShortcutItem},
}};

// Not drawable under 整数 in the chosen grade: the family has no conversion with a whole
// answer there, and its generator would draw for ever.
bool wholeAnswersMissing(const ExerciseSettings& s, const MenuChoice& choice)
{
    return choice.family && s.wholeNumbers.checked &&
           !hasWholeAnswers(choice.family->schemeFor(s.gradeIndex()));
}

bool leftOut(const std::vector<const LawShape*>& forms, const LawShape& form)
{
    return std::ranges::find(forms, &form) != forms.end();
}

// Every form of the law is left out: no draw can make one of its items.
bool allFormsLeftOut(const std::vector<const LawShape*>& forms, const MenuChoice& choice)
{
    return choice.forms && std::ranges::all_of(*choice.forms, [&](const LawShape& form) {
               return leftOut(forms, form);
           });
}

bool drawable(const ExerciseSettings& s, const MenuChoice& choice)
{
    return (s.*choice.item).checked && !wholeAnswersMissing(s, choice);
}

bool drawable(const Workspace& work, const MenuChoice& choice)
{
    return drawable(work.settings, choice) && !allFormsLeftOut(work.lawShapesLeftOut, choice);
}

// The first drawable item whose tens lie above r, as for the operations.
template <const auto& choices> ItemGenerator pickTicked(const Workspace& work, int r)
{
    for (std::size_t k = 0; k < choices.size(); ++k)
        if (r < 10 * static_cast<int>(k + 1) && drawable(work, choices[k]))
            return choices[k].generate;
    return nullptr;
}

// What the menu shows, not a count kept beside it (a count can say "some" with none ticked),
// less what the settings rule out.
template <const auto& choices> bool anyDrawable(const ExerciseSettings& s)
{
    for (const MenuChoice& choice : choices)
        if (drawable(s, choice))
            return true;
    return false;
}

// 脱式计算 and 解方程 turn the drawn items into longer expressions, kept for the history.
void buildWholeExpressions(Workspace& app, int s, int e)
{
    const std::string_view list = trimmedList(app.run.questionList);
    if (app.settings.stepsOption.selected)
        app.run.stepList = buildStepExpressions(app, list, s, e);
    if (app.settings.equationsOption.selected)
        app.run.completeEquations = buildEquations(app, list, s, e);
}

const std::array<GenerationPath, 4> paths = {{
    {.name = "分数",
     .applies = [](const ExerciseSettings& s) { return s.fractions.checked; },
     .selectorSpan = 39,
     .selectorOffset = 1,
     .pick = pickFraction,
     .afterDraw = buildFractionExpressions,
     .write = writeFractionSheet},
    {.name = "单位换算",
     .applies = [](const ExerciseSettings& s) { return s.unitsOption.selected; },
     .selectorSpan = 69,
     .selectorOffset = 1,
     .pick = pickTicked<unitChoices>,
     .hasChoice = anyDrawable<unitChoices>,
     .noChoiceMessage = "请选择单位转换的类型！",
     .choiceMenu = PopupMenu::Units,
     .write = writeUnitConversionSheet},
    {.name = lawsPathName,
     .applies = [](const ExerciseSettings& s) { return s.lawsOption.selected; },
     .selectorSpan = 119,
     .selectorOffset = 1,
     .pick = pickTicked<lawChoices>,
     .hasChoice = anyDrawable<lawChoices>,
     .noChoiceMessage = "请选择简便计算的类型！",
     .choiceMenu = PopupMenu::Laws,
     .write = writeSimplifiedCalculationSheet},
    {.name = "整数小数",
     .applies = [](const ExerciseSettings&) { return true; },
     .selectorSpan = 39,
     .selectorOffset = 0,
     .selectorBeforeEvents = true,
     .pick = pickWhole,
     .afterDraw = buildWholeExpressions,
     .write = writeWorksheet},
}};

} // namespace

const GenerationPath& choosePath(const ExerciseSettings& settings)
{
    for (const GenerationPath& path : paths)
        if (path.applies(settings))
            return path;
    return paths.back();
}

std::vector<std::string_view> unitFamiliesWithoutWholeAnswers(const ExerciseSettings& s)
{
    std::vector<std::string_view> captions;
    for (const MenuChoice& choice : unitChoices)
        if ((s.*choice.item).checked && wholeAnswersMissing(s, choice))
            captions.push_back((s.*choice.item).caption);
    return captions;
}

bool anyUnitFamilyDrawable(const ExerciseSettings& s)
{
    return anyDrawable<unitChoices>(s);
}

LawFormsLeftOut lawFormsLeftOut(const ExerciseSettings& s, int start, int end)
{
    std::vector<const LawShape*> ticked;
    for (const MenuChoice& choice : lawChoices)
        if ((s.*choice.item).checked && choice.forms)
            for (const LawShape& form : *choice.forms)
                ticked.push_back(&form);
    const std::vector<bool> meetable = lawShapesMeetable(s, ticked, start, end);

    LawFormsLeftOut out;
    std::size_t k = 0;
    for (const MenuChoice& choice : lawChoices) {
        if (!(s.*choice.item).checked)
            continue;
        if (!choice.forms) { // 无简便运算 takes any draw
            out.anyLawLeft = true;
            continue;
        }
        std::vector<std::string> names;
        for (const LawShape& form : *choice.forms) {
            if (meetable[k++])
                continue;
            out.forms.push_back(&form);
            names.push_back((s.*choice.item).caption + " " + std::string(form.pattern));
        }
        if (allFormsLeftOut(out.forms, choice)) {
            out.laws.push_back((s.*choice.item).caption);
            continue;
        }
        out.anyLawLeft = true;
        out.formNames.insert(out.formNames.end(), names.begin(), names.end());
    }
    return out;
}

const GenerationPath& onScreenPath()
{
    static const GenerationPath onScreen = [] {
        GenerationPath path = paths.back();
        path.name = "上机答题";
        path.pick = [](const Workspace& work, int r) {
            return pickOperation(work.settings, r, work.settings.exactDivision());
        };
        path.afterDraw = nullptr;
        path.write = nullptr;
        return path;
    }();
    return onScreen;
}

ItemGenerator pickOperation(const ExerciseSettings& s, int r, bool exactDivision)
{
    if (r < 10 && s.addition.checked)
        return makeAdditionItem;
    if (r < 20 && s.subtraction.checked)
        return makeSubtractionItem;
    if (r < 30 && s.multiplication.checked)
        return makeMultiplicationItem;
    if (r < 40 && s.division.checked)
        return exactDivision ? makeExactDivisionItem : makeDivisionItem;
    return nullptr;
}

} // namespace quill
