#include "history/history_line.h"

#include "base/line_encoding.h"
#include "history/mixed_history_line.h"
#include "settings/column_rule_words.h"
#include "settings/exercise_kinds.h"

#include <algorithm>
#include <vector>

namespace quill
{

namespace
{

constexpr std::string_view unknownKindLabel = "未知";
constexpr std::string_view mixedKindLabel = "混合练习";

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

const HistoryKind* historyKindNumbered(int number)
{
    for (const HistoryKind& kind : historyKinds())
        if (kind.number == number)
            return &kind;
    return nullptr;
}

// Exactly the digits of a kind number, as they are written; anything else is not a kind.
int kindNumber(std::string_view field)
{
    for (const HistoryKind& kind : historyKinds())
        if (field == std::to_string(kind.number))
            return kind.number;
    return unknownHistoryKind;
}

// Whether the field could be a kind number cut short: the beginning of one.
bool couldBeCutKindNumber(std::string_view field)
{
    if (mixedKindField.starts_with(field))
        return true;
    for (const HistoryKind& kind : historyKinds())
        if (std::to_string(kind.number).starts_with(field))
            return true;
    return false;
}

bool hasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F;
    });
}

} // namespace

SavedList savedListOf(int kind)
{
    const HistoryKind* known = historyKindNumbered(kind);
    return known ? known->list : SavedList::Operations;
}

int historyKindOf(const ExerciseSettings& settings)
{
    return historyKindFor(settings).number;
}

std::string savedTextOf(int kind, const ExerciseSet& set)
{
    std::string text;
    for (const SetItem& item : set)
        text += " " + itemText(item);
    if (!keepsEquations(kind))
        return text;
    text += "|";
    for (const SetItem& item : set)
        if (const EquationItem* equation = std::get_if<EquationItem>(&item))
            text += " " + equationText(*equation);
    return text;
}

bool keepsEquations(int kind)
{
    return kind != unknownHistoryKind && savedListOf(kind) == SavedList::Equations;
}

std::string savedTextFor(const ExerciseSettings& settings, const ExerciseSet& set)
{
    const int kind = historyKindOf(settings);
    std::string text = savedTextOf(kind, set);
    if (settings.fractions.checked)
        text += "|" + std::string(kindRow(settings.kind()).commandName);
    if (const std::string rules = columnRulesText(settings); !rules.empty())
        text += "|" + rules;
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

namespace
{

constexpr std::string_view sheetFieldPrefix = "sheet=";

void readPupilSheetField(std::string_view field, HistoryLine& line)
{
    const std::size_t space = std::min(field.find(' '), field.size());
    line.sheetCode = std::string(field.substr(0, space));
    line.pupilName = std::string(field.substr(std::min(space + 1, field.size())));
}

} // namespace

HistoryLine parseHistoryLine(std::string_view text)
{
    const std::vector<std::string_view> fields = splitAtBars(text);
    HistoryLine line;
    line.date = fields[0];
    if (fields.size() > 1)
        line.kind = kindNumber(fields[1]);
    if (fields.size() > 2)
        line.savedList = std::string(fields[2]);
    std::size_t next = 3;
    if (fields.size() > next && keepsEquations(line.kind))
        line.equations = std::string(fields[next++]);
    else if (fields.size() > next && !isColumnRulesText(fields[next]) &&
             !fields[next].starts_with(sheetFieldPrefix))
        line.writtenAs = std::string(fields[next++]);
    if (fields.size() > next && isColumnRulesText(fields[next]))
        line.drawnWith = std::string(fields[next++]);
    if (fields.size() > next && fields[next].starts_with(sheetFieldPrefix))
        readPupilSheetField(fields[next].substr(sheetFieldPrefix.size()), line);
    // A mixed sheet's parts come before it: it is its line's last field.
    else if (fields.size() > 2 && fields[1] == mixedKindField &&
             fields.back().starts_with(sheetFieldPrefix))
        readPupilSheetField(fields.back().substr(sheetFieldPrefix.size()), line);
    return line;
}

std::string pupilSheetField(std::string_view code, std::string_view pupil)
{
    std::string field = std::string(sheetFieldPrefix) + std::string(code) + " ";
    for (const char c : pupil)
        field += c == '|' ? std::string("｜") : std::string(1, c);
    // The double bar parts a mixed sheet's line.
    for (std::size_t at = field.find(mixedPartSeparator); at != std::string::npos;
         at = field.find(mixedPartSeparator, at))
        field.replace(at, mixedPartSeparator.size(), "｜｜");
    return field;
}

bool hasHistoryLineForm(std::string_view text)
{
    const std::vector<std::string_view> fields = splitAtBars(text);
    return fields.size() >= 3 && !fields[0].empty() &&
           (kindNumber(fields[1]) != unknownHistoryKind || fields[1] == mixedKindField) &&
           !hasControlCharacter(text);
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
    const std::string_view kindAndList = afterDate.substr(1);
    const std::size_t kindEnd = kindAndList.find('|');
    if (dateEnd == 0)
        return false;
    if (kindEnd == std::string_view::npos) // cut inside the kind number
        return couldBeCutKindNumber(kindAndList);
    const std::string_view kind = kindAndList.substr(0, kindEnd);
    return kindNumber(kind) != unknownHistoryKind || kind == mixedKindField;
}

bool isBlankHistoryLine(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view historyKindLabel(int kind)
{
    const HistoryKind* known = historyKindNumbered(kind);
    return known ? known->label : unknownKindLabel;
}

std::string_view savedSetLabel(std::string_view lineText)
{
    const std::vector<std::string_view> fields = splitAtBars(lineText);
    if (fields.size() > 1 && fields[1] == mixedKindField)
        return mixedKindLabel;
    return historyKindLabel(parseHistoryLine(lineText).kind);
}

std::string savedSetEntry(std::string_view lineText)
{
    const HistoryLine line = parseHistoryLine(lineText);
    std::string entry =
        firstCharacters(line.date, entryDateCharacters) + std::string(savedSetLabel(lineText));
    if (line.sheetCode)
        entry += " " + *line.sheetCode + (line.pupilName.empty() ? "" : " " + line.pupilName);
    return entry;
}

} // namespace quill
