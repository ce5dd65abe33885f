#include "output/worksheet_layout.h"

#include "base/number_text.h"
#include "base/short_date.h"
#include "output/cell_fit.h"
#include "output/cell_text_capture.h"
#include "output/measure_text.h"
#include "settings/notifier.h"

#include <algorithm>
#include <cmath>

namespace quill
{

namespace
{

constexpr double pageMargin = 50;
constexpr std::string_view titleFont = "宋体";
constexpr std::string_view nameLine = "姓名：___________   座号：__________    情况：___________";

// LibreOffice draws formulas at 12 pt whatever the size asked for.
constexpr double smallestFormulaSize = 12;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A capture writes a stacked fraction as "numerator/denominator"; drawn, it is as wide as the
// longer of the two. Its width, and whether the text holds one.
struct CellWidth {
    double ems = 0;
    bool fraction = false;
};

CellWidth cellWidthOf(const std::string& text)
{
    CellWidth width;
    std::string flat;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '/' || flat.empty() || !isDigit(flat.back()) || i + 1 == text.size() ||
            !isDigit(text[i + 1])) {
            flat += text[i];
            continue;
        }
        size_t before = flat.size();
        while (before > 0 && isDigit(flat[before - 1]))
            --before;
        size_t after = i + 1;
        while (after < text.size() && isDigit(text[after]))
            ++after;
        const size_t longer = std::max(flat.size() - before, after - i - 1);
        flat.replace(before, std::string::npos, std::string(longer, '0'));
        i = after - 1;
        width.fraction = true;
    }
    width.ems = textEms(flat);
    return width;
}

} // namespace

std::optional<double> sharedItemRowHeight(const WriterArguments& args,
                                          const WorksheetGeometry& geometry, const CellFiller& fill)
{
    const std::optional<double> fontSize = measureValue(args.layout.fontSize);
    if (!fontSize || geometry.columns < 1)
        return std::nullopt;
    int lines = 1;
    bool fractions = false;
    NeverStop measuring; // a stop during the real filling is the user's; this one is ours
    for (const bool answers : {false, true}) {
        const WriterArguments sheet{args.settings, args.set,      args.layout,
                                    answers,       args.notifier, measuring};
        CellTextCapture capture;
        capture.addDocument();
        fill(sheet, capture, geometry);
        for (const std::string& text : capture.typedCells()) {
            const CellWidth width = cellWidthOf(text);
            const double size =
                width.fraction ? std::max(*fontSize, smallestFormulaSize) : *fontSize;
            lines = std::max(lines, linesNeeded(width.ems, size, cellTextWidth(geometry.columns)));
            fractions = fractions || width.fraction;
        }
    }
    if (lines == 1)
        return std::nullopt;
    const double size = fractions ? std::max(*fontSize, smallestFormulaSize) : *fontSize;
    return linesHeight(fractions ? 2 * lines : lines, size);
}

namespace
{

// The room under the title block of an A4 page, in LibreOffice and in the PDF layout alike:
// twenty rows of 31 points fit, twenty of 32 do not.
constexpr double tableRoomOnOnePage = 620;
constexpr double tallestFittedRow = 48;  // taller rows leave a short list lost on its page
constexpr double textPerRowHeight = 0.6; // the text keeps clear of the row's borders
constexpr double smallestFittedFont = 8;

double downToHalfPoints(double points)
{
    return std::floor(points * 2) / 2;
}

} // namespace

SheetLayout layoutOnOnePage(const WriterArguments& args, const WorksheetGeometry& geometry,
                            const CellFiller& fill)
{
    SheetLayout layout = args.layout;
    const int rows = std::max(1, geometry.tableRows());
    const double row = std::min(tallestFittedRow, downToHalfPoints(tableRoomOnOnePage / rows));
    layout.rowHeight = shortestText(row);
    double font = downToHalfPoints(row * textPerRowHeight);
    for (; font > smallestFittedFont; font -= 0.5) {
        layout.fontSize = shortestText(font);
        const WriterArguments trial{args.settings, args.set,      layout,
                                    args.answers,  args.notifier, args.stop};
        if (!sharedItemRowHeight(trial, geometry, fill))
            break;
    }
    layout.fontSize = shortestText(font);
    return layout;
}

std::optional<int> columnCount(std::string_view text)
{
    const auto value = measureValue(text);
    if (!value)
        return std::nullopt;
    const double columns = roundHalfEven(*value);
    if (columns < 1 || columns > 63)
        return std::nullopt;
    return static_cast<int>(columns);
}

