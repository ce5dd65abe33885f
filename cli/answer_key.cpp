#include "cli/answer_key.h"

#include "engine/application.h"
#include "engine/generation_run.h"
#include "output/cell_text_capture.h"
#include "output/worksheet_writer.h"
#include "output/writer_arguments.h"
#include "problems/expressions/answer_store.h"
#include "problems/expressions/shown_answer.h"
#include "problems/fractions/fraction_expression.h"
#include "problems/units/unit_item.h"

namespace quill
{

namespace
{

std::vector<std::string> entries(const std::string& list)
{
    return splitAtSpaces(trimmedList(list));
}

// "12＋5＋8＝25" -> "12＋5＋8<TAB>25": the value follows the last equals sign, shown as the
// answer sheet shows it ("≈16793.83" for a long decimal).
std::vector<std::string> stepLines(const Application& app)
{
    const ExerciseSettings& s = app.settings;
    const auto kept = s.roundAnswers.checked ? std::optional(s.answerPlaces.index) : std::nullopt;
    std::vector<std::string> lines;
    for (const std::string& entry : entries(app.run.stepList)) {
        const size_t equals = entry.rfind("＝");
        if (equals == std::string::npos) {
            lines.push_back(entry);
            continue;
        }
        const ShownAnswer value =
            shownValue(entry.substr(equals + std::string_view("＝").size()), kept);
        lines.push_back(entry.substr(0, equals) + "\t" + (value.sign == "＝" ? "" : value.sign) +
                        value.text);
    }
    return lines;
}

std::vector<std::string> equationLines(const Application& app)
{
    const std::vector<std::string> equations = entries(app.run.equationList);
    const std::vector<std::string> solutions = entries(app.run.completeEquations);
    std::vector<std::string> lines;
    for (size_t k = 0; k < equations.size(); ++k)
        lines.push_back(equations[k] + "\t" + (k < solutions.size() ? solutions[k] : ""));
    return lines;
}

std::string unitQuestion(const UnitItem& item)
{
    return item.value + " " + item.unit + "＝（ ）" + item.answerUnit;
}

std::vector<std::string> unitLines(const Application& app, bool answers)
{
    std::vector<std::string> lines;
    for (const std::string& entry : entries(app.run.questionList)) {
        const UnitItem item = parseUnitItem(entry);
        lines.push_back(unitQuestion(item) + (answers ? "\t" + item.answer : ""));
    }
    return lines;
}

// "3/8＋1/8" and with answers "3/8＋1/8<TAB>＝1/2"; what is no fraction item as it stands.
std::vector<std::string> fractionLines(const Application& app, bool answers)
{
    std::vector<std::string> lines;
    for (const std::string& entry : entries(app.run.questionList)) {
        const auto parsed = parseFractionExpression(entry);
        const auto asked =
            parsed ? std::optional(withoutNegativeDifference(*parsed)) : std::nullopt;
        const auto value = asked ? expressionValue(*asked) : std::nullopt;
        if (!value) {
            lines.push_back(entry);
            continue;
        }
        std::string line = plainText(shownTerms(*asked));
        if (answers)
            line += "\t＝" + plainText({shownValue(*value)});
        lines.push_back(line);
    }
    return lines;
}

// "37＋45＋63＝145" -> "37＋45＋63", with the answer "\t145" when asked.
std::vector<std::string> lawLines(const Application& app, bool answers)
{
    std::vector<std::string> lines;
    for (const std::string& entry : entries(app.run.questionList)) {
        const size_t equals = entry.find("＝");
        const std::string question = entry.substr(0, equals);
        const std::string answer =
            equals == std::string::npos ? "" : entry.substr(equals + std::string_view("＝").size());
        lines.push_back(answers ? question + "\t" + answer : question);
    }
    return lines;
}

// The cells of the answer sheet, each split after its item.
std::vector<std::string> sheetLines(Application& app)
{
    CellTextCapture sheet;
    writeWorksheet(app, app.notifier, sheet, writerArguments(app, true));
    const std::vector<std::string> cells = sheet.typedCells();
    std::vector<std::string> lines;
    for (size_t k = 0; k < cells.size(); ++k) {
        const std::string& item = k < app.answers.itemTexts.size() ? app.answers.itemTexts[k] : "";
        const bool startsWithItem = !item.empty() && cells[k].starts_with(item);
        lines.push_back(startsWithItem ? item + "\t" + cells[k].substr(item.size()) : cells[k]);
    }
    return lines;
}

} // namespace

std::vector<std::string> answerKeyLines(Application& app)
{
    if (app.settings.fractions.checked)
        return fractionLines(app, true);
    switch (app.settings.kind()) {
    case ExerciseKind::Steps:
        return stepLines(app);
    case ExerciseKind::Equations:
        return equationLines(app);
    case ExerciseKind::Units:
        return unitLines(app, true);
    case ExerciseKind::Laws:
        return lawLines(app, true);
    default:
        return sheetLines(app);
    }
}

std::vector<std::string> itemLines(const Application& app)
{
    if (app.settings.kind() == ExerciseKind::Units)
        return unitLines(app, false);
    if (app.settings.fractions.checked)
        return fractionLines(app, false);
    if (app.settings.kind() == ExerciseKind::Laws)
        return lawLines(app, false);
    return entries(app.run.questionList);
}

} // namespace quill
