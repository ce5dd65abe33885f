#pragma once

// The items of 脱式计算 and 解方程: a drawn item extended by one or two more operations, as
// its written expression ("(12＋5)×3－4") with its value worked out exactly.

#include "problems/item_value.h"

#include <optional>
#include <string>

namespace quill
{

struct StepItem {
    std::string expression;
    // None only for a saved entry that lost its value.
    std::optional<ItemValue> value;

    friend bool operator==(const StepItem&, const StepItem&) = default;
};

// The equation with the unknown X ("X÷9＋21"), the same expression with X's number
// ("36÷9＋21"), and the value both come to.
struct EquationItem {
    std::string equation;
    std::string complete;
    ItemValue value;

    friend bool operator==(const EquationItem&, const EquationItem&) = default;
};

} // namespace quill