std::optional<int> tableColumnCount(const WriterArguments& args)
{
    const auto columns = columnCount(args.layout.columns);
    if (!columns)
        args.notifier.notify("列数“" + args.layout.columns + "”无效，文档中没有题目表格。");
    return columns;
}

void reportItemsWithoutAnswers(const WriterArguments& args, int count)
{
    if (args.answers && count > 0)
        args.notifier.notify(std::to_string(count) + "道题算不出答案，按原样写出。");
}

std::string sheetTitle(const ExerciseSettings& s, bool answers)
{
    std::string title;
    if (s.gradeIndex() != 0)
        title += s.grade.selectedText() + " ";
    const std::string& caption = s.option(s.kind()).caption;
    if (s.fractions.checked && caption.find("分") == std::string::npos)
        title += "分数";
    title += caption + "练习";
    return answers ? title + "（答案）" : title;
}

namespace
{

// The name line with the pupil's name written in.
std::string namedLine(std::string_view pupil)
{
    std::string line(nameLine);
    const std::string_view blank = "___________";
    line.replace(line.find(blank), blank.size(), pupil);
    return line;
}

} // namespace

void typeTitleBlock(WordProcessor& word, const WriterArguments& args,
                    std::string_view afterNameLine)
{
    typeTitleBlock(word, {sheetTitle(args.settings, args.answers), args.pupil, args.code},
                   args.answers, afterNameLine);
}

void typeTitleBlock(WordProcessor& word, std::string_view title, bool answers,
                    std::string_view afterNameLine)
{
    typeTitleBlock(word, TitleBlock{title, {}, {}}, answers, afterNameLine);
}

void typeTitleBlock(WordProcessor& word, const TitleBlock& block, bool answers,
                    std::string_view afterNameLine)
{
    word.addDocument();
    word.setPageMargins(pageMargin, pageMargin, pageMargin, pageMargin);

    word.setBold(true);
    word.setFontName(titleFont);
    word.setFontSize(22);
    word.typeText(block.title);
    word.setFontSize(12);
    word.typeText("    " + shortDateText());
    if (!block.code.empty())
        word.typeText("  " + std::string(block.code));
    word.setBold(false);
    word.setFontSize(9);
    word.typeText("  Quillmere");
    word.setAlignment(Alignment::Center);
    word.typeText("\r");
    word.setFontSize(12);
    word.typeText("\r");

    word.setBold(false);
    word.setFontName(titleFont);
    word.setFontSize(12);
    if (!answers)
        word.typeText(block.pupil.empty() ? std::string(nameLine) : namedLine(block.pupil));
    else if (!block.pupil.empty())
        word.typeText("姓名：" + std::string(block.pupil));
    word.setAlignment(Alignment::Center);
    word.typeText(afterNameLine);
}

void addWorksheetTable(WordProcessor& word, const WorksheetGeometry& geometry,
                       const WriterArguments& args)
{
    const SheetLayout& layout = args.layout;
    word.setFontName(layout.fontName);
    word.setFontSize(std::string_view(layout.fontSize));
    if (geometry.tableRows() < 1)
        return;
    word.addTable(geometry.tableRows(), geometry.columns);
    if (layout.borders) {
        word.setOutsideLineStyle(singleLine);
        word.setInsideLineStyle(singleLine);
    }
    const auto rowHeight = measureValue(layout.rowHeight);
    if (!geometry.workRows) {
        for (int row = 1; row <= geometry.tableRows(); ++row) {
            if (geometry.itemRowHeight && rowHeight && *geometry.itemRowHeight > *rowHeight)
                word.setRowHeight(row, *geometry.itemRowHeight);
            else
                word.setRowHeight(row, std::string_view(layout.rowHeight));
        }
        return;
    }
    if (geometry.itemRowHeight)
        for (int row = 1; row <= geometry.tableRows(); row += 2)
            word.setRowHeight(row, *geometry.itemRowHeight);
    // Three times a height that is no number is no height: the working rows keep theirs.
    if (const auto height = rowHeight)
        for (int row = 2; row <= geometry.tableRows(); row += 2)
            word.setRowHeight(row, 3 * *height);
    // A page must not end between an item and the room to work it out.
    for (int row = 1; row < geometry.tableRows(); row += 2)
        word.keepRowWithNext(row);
}

} // namespace quill
