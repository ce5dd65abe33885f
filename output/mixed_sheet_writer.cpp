#include "output/mixed_sheet_writer.h"

#include "output/worksheet_layout.h"
#include "output/worksheet_writer.h"

#include <array>

namespace quill
{

namespace
{

constexpr std::string_view headingFont = "宋体";
constexpr double headingSize = 14;

// The heading sits left above its table; the table takes the centring the sheet gives it.
void typeHeading(WordProcessor& word, const std::string& heading)
{
    word.setBold(true);
    word.setFontName(headingFont);
    word.setFontSize(headingSize);
    word.typeText(heading);
    word.setAlignment(Alignment::Left);
    word.keepParagraphWithNext();
    word.setBold(false);
    word.typeText("\r");
    word.setAlignment(Alignment::Center);
}

} // namespace

std::string chineseOrdinal(int number)
{
    static constexpr std::array<std::string_view, 10> digits = {"",   "一", "二", "三", "四",
                                                                "五", "六", "七", "八", "九"};
    if (number < 1 || number > 99)
        return std::to_string(number);
    const int tens = number / 10;
    const int ones = number % 10;
    std::string text;
    if (tens > 0)
        text += std::string(tens > 1 ? digits[tens] : "") + "十";
    return text + std::string(digits[ones]);
}

std::string partHeading(int index, const ExerciseSettings& settings)
{
    return chineseOrdinal(index + 1) + "、" + settings.option(settings.kind()).caption;
}

std::string mixedSheetTitle(const ExerciseSettings& first, bool answers)
{
    std::string title;
    if (first.gradeIndex() != 0)
        title += first.grade.selectedText() + " ";
    title += "混合练习";
    return answers ? title + "（答案）" : title;
}

bool writeMixedSheet(std::span<const WriterArguments> parts, WordProcessor& word)
{
    if (parts.empty())
        return false;
    const bool answers = parts.front().answers;
    const WriterArguments& first = parts.front();
    typeTitleBlock(word, {mixedSheetTitle(first.settings, answers), first.pupil, first.code},
                   answers, "\r");
    for (std::size_t k = 0; k < parts.size(); ++k) {
        // A stop leaves the remaining parts out, as it leaves a sheet's remaining cells empty.
        if (k > 0 && parts[k].stop.stopRequested())
            break;
        word.moveToEnd();
        word.typeText("\r");
        typeHeading(word, partHeading(static_cast<int>(k), parts[k].settings));
        writeWorksheetTable(parts[k], word);
    }
    return word.activate();
}

} // namespace quill
