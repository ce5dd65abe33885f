#include "output/worksheet_layout.h"

#include "base/number_text.h"
#include "base/short_date.h"
#include "output/measure_text.h"
#include "settings/notifier.h"

namespace quill
{

namespace
{

constexpr double pageMargin = 50;
constexpr std::string_view titleFont = "宋体";
constexpr std::string_view nameLine = "姓名：___________   座号：__________    情况：___________";

} // namespace

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

void typeTitleBlock(WordProcessor& word, bool answers, std::string_view afterNameLine)
{
    word.addDocument();
    word.setPageMargins(pageMargin, pageMargin, pageMargin, pageMargin);

    word.setBold(true);
    word.setFontName(titleFont);
    word.setFontSize(22);
    word.typeText(answers ? "Quillmere(答案)" : "Quillmere");
    word.setFontSize(12);
    word.typeText("    " + shortDateText());
    word.setAlignment(Alignment::Center);
    word.typeText("\r");
    word.setFontSize(12);
    word.typeText("\r");

    word.setBold(false);
    word.setFontName(titleFont);
    word.setFontSize(12);
    if (!answers)
        word.typeText(nameLine);
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
    if (!geometry.workRows) {
        for (int row = 1; row <= geometry.tableRows(); ++row)
            word.setRowHeight(row, std::string_view(layout.rowHeight));
        return;
    }
    // Three times a height that is no number is no height: the working rows keep theirs.
    if (const auto height = measureValue(layout.rowHeight))
        for (int row = 2; row <= geometry.tableRows(); row += 2)
            word.setRowHeight(row, 3 * *height);
    // A page must not end between an item and the room to work it out.
    for (int row = 1; row < geometry.tableRows(); row += 2)
        word.keepRowWithNext(row);
}

} // namespace quill
