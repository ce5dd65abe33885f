#include "history/mixed_history_line.h"

#include "history/saved_set_load.h"

namespace quill
{

namespace
{

std::string mixedPrefix(std::string_view date)
{
    return std::string(date) + "|" + std::string(mixedKindField) + "|";
}

std::vector<std::string_view> splitAtSeparators(std::string_view text)
{
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t at = text.find(mixedPartSeparator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return pieces;
        text.remove_prefix(at + mixedPartSeparator.size());
    }
}

std::optional<MixedPartLine> partOf(std::string_view options, std::string_view saved)
{
    MixedPartLine part;
    for (const std::string_view word : listEntries(options))
        part.options.emplace_back(word);
    part.line = parseHistoryLine("|" + std::string(saved));
    if (part.options.empty() || !isLoadable(part.line))
        return std::nullopt;
    return part;
}

} // namespace

std::string mixedHistoryLineText(std::string_view date,
                                 const std::vector<std::vector<std::string>>& options,
                                 const std::vector<std::string>& savedTexts)
{
    std::string text = mixedPrefix(date);
    for (std::size_t k = 0; k < options.size() && k < savedTexts.size(); ++k) {
        if (k > 0)
            text += mixedPartSeparator;
        for (std::size_t i = 0; i < options[k].size(); ++i)
            text += (i > 0 ? " " : "") + options[k][i];
        text += mixedPartSeparator;
        text += savedTexts[k];
    }
    return text;
}

bool isMixedHistoryLine(std::string_view text)
{
    const std::size_t bar = text.find('|');
    return bar != std::string_view::npos &&
           text.substr(bar + 1).starts_with(std::string(mixedKindField) + "|");
}

std::optional<std::vector<MixedPartLine>> parseMixedHistoryLine(std::string_view text)
{
    if (!isMixedHistoryLine(text))
        return std::nullopt;
    const std::size_t bar = text.find('|');
    const std::vector<std::string_view> pieces =
        splitAtSeparators(text.substr(bar + 1 + mixedKindField.size() + 1));
    if (pieces.size() % 2 != 0)
        return std::nullopt;
    std::vector<MixedPartLine> parts;
    for (std::size_t k = 0; k < pieces.size(); k += 2) {
        std::optional<MixedPartLine> part = partOf(pieces[k], pieces[k + 1]);
        if (!part)
            return std::nullopt;
        part->line.date = std::string(text.substr(0, bar));
        parts.push_back(std::move(*part));
    }
    return parts;
}

} // namespace quill
