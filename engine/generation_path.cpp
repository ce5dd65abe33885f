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
#include "problems/whole/column_division.h"
#include "problems/whole/division.h"
#include "problems/whole/multiplication.h"

#include <algorithm>
#include <array>

namespace quill
{

namespace
{

// A generator of one family's item type, as the run takes it.
template <auto make> SetItem generate(Draw& draw, Range range)
{
    return make(draw, range);
}

// The ticked operation r picks, unless the plan found that it can never be drawn.
ItemGenerator pickTickedOperation(const Application& app, int r)
{
    const std::optional<FractionOperation> operation = tickedOperation(app.settings, r);
    if (!operation || app.operationsLeftOut[static_cast<int>(*operation)])
        return nullptr;
    return operationGenerator(app.settings, static_cast<int>(*operation));
}

// 约分 reduces in every round; the other kinds pick among the ticked operations.
ItemGenerator pickFraction(const Application& app, int r)
{
    if (app.settings.estimationOption.selected)
        return generate<makeFractionReductionItem>;
    return pickTickedOperation(app, r);
}

// 脱式计算 extends the drawn items, so the sheets and the history show what was extended.
void buildFractionExpressions(Application& app, Range range)
{
    if (!app.settings.stepsOption.selected)
        return;
    Draw draw = app.draw();
    app.set = setOf(buildFractionSteps(draw, range, itemsOf<FractionExpression>(app.set)));
}

// An item of the law or unit menu and the generator it stands for.
struct MenuChoice {
    MenuItem ExerciseSettings::*item;
    SetItem (*generate)(Draw& draw, Range range) = nullptr; // units and 无简便运算
    const UnitFamily* family = nullptr;                     // unit items only
    const LawShapes* forms = nullptr;                       // law items with forms only
};

// In the order of the selector's tens: r < 10 area, r < 20 length … r < 70 mass.
constexpr std::array<MenuChoice, 7> unitChoices{{
    {&ExerciseSettings::area, generate<makeUnitItem<areaFamily>>, &areaFamily},
    {&ExerciseSettings::length, generate<makeUnitItem<lengthFamily>>, &lengthFamily},
    {&ExerciseSettings::volume, generate<makeUnitItem<volumeFamily>>, &volumeFamily},
    {&ExerciseSettings::money, generate<makeUnitItem<moneyFamily>>, &moneyFamily},
    {&ExerciseSettings::time, generate<makeUnitItem<timeFamily>>, &timeFamily},
    {&ExerciseSettings::capacity, generate<makeUnitItem<capacityFamily>>, &capacityFamily},
    {&ExerciseSettings::mass, generate<makeUnitItem<massFamily>>, &massFamily},
}};

// In menu order, r < 10 加法交换律 … r < 120 无简便运算.
constexpr std::array<MenuChoice, 12> lawChoices{{
    {&ExerciseSettings::additionCommutative, nullptr, nullptr, &additionCommutative},
    {&ExerciseSettings::additionAssociative, nullptr, nullptr, &additionAssociative},
    {&ExerciseSettings::subtractionReorder, nullptr, nullptr, &subtractionReorder},
    {&ExerciseSettings::subtractionBrackets, nullptr, nullptr, &subtractionBrackets},
    {&ExerciseSettings::addSubtractMixed, nullptr, nullptr, &addSubtractMixed},
    {&ExerciseSettings::multiplicationCommutative, nullptr, nullptr, &multiplicationCommutative},
    {&ExerciseSettings::multiplicationAssociative, nullptr, nullptr, &multiplicationAssociative},
    {&ExerciseSettings::distributive, nullptr, nullptr, &distributive},
    {&ExerciseSettings::divisionReorder, nullptr, nullptr, &divisionReorder},
    {&ExerciseSettings::divisionBrackets, nullptr, nullptr, &divisionBrackets},
    {&ExerciseSettings::multiplyDivideMixed, nullptr, nullptr, &multiplyDivideMixed},
    {&ExerciseSettings::noShortcut, generate<makeNoShortcutItem>},
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

bool drawable(const Application& app, const MenuChoice& choice)
{
    return drawable(app.settings, choice) && !allFormsLeftOut(app.lawShapesLeftOut, choice);
}

ItemGenerator generatorOf(const Application& app, const MenuChoice& choice)
{
    if (!choice.forms)
        return choice.generate;
    return [forms = choice.forms, leftOut = app.lawShapesLeftOut](Draw& draw, Range range) {
        return SetItem(makeShapedLawItem(draw, range, *forms, leftOut));
    };
}

// The first drawable item whose tens lie above r, as for the operations.
template <const auto& choices> ItemGenerator pickTicked(const Application& app, int r)
{
    for (std::size_t k = 0; k < choices.size(); ++k)
        if (r < 10 * static_cast<int>(k + 1) && drawable(app, choices[k]))
            return generatorOf(app, choices[k]);
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

// 脱式计算 and 解方程 turn the drawn items into longer expressions; the other kinds get their
// sheets ready.
void buildWholeExpressions(Application& app, Range range)
{
    Draw draw = app.draw();
    const std::vector<OperationItem> items = itemsOf<OperationItem>(app.set);
    if (app.settings.stepsOption.selected)
        app.set = setOf(buildStepExpressions(draw, range, items));
    else if (app.settings.equationsOption.selected)
        app.set = setOf(buildEquations(draw, range, items));
    else
        prepareSheets(app, range);
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
    {.name = "简便计算",
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
     .pick = pickTickedOperation,
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

LawFormsLeftOut lawFormsLeftOut(const ExerciseSettings& s, Range range)
{
    std::vector<const LawShape*> ticked;
    for (const MenuChoice& choice : lawChoices)
        if ((s.*choice.item).checked && choice.forms)
            for (const LawShape& form : *choice.forms)
                ticked.push_back(&form);
    const std::vector<bool> meetable = lawShapesMeetable(s, ticked, range);

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
        path.pick = [](const Application& app, int r) {
            return pickOperation(app.settings, r, app.settings.exactDivision());
        };
        path.afterDraw = nullptr;
        path.write = nullptr;
        return path;
    }();
    return onScreen;
}

ItemGenerator operationGenerator(const ExerciseSettings& s, int k)
{
    using Generator = SetItem (*)(Draw&, Range);
    // In the order of FractionOperation.
    constexpr Generator fractions[] = {
        generate<makeFractionAdditionItem>, generate<makeFractionSubtractionItem>,
        generate<makeFractionMultiplicationItem>, generate<makeFractionDivisionItem>};
    constexpr Generator whole[] = {generate<makeAdditionItem>, generate<makeSubtractionItem>,
                                   generate<makeMultiplicationItem>};
    if (s.fractions.checked)
        return fractions[k];
    if (k < 3)
        return whole[k];
    // Step expressions and equations are built on exact quotients.
    const bool exact = s.exactDivision() || s.equationsOption.selected || s.stepsOption.selected;
    return exact ? generate<makeExactDivisionItem> : generate<makeDivisionItem>;
}

const GenerationPath& onScreenFractionPath()
{
    static const GenerationPath onScreen = [] {
        GenerationPath path = paths.front();
        path.name = "上机答题（分数）";
        path.afterDraw = nullptr; // fraction 口算: no steps are built on the items
        path.write = nullptr;
        return path;
    }();
    return onScreen;
}

ItemGenerator pickOperation(const ExerciseSettings& s, int r, bool exactDivision)
{
    if (r < 10 && s.addition.checked)
        return generate<makeAdditionItem>;
    if (r < 20 && s.subtraction.checked)
        return generate<makeSubtractionItem>;
    if (r < 30 && s.multiplication.checked)
        return generate<makeMultiplicationItem>;
    if (r < 40 && s.division.checked)
        return exactDivision ? generate<makeExactDivisionItem> : generate<makeDivisionItem>;
    return nullptr;
}

void prepareSheets(Application& app, Range range)
{
    const ExerciseSettings& s = app.settings;
    const bool wholePath =
        !s.fractions.checked && !s.unitsOption.selected && !s.lawsOption.selected;
    const bool fillIn = s.fillIn.checked && (s.oralOption.selected || s.estimationOption.selected ||
                                             s.verticalOption.selected);
    if (!wholePath)
        return;
    Draw draw = app.draw();
    for (SetItem& item : app.set) {
        if (OperationItem* operation = std::get_if<OperationItem>(&item);
            operation && s.verticalOption.selected)
            *operation = divisionForColumns(draw, range, *operation);
    }
    if (!fillIn)
        return;
    for (SetItem& item : app.set)
        if (OperationItem* operation = std::get_if<OperationItem>(&item)) {
            const int w = app.random.below(2);
            if (operation->isPair())
                operation->blank = static_cast<std::size_t>(w);
        }
}

} // namespace quill
