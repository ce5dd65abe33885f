#include "settings/column_rule_words.h"

#include <algorithm>
#include <array>

namespace quill
{

namespace
{

constexpr std::array<std::string_view, 4> carryNames = {"any", "yes", "no", "make-ten"};
constexpr std::array<std::string_view, 4> borrowNames = {"any", "yes", "no", "break-ten"};

constexpr std::string_view carryKey = "carry=";
constexpr std::string_view borrowKey = "borrow=";

void appendRule(std::string& text, std::string_view key, std::span<const std::string_view> words,
                ColumnRule rule)
{
    if (rule == ColumnRule::Any)
        return;
    if (!text.empty())
        text += ' ';
    text += key;
    text += words[static_cast<std::size_t>(rule)];
}

// The word after `key` in a text of space-separated key=word entries.
std::string_view wordAfter(std::string_view text, std::string_view key)
{
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view entry = text.substr(start, end - start);
        if (entry.starts_with(key))
            return entry.substr(key.size());
        start = end + 1;
    }
    return {};
}

int indexNamed(std::span<const std::string_view> words, std::string_view text, std::string_view key)
{
    const std::optional<ColumnRule> rule = ruleNamed(words, wordAfter(text, key));
    return static_cast<int>(rule.value_or(ColumnRule::Any));
}

} // namespace

std::span<const std::string_view> carryWords()
{
    return carryNames;
}

std::span<const std::string_view> borrowWords()
{
    return borrowNames;
}

std::optional<ColumnRule> ruleNamed(std::span<const std::string_view> words, std::string_view word)
{
    for (std::size_t k = 0; k < words.size(); ++k)
        if (words[k] == word)
            return static_cast<ColumnRule>(k);
    return std::nullopt;
}

std::string columnRulesText(const ExerciseSettings& settings)
{
    std::string text;
    appendRule(text, carryKey, carryNames, settings.carryRule());
    appendRule(text, borrowKey, borrowNames, settings.borrowRule());
    return text;
}

bool isColumnRulesText(std::string_view text)
{
    return text.starts_with(carryKey) || text.starts_with(borrowKey);
}

void setColumnRules(ExerciseSettings& settings, std::string_view text)
{
    settings.carry.index = indexNamed(carryNames, text, carryKey);
    settings.borrow.index = indexNamed(borrowNames, text, borrowKey);
}

} // namespace quill
