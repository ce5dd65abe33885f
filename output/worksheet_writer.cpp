#include "output/worksheet_writer.h"

#include "base/number_text.h"
#include "output/worksheet_layout.h"
#include "problems/expressions/equations.h"
#include "problems/expressions/evaluator.h"
#include "problems/expressions/shown_answer.h"
#include "problems/workspace.h"
#include "settings/notifier.h"

#include <algorithm>
#include <optional>

namespace quill
{

namespace
{

// How the cells of a kind are filled.
enum class CellForm { Oral, Estimation, Vertical, Steps, Equations, None };

bool firstGrade(const ExerciseSettings& s)
{
    return s.grade.index == 1 || s.grade.index == 2;
}

CellForm cellForm(const ExerciseSettings& s)
{
    switch (s.kind()) {
    case ExerciseKind::Oral:
        return CellForm::Oral;
    case ExerciseKind::Estimation:
        return CellForm::Estimation;
    case ExerciseKind::Vertical:
        return CellForm::Vertical;
    case ExerciseKind::Steps:
        return CellForm::Steps;
    case ExerciseKind::Equations:
        return CellForm::Equations;
    default:
        return CellForm::None;
    }
}

bool hasWorkRows(const ExerciseSettings& s)
{
    // First-grade step-by-step items are short enough to be worked out in the item's row.
    const CellForm form = cellForm(s);
    return form == CellForm::Vertical || (form == CellForm::Steps && !firstGrade(s)) ||
           form == CellForm::Equations || s.kind() == ExerciseKind::Laws;
}

// A range box as the evaluator takes it: rounded, ties to even, within 16 bits.
int rangeNumber(double value)
{
    return static_cast<int>(std::clamp(roundHalfEven(value), -32768.0, 32767.0));
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The texts of a set as it was saved, for the sheets that print them as they stand.
struct SavedSet {
    std::vector<std::string> items;
    std::vector<std::string> questions;
};

std::vector<std::string> textsBeforeEquals(const std::vector<std::string>& items)
{
    std::vector<std::string> questions;
    for (const std::string& item : items)
        questions.push_back(item.substr(0, item.find("＝")));
    return questions;
}

SavedSet savedSet(const Workspace& work, CellForm form)
{
    const RunState& run = work.run;
    if (form == CellForm::Steps && run.writingSavedSet) {
        auto items = splitAtSpaces(trimmed(run.questionList));
        auto questions = textsBeforeEquals(items);
        return {std::move(items), std::move(questions)};
    }
    if (form == CellForm::Equations) {
        if (run.writingSavedSet)
            return {splitAtSpaces(trimmed(run.questionList)),
                    splitAtSpaces(trimmed(run.equationList))};
        return {splitAtSpaces(trimmed(run.completeEquations)), {}};
    }
    return {};
}

// The items that have an entry in every answer table.
int filledItems(const AnswerStore& store, int items)
{
    for (const auto* table : {&store.itemTexts, &store.roundedAnswers, &store.exactAnswers,
                              &store.remainders, &store.stepAnswers})
        items = std::min(items, static_cast<int>(table->size()));
    return items;
}

std::optional<std::string> entry(const std::vector<std::string>& texts, int k)
{
    if (k < 0 || k >= static_cast<int>(texts.size()))
        return std::nullopt;
    return texts[k];
}

// Fills the table item by item with the text of the kind and the sheet.
class CellWriter
{
public:
    CellWriter(Workspace& work, WordProcessor& word, const WorksheetGeometry& geometry,
               bool answers)
        : work_(work), s_(work.settings), store_(work.answers), word_(word), geometry_(geometry),
          answers_(answers), form_(cellForm(s_)), saved_(savedSet(work, form_))
    {
    }

    void fill(int k)
    {
        switch (form_) {
        case CellForm::Oral:
            fillOral(k);
            break;
        case CellForm::Estimation:
            fillEstimation(k);
            break;
        case CellForm::Vertical:
            fillVertical(k);
            break;
        case CellForm::Steps:
            fillSteps(k);
            break;
        case CellForm::Equations:
            fillEquations(k);
            break;
        case CellForm::None:
            break;
        }
    }

private:
    const std::string& item(int k) const { return store_.itemTexts[k]; }
    double remainder(int k) const { return numericValue(store_.remainders[k]); }
    bool fillIn() const { return !answers_ && s_.fillIn.checked; }

    // The item, or its fill-in form on a question sheet with 填数.
    std::string shownItem(int k) { return fillIn() ? fillInItem(work_, item(k)) : item(k); }

    // The answer tidied for the sheet and kept so in its table.
    std::string cleaned(std::string& answer)
    {
        answer = cleanAnswerText(answer, s_.percentages.checked);
        return answer;
    }

    void select(int k) { word_.selectCell(geometry_.row(k), geometry_.column(k)); }
    // The working cell below the item, or in a one-row table the item's own cell.
    void selectWorkCell(int k)
    {
        if (geometry_.workRows)
            word_.selectCell(geometry_.row(k) + 1, geometry_.column(k));
        word_.setAlignment(Alignment::Left);
    }
    std::optional<int> keptPlaces() const
    {
        return s_.roundAnswers.checked ? std::optional(s_.answerPlaces.index) : std::nullopt;
    }
    ShownAnswer answer(int k, bool remainderForm = false) const
    {
        return keyAnswer(store_, k, keptPlaces(), remainderForm);
    }
    // "expression＝value" as saved, its value shown as a fresh sheet shows it.
    std::string stepAnswerCell(const std::string& saved) const
    {
        const size_t equals = saved.rfind("＝");
        if (equals == std::string::npos)
            return saved;
        const std::string value = saved.substr(equals + std::string_view("＝").size());
        return saved.substr(0, equals) + shownValue(value, keptPlaces()).joined();
    }
    void typeLeft(const std::string& text)
    {
        word_.typeText(text);
        word_.setAlignment(Alignment::Left);
    }

    void fillOral(int k)
    {
        select(k);
        if (answers_ || fillIn())
            typeLeft(shownItem(k) + answer(k).joined());
        else
            typeLeft(item(k) + "＝");
    }

    void fillEstimation(int k)
    {
        select(k);
        if (answers_ || fillIn())
            word_.typeText(shownItem(k) + estimatedAnswer(store_, k).joined());
        else
            typeLeft(item(k) + (remainder(k) != 0 ? "≈" : "＝"));
    }

    void fillVertical(int k)
    {
        select(k);
        if (!answers_ && !fillIn()) {
            typeLeft(item(k) + "＝");
            return;
        }
        word_.typeText(verticalAnswer(k, shownItem(k)));
        selectWorkCell(k);
    }

    // 二年级下学期 to 三年级下学期 divide with remainders.
    std::string verticalAnswer(int k, const std::string& shown)
    {
        const int grade = s_.gradeIndex();
        const bool remainderForm = grade >= 4 && grade <= 6 && s_.division.checked;
        return shown + answer(k, remainderForm).joined();
    }

    void fillSteps(int k)
    {
        select(k);
        const bool reloaded = work_.run.writingSavedSet;
        if (!answers_) {
            const auto question =
                reloaded ? entry(saved_.questions, k) : std::optional<std::string>(item(k));
            if (question)
                typeLeft(*question + "＝");
        } else if (reloaded) {
            // The saved value is a plain decimal, shown as on the set's first answer sheet.
            if (const auto saved = entry(saved_.items, k))
                word_.typeText(stepAnswerCell(*saved));
        } else {
            std::string& answer = store_.stepAnswers[k];
            if (s_.percentages.checked)
                answer = shortestText(numericValue(answer));
            word_.typeText(item(k) + shownValue(cleaned(answer), keptPlaces()).joined());
        }
        selectWorkCell(k);
    }

    void fillEquations(int k)
    {
        select(k);
        std::optional<std::string> text;
        if (answers_)
            text = entry(saved_.items, k);
        else if (work_.run.writingSavedSet)
            text = entry(saved_.questions, k);
        else
            text = item(k) + "＝" + cleaned(store_.stepAnswers[k]);
        if (text)
            word_.typeText(*text);
        selectWorkCell(k);
    }

    Workspace& work_;
    const ExerciseSettings& s_;
    AnswerStore& store_;
    WordProcessor& word_;
    const WorksheetGeometry& geometry_;
    bool answers_;
    CellForm form_;
    SavedSet saved_;
};

} // namespace

std::string cleanAnswerText(std::string text, bool percent)
{
    text = tidyValueText(std::move(text));
    if (percent && text.ends_with(".%"))
        text.replace(text.size() - 2, 2, "%");
    return text;
}

bool writeWorksheet(Workspace& work, Notifier& notifier, WordProcessor& word,
                    const WriterArguments& args)
{
    const ExerciseSettings& s = work.settings;
    AnswerStore& store = work.answers;
    const ExerciseKind kind = s.kind();
    if (work.run.writingSavedSet ||
        (kind != ExerciseKind::Steps && kind != ExerciseKind::Equations))
        store.splitItems(args.list);

    typeTitleBlock(word, args.answers());

    const auto columns = tableColumnCount(args, notifier);
    const WorksheetGeometry geometry{store.lastItemIndex + 1, columns.value_or(0), hasWorkRows(s)};
    addWorksheetTable(word, geometry, args);

    computeAnswers(work, args.list, rangeNumber(s.rangeStart.value()),
                   rangeNumber(s.rangeEnd.value()));

    if (columns) {
        CellWriter cells(work, word, geometry, args.answers());
        for (int k = 0; k < filledItems(store, geometry.items); ++k)
            cells.fill(k);
    }
    return word.activate();
}

} // namespace quill
