#pragma once

// The answer of a whole-number, decimal or percent item, worked out once from its numbers in
// exact decimals: 0.3 − 0.1 − 0.2 is 0, a long product keeps every digit. Sheets, the answer
// key, the builders and on-screen answering all read it.

#include "problems/item_value.h"
#include "problems/whole/operation_item.h"

#include <optional>

namespace quill
{

struct ItemAnswer {
    ItemValue exact;
    // With 保留 every product and quotient is rounded half up as it is worked (2.5×1.5×2
    // keeps 3.8 after one step); sums and differences, and every item without 保留, as exact.
    ItemValue rounded;
    // A division of two numbers: trunc(dividend ÷ divisor); quotient × divisor + remainder is
    // the dividend (0.99 ÷ 0.2 is 4 and 0.19).
    std::optional<ExactDecimal> wholeQuotient;
    // What a division leaves, step after step in a chain; 0 for other items.
    ExactDecimal remainder = ExactDecimal::whole(0);
    // Written as a percent, as pupils write it: sums and differences of percents
    // (95%－69%＝26%) and a percent divided by plain numbers (34%÷2＝17%). With 保留 the
    // places are the percent's (34%÷3≈11.33%), and `rounded` is that percent's value.
    bool percent = false;

    bool leavesRemainder() const { return wholeQuotient && !remainder.isZero(); }
};

ItemAnswer answerOf(const OperationItem& item, std::optional<int> keptPlaces);

// Whether the item's answer is a percent, as ItemAnswer::percent tells. Products stay
// numbers (75%×44 is 33, never 3300%), and so do quotients by a percent (6÷3% is 200,
// 45%÷9% is 5).
bool answeredAsPercent(const OperationItem& item);

// The number a percent writes: 0.26 is 26 (26%).
ExactDecimal percentNumber(const ExactDecimal& value);

// dividend − trunc(dividend ÷ divisor) × divisor, taken on the decimal values so that 0.3
// and 0.1 leave 0 rather than what binary rounding of 0.3 ÷ 0.1 would leave. NaN for a
// divisor of 0.
double divisionRemainder(double dividend, double divisor);

// Two whole numbers, one "÷", nothing else: 2÷49, not 2.5÷5 or 48%÷4.
bool isWholeNumberDivision(const OperationItem& item);

} // namespace quill
