#pragma once

// The value of an item or expression as sheets show it: exact wherever the decimal ends; a
// quotient that never ends is held to its nearest 15 significant digits, since a sheet can
// only ever show it rounded; no number when it cannot be worked out (a divisor of 0, a term
// that is no number).

#include "base/exact_decimal.h"

#include <string>
#include <string_view>

namespace quill
{

// What a sheet shows for a value that cannot be worked out, instead of "Inf" or "NaN".
inline constexpr std::string_view uncomputableAnswer = "无法计算";

struct ItemValue {
    ExactDecimal number = ExactDecimal::none();

    static ItemValue exact(ExactDecimal number) { return {number}; }
    // a ÷ b: exact when it ends, otherwise cut to 15 significant digits.
    static ItemValue quotient(const ExactDecimal& a, const ExactDecimal& b);
    // A value read from a saved text ("4.2", "无法计算").
    static ItemValue read(std::string_view text);

    bool computable() const { return number.isNumber(); }
    // "4.2", "0.333333333333333", or the uncomputable answer.
    std::string text() const;

    friend bool operator==(const ItemValue&, const ItemValue&) = default;
};

} // namespace quill
