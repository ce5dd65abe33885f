#include "cli/answer_key.h"

#include "engine/application.h"
#include "output/cell_text_capture.h"
#include "output/worksheet_writer.h"
#include "output/writer_arguments.h"
#include "problems/expressions/equation_solution.h"
#include "problems/expressions/shown_answer.h"
#include "problems/fractions/fraction_expression.h"
#include "problems/units/unit_item.h"

namespace quill
{

namespace
{

std::optional<int> keptPlaces(const ExerciseSettings& s)
{
    return s.roundAnswers.checked ? std::optional(s.answerPlaces.index) : std::nullopt;
}

// "(12＋5)×3" and with its answer "(12＋5)×3<TAB>51", shown as the answer sheet shows it
// ("≈16793.83" for a long decimal).
std::string stepLine(const StepItem& item, std::optional<int> kept, bool answers)
{
    if (!answers || !item.value)
        return item.expression;
    const ShownAnswer value = shownValue(*item.value, kept);
    return item.expression + "\t" + (value.sign == "＝" ? "" : value.sign) + value.text;
}

std::string unitLine(const UnitItem& item, bool answers)
{
    std::string line = item.value + " " + item.unit + "＝（ ）" + item.answerUnit;
    return answers ? line + "\t" + item.answer : line;
}

// "3/8＋1/8" and with answers "3/8＋1/8<TAB>＝1/2"; what is no fraction item as it stands.
std::string fractionLine(const SetItem& item, bool answers)
{
    const FractionExpression* fraction = std::get_if<FractionExpression>(&item);
    const auto asked = fraction ? std::optional(withoutNegativeDifference(*fraction)) : std::nullopt;
    const auto value = asked ? expressionValue(*asked) : std::nullopt;
    if (!value)
        return itemText(item);
    std::string line = plainText(shownTerms(*asked));
    if (answers)
        line += "\t＝" + plainText({shownValue(*value)});
    return line;
}

// "37＋45＋63" and with its answer "37＋45＋63<TAB>145".
std::string lawLine(const LawItem& item, bool answers)
{
    if (!answers)
        return item.expression;
    return item.expression + "\t" + (item.answer ? item.answer->text() : "");
}

// "X＋5＋8＝25" and with its answer "X＋5＋8＝25<TAB>X＝12"; an equation whose solution
// cannot be read gets its complete expression with its value, as its sheet shows it.
std::string equationLine(const EquationItem& item, bool answers)
{
    if (!answers)
        return equationText(item);
    return equationText(item) + "\t" + solutionText(item).value_or(itemText(item));
}

// The cells of one sheet of the set, as the worksheet writer types them.
std::vector<std::string> sheetCells(Application& app, bool answers)
{
    CellTextCapture sheet;
    const WriterArguments args{app.settings, app.set,      sheetLayoutOf(app.settings),
                               answers,      app.notifier, app.stop()};
    writeWorksheet(args, sheet);
    return sheet.typedCells();
}

// 填数: each question as its sheet asks it, with answers followed by the number that fills
// its blank; an item without a blank as its answer sheet shows it.
std::vector<std::string> fillInLines(Application& app, bool answers)
{
    const std::vector<std::string> questions = sheetCells(app, false);
    const std::vector<std::string> keys = answers ? sheetCells(app, true) : questions;
    std::vector<std::string> lines;
    for (size_t k = 0; k < questions.size(); ++k) {
        const OperationItem* item =
            k < app.set.size() ? std::get_if<OperationItem>(&app.set[k]) : nullptr;
        if (!answers)
            lines.push_back(questions[k]);
        else if (item && item->blank && *item->blank < item->terms.size())
            lines.push_back(questions[k] + "\t" + item->terms[*item->blank].text);
        else
            lines.push_back(k < keys.size() ? keys[k] : questions[k]);
    }
    return lines;
}

// The cells of the answer sheet, each split after its item.
std::vector<std::string> sheetLines(Application& app)
{
    const std::vector<std::string> cells = sheetCells(app, true);
    std::vector<std::string> lines;
    for (size_t k = 0; k < cells.size(); ++k) {
        const std::string item = k < app.set.size() ? itemText(app.set[k]) : "";
        const bool startsWithItem = !item.empty() && cells[k].starts_with(item);
        lines.push_back(startsWithItem ? item + "\t" + cells[k].substr(item.size()) : cells[k]);
    }
    return lines;
}

// One line an item, in the family's form.
std::vector<std::string> familyLines(const Application& app, bool answers)
{
    const ExerciseSettings& s = app.settings;
    std::vector<std::string> lines;
    for (const SetItem& item : app.set) {
        if (s.fractions.checked)
            lines.push_back(fractionLine(item, answers));
        else if (const auto* step = std::get_if<StepItem>(&item))
            lines.push_back(stepLine(*step, keptPlaces(s), answers));
        else if (const auto* equation = std::get_if<EquationItem>(&item))
            lines.push_back(equationLine(*equation, answers));
        else if (const auto* unit = std::get_if<UnitItem>(&item))
            lines.push_back(unitLine(*unit, answers));
        else if (const auto* law = std::get_if<LawItem>(&item))
            lines.push_back(lawLine(*law, answers));
        else
            lines.push_back(itemText(item));
    }
    return lines;
}

// The kinds whose answers are the worksheet's cells: 口算, 估算, 竖式计算.
bool answeredOnTheSheet(const ExerciseSettings& s)
{
    return !s.fractions.checked && (s.oralOption.selected || s.estimationOption.selected ||
                                    s.verticalOption.selected);
}

} // namespace

std::vector<std::string> answerKeyLines(Application& app)
{
    if (answeredOnTheSheet(app.settings))
        return app.settings.fillIn.checked ? fillInLines(app, true) : sheetLines(app);
    return familyLines(app, true);
}

std::vector<std::string> itemLines(Application& app)
{
    if (answeredOnTheSheet(app.settings) && app.settings.fillIn.checked)
        return fillInLines(app, false);
    return familyLines(app, false);
}

} // namespace quill
