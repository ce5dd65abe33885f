#include "output/worksheet_writer.h"

#include "output/worksheet_layout.h"
#include "problems/expressions/equation_solution.h"
#include "problems/expressions/shown_answer.h"

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

// Fills the table item by item with the text of the kind and the sheet.
class CellWriter
{
public:
    CellWriter(const WriterArguments& args, WordProcessor& word, const WorksheetGeometry& geometry)
        : s_(args.settings), word_(word), geometry_(geometry), answers_(args.answers),
          form_(cellForm(s_))
    {
    }

    void fill(const SetItem& item, int k)
    {
        if (form_ == CellForm::None) // 简便计算 and 单位换算 have writers of their own
            return;
        select(k);
        const OperationItem* operation = std::get_if<OperationItem>(&item);
        if (form_ == CellForm::Steps && std::holds_alternative<StepItem>(item))
            fillSteps(std::get<StepItem>(item), k);
        else if (form_ == CellForm::Equations && std::holds_alternative<EquationItem>(item))
            fillEquations(std::get<EquationItem>(item), k);
        else if (operation && form_ == CellForm::Oral)
            fillOral(*operation);
        else if (operation && form_ == CellForm::Estimation)
            fillEstimation(*operation);
        else if (operation && form_ == CellForm::Vertical)
            fillVertical(*operation, k);
        else
            showAsItStands(item);
    }

    int shownWithoutAnswer() const { return withoutAnswer_; }

private:
    // 填数: the question sheet leaves a number blank and shows the answer; the answer sheet
    // shows which number fills the blank.
    bool fillIn() const { return s_.fillIn.checked; }
    BlankShown blankShown() const
    {
        if (!fillIn())
            return BlankShown::AsNumber;
        return answers_ ? BlankShown::Filled : BlankShown::AsBlank;
    }

    // An entry the kind cannot read, shown as it stands.
    void showAsItStands(const SetItem& item)
    {
        typeLeft(itemText(item));
        ++withoutAnswer_;
    }
    std::optional<int> keptPlaces() const
    {
        return s_.roundAnswers.checked ? std::optional(s_.answerPlaces.index) : std::nullopt;
    }
    ItemAnswer answerFor(const OperationItem& item) const { return answerOf(item, keptPlaces()); }

    void select(int k) { word_.selectCell(geometry_.row(k), geometry_.column(k)); }
    // The working cell below the item, or in a one-row table the item's own cell.
    void selectWorkCell(int k)
    {
        if (geometry_.workRows)
            word_.selectCell(geometry_.row(k) + 1, geometry_.column(k));
        word_.setAlignment(Alignment::Left);
    }
    void typeLeft(const std::string& text)
    {
        word_.typeText(text);
        word_.setAlignment(Alignment::Left);
    }

    void fillOral(const OperationItem& item)
    {
        if (answers_ || fillIn())
            typeLeft(item.text(blankShown()) +
                     keyAnswer(item, answerFor(item), keptPlaces(), false).joined());
        else
            typeLeft(item.text() + "＝");
    }

    // An item whose division leaves something over is only ever about so much.
    void fillEstimation(const OperationItem& item)
    {
        const ItemAnswer answer = answerFor(item);
        if (answers_ || fillIn())
            word_.typeText(item.text(blankShown()) + estimatedAnswer(answer).joined());
        else
            typeLeft(item.text() + (answer.remainder.isZero() ? "＝" : "≈"));
    }

    // 二年级下学期 to 三年级下学期 divide with remainders.
    void fillVertical(const OperationItem& item, int k)
    {
        if (!answers_ && !fillIn()) {
            typeLeft(item.text() + "＝");
            return;
        }
        const int grade = s_.gradeIndex();
        const bool remainderForm = grade >= 4 && grade <= 6 && s_.division.checked;
        word_.typeText(item.text(blankShown()) +
                       keyAnswer(item, answerFor(item), keptPlaces(), remainderForm).joined());
        selectWorkCell(k);
    }

    void fillSteps(const StepItem& item, int k)
    {
        if (!answers_)
            typeLeft(item.expression + "＝");
        else if (item.value)
            word_.typeText(item.expression + shownValue(*item.value, keptPlaces()).joined());
        else {
            word_.typeText(item.expression);
            ++withoutAnswer_;
        }
        selectWorkCell(k);
    }

    // The answer sheet shows the equation as asked and, where the pupil's working ends, the
    // number X stands for: rows as high as the question sheet's, and a line to mark against.
    // An equation whose number cannot be read shows its complete expression, as saved.
    void fillEquations(const EquationItem& item, int k)
    {
        const std::optional<std::string> solution = answers_ ? solutionText(item) : std::nullopt;
        word_.typeText(answers_ && !solution ? itemText(item) : equationText(item));
        selectWorkCell(k);
        if (solution)
            word_.typeText(*solution);
    }

    const ExerciseSettings& s_;
    WordProcessor& word_;
    const WorksheetGeometry& geometry_;
    bool answers_;
    CellForm form_;
    int withoutAnswer_ = 0;
};

// Fills every cell; how many items it showed without an answer.
int fillCells(const WriterArguments& args, WordProcessor& word, const WorksheetGeometry& geometry)
{
    CellWriter cells(args, word, geometry);
    for (int k = 0; k < geometry.items; ++k)
        cells.fill(args.set[k], k);
    return cells.shownWithoutAnswer();
}

} // namespace

bool writeWorksheet(const WriterArguments& args, WordProcessor& word)
{
    typeTitleBlock(word, args);
    writeWorksheetTable(args, word);
    return word.activate();
}

void writeWorksheetTable(const WriterArguments& args, WordProcessor& word)
{
    const auto columns = tableColumnCount(args);
    WorksheetGeometry geometry{static_cast<int>(args.set.size()), columns.value_or(0),
                               hasWorkRows(args.settings)};
    const CellFiller fill = [](const auto& a, auto& w, const auto& g) { fillCells(a, w, g); };
    const SheetLayout layout =
        args.layout.fitOnePage && columns ? layoutOnOnePage(args, geometry, fill) : args.layout;
    const WriterArguments sheet{args.settings, args.set,      layout,
                                args.answers,  args.notifier, args.stop};
    geometry.itemRowHeight = sharedItemRowHeight(sheet, geometry, fill);
    addWorksheetTable(word, geometry, sheet);
    if (columns)
        reportItemsWithoutAnswers(sheet, fillCells(sheet, word, geometry));
}

} // namespace quill
