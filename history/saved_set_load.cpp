#include "history/saved_set_load.h"

#include <algorithm>

namespace quill
{

namespace
{

constexpr std::string_view equals = "＝";

// "expression＝value" split at its last (or, for law items, first) equals sign.
std::pair<std::string, std::optional<ItemValue>> withValue(std::string_view entry, bool first)
{
    const size_t at = first ? entry.find(equals) : entry.rfind(equals);
    if (at == std::string_view::npos)
        return {std::string(entry), std::nullopt};
    return {std::string(entry.substr(0, at)), ItemValue::read(entry.substr(at + equals.size()))};
}

SetItem readEntry(SavedList list, std::string_view entry)
{
    switch (list) {
    case SavedList::Steps: {
        auto [expression, value] = withValue(entry, false);
        return StepItem{std::move(expression), value};
    }
    case SavedList::Laws: {
        auto [expression, answer] = withValue(entry, true);
        return LawItem{std::move(expression), answer};
    }
    case SavedList::Units:
        return parseUnitItem(entry);
    case SavedList::Fractions:
        if (const auto fraction = parseFractionExpression(entry))
            return *fraction;
        return UnreadItem{std::string(entry)};
    case SavedList::Operations:
    case SavedList::Equations:
        break;
    }
    return OperationItem::read(entry);
}

// Equation sets keep the complete expressions and the equations in two lists of one order.
ExerciseSet equationItems(std::string_view completeList, std::string_view equationList)
{
    const auto complete = listEntries(completeList);
    const auto equations = listEntries(equationList);
    ExerciseSet items;
    for (size_t k = 0; k < std::max(complete.size(), equations.size()); ++k) {
        auto [expression, value] =
            withValue(k < complete.size() ? complete[k] : std::string_view(), false);
        auto [equation, asked] =
            withValue(k < equations.size() ? equations[k] : std::string_view(), false);
        items.push_back(EquationItem{std::move(equation), std::move(expression),
                                     value.value_or(asked.value_or(ItemValue{}))});
    }
    return items;
}

} // namespace

bool isLoadable(const HistoryLine& line)
{
    if (line.kind == unknownHistoryKind || !line.savedList)
        return false;
    return !keepsEquations(line.kind) || line.equations.has_value();
}

std::vector<std::string_view> listEntries(std::string_view list)
{
    std::vector<std::string_view> entries;
    while (!list.empty()) {
        const size_t space = std::min(list.find(' '), list.size());
        if (space > 0)
            entries.push_back(list.substr(0, space));
        list.remove_prefix(std::min(space + 1, list.size()));
    }
    return entries;
}

ExerciseSet savedSetItems(const HistoryLine& line)
{
    if (!isLoadable(line))
        return {};
    if (keepsEquations(line.kind))
        return equationItems(*line.savedList, *line.equations);
    ExerciseSet items;
    for (const std::string_view entry : listEntries(*line.savedList))
        items.push_back(readEntry(savedListOf(line.kind), entry));
    return items;
}

} // namespace quill
