#pragma once

// The held pair as the numbers that grade rules, zero patterns and the closeness test compare.

#include <optional>

namespace quill
{

struct DrawnOperands;

struct OperandPair {
    double first = 0;
    double second = 0;
    // The same with a percentage counting a hundredth, for rules about the result's sign.
    double firstAmount = first;
    double secondAmount = second;
};

// The numeric values of the drawn pair ("25%" counts as 25), and their amounts (0.25).
OperandPair pairOf(const DrawnOperands& operands);

// Which result of the pair a whole-tens test looks at.
enum class ResultValue { Sum, Difference, Product, Quotient };

// The chosen result; a quotient does not exist for the divisor 0.
std::optional<double> resultValue(ResultValue which, const OperandPair& pair);

// first − trunc(first ÷ second) × second in doubles, so 0.3 ÷ 0.1 leaves a remainder.
// The divisor must not be 0.
double remainderOf(const OperandPair& pair);

// A divisor other than 0 and no remainder.
bool dividesExactly(const OperandPair& pair);

} // namespace quill
