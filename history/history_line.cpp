#include "history/history_line.h"

#include "base/line_encoding.h"
#include "settings/exercise_settings.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quill
{

namespace
{

constexpr std::array<std::string_view, 10> kindLabels{
    "未知", "口算", "估算", "竖式", "脱式", "简便计算", "解方程", "单位换算", "分数计算", "约分"};

constexpr std::size_t entryDateCharacters = 10;

std::vector<std::string_view> splitAtBars(std::string_view text)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
}

// Exactly one digit 1..9, as the program writes it; anything else is not a kind.
int kindNumber(std::string_view field)
{
    if (field.size() != 1 || field[0] < '1' || field[0] > '9')
        return unknownHistoryKind;
    return field[0] - '0';
}

bool hasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F;
    });
}

} // namespace

int historyKindOf(const ExerciseSettings& settings)
{
    if (settings.fractions.checked)
        return settings.estimationOption.selected ? 9 : 8;
    if (settings.unitsOption.selected)
        return 7;
    if (settings.lawsOption.selected)
        return 5;
    return static_cast<int>(settings.kind());
}

std::string savedTextOf(int kind, const ExerciseSet& set)
{
    std::string text;
    for (const SetItem& item : set)
        text += " " + itemText(item);
    if (kind != 6)
        return text;
    text += "|";
    for (const SetItem& item : set)
        if (const EquationItem* equation = std::get_if<EquationItem>(&item))
            text += " " + equationText(*equation);
    return text;
}

std::string historyLineText(std::string_view date, int kind, std::string_view savedText)
{
    std::string line(date);
    line += '|';
    line += std::to_string(kind);
    line += '|';
    line += savedText;
    return line;
}

HistoryLine parseHistoryLine(std::string_view text)
{
    const std::vector<std::string_view> fields = splitAtBars(text);
    HistoryLine line;
    line.date = fields[0];
    if (fields.size() > 1)
        line.kind = kindNumber(fields[1]);
    if (fields.size() > 2)
        line.savedList = std::string(fields[2]);
    if (fields.size() > 3 && line.kind == 6)
        line.equations = std::string(fields[3]);
    return line;
}

bool hasHistoryLineForm(std::string_view text)
{
    const std::vector<std::string_view> fields = splitAtBars(text);
    return fields.size() >= 3 && !fields[0].empty() &&
           kindNumber(fields[1]) != unknownHistoryKind && !hasControlCharacter(text);
}

bool couldBeCutHistoryLine(std::string_view text)
{
    if (hasControlCharacter(text))
        return false;
    const std::size_t dateEnd = std::min(text.find('|'), text.size());
    if (text.substr(0, dateEnd).find_first_not_of("0123456789/") != std::string_view::npos)
        return false;
    const std::string_view afterDate = text.substr(dateEnd);
    if (afterDate.size() <= 1) // the date, with or without its bar
        return true;
    return dateEnd > 0 && kindNumber(afterDate.substr(1, 1)) != unknownHistoryKind &&
           (afterDate.size() == 2 || afterDate[2] == '|');
}

bool isBlankHistoryLine(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view historyKindLabel(int kind)
{
    if (kind < 1 || kind > 9)
        return kindLabels[0];
    return kindLabels[static_cast<std::size_t>(kind)];
}

std::string savedSetEntry(std::string_view lineText)
{
    const HistoryLine line = parseHistoryLine(lineText);
    std::string entry = firstCharacters(line.date, entryDateCharacters);
    entry += historyKindLabel(line.kind);
    return entry;
}

} // namespace quill
