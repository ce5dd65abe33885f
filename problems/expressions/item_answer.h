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

    bool leavesRemainder() const { return wholeQuotient && !remainder.isZero(); }
};

ItemAnswer answerOf(const OperationItem& item, std::optional<int> keptPlaces);

// dividend − trunc(dividend ÷ divisor) × divisor, taken on the decimal values so that 0.3
// and 0.1 leave 0 rather than what binary rounding of 0.3 ÷ 0.1 would leave. NaN for a
// divisor of 0.
double divisionRemainder(double dividend, double divisor);

// Two whole numbers, one "÷", nothing else: 2÷49, not 2.5÷5 or 48%÷4.
bool isWholeNumberDivision(const OperationItem& item);

} // namespace quill
