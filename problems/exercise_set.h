#pragma once

// A drawn or reloaded set: its items, typed by family, from the draw to the sheets. Text is
// made of them only at the edges: the history file, the printed answer key and the documents.

#include "problems/expressions/expression_items.h"
#include "problems/fractions/fraction_expression.h"
#include "problems/laws/law_items.h"
#include "problems/units/unit_item.h"
#include "problems/whole/operation_item.h"

#include <string>
#include <variant>
#include <vector>

namespace quill
{

// An entry of a saved list that no reader of its kind understands: a sheet shows it as it
// stands, without an answer.
struct UnreadItem {
    std::string text;

    friend bool operator==(const UnreadItem&, const UnreadItem&) = default;
};

using SetItem = std::variant<OperationItem, StepItem, EquationItem, FractionExpression, UnitItem,
                             LawItem, UnreadItem>;
using ExerciseSet = std::vector<SetItem>;

// The item as a saved list holds it: "37＋48", "(12＋5)×3＝51", "3＋8＋1＋8", "5//米//500//厘米",
// "37＋45＋63＝145". An equation gives its complete expression with its value
// ("36÷9＋21＝25"); its form with X is equationText.
std::string itemText(const SetItem& item);
std::string equationText(const EquationItem& item);

// The items of one family, in order; items of other families are left out.
template <typename Item> std::vector<Item> itemsOf(const ExerciseSet& set)
{
    std::vector<Item> items;
    for (const SetItem& item : set)
        if (const Item* typed = std::get_if<Item>(&item))
            items.push_back(*typed);
    return items;
}

template <typename Item> ExerciseSet setOf(const std::vector<Item>& items)
{
    return ExerciseSet(items.begin(), items.end());
}

} // namespace quill
