#pragma once

// Drawing operands, and the terminating-quotient test that division items and compound
// expressions share.

#include "problems/draw.h"
#include "problems/whole/operand.h"

#include <optional>
#include <string>

namespace quill
{

// A pair and an extra operand, decimals of operandPlaces's places drawn from the range, drawn
// again until none of the caps holds (or a stop, which keeps the last draw).
DrawnOperands drawDecimalOperands(Draw& draw, Range range);

// Which of a pair get a "%" under 百分数.
enum class PercentMarks {
    OneOrBoth, // 25%×4, 6÷3%, 24%×4%
    Both,      // sums and differences: pupils add and take away percents of one whole
};

// The same with whole numbers; with 百分数 ticked one or both of the pair get a "%".
DrawnOperands drawWholeOperands(Draw& draw, Range range,
                                PercentMarks marks = PercentMarks::OneOrBoth);

// Whether a cap on results (or on the extra number of the first grades' steps) refuses the
// draw; `end` is the range end.
bool capHolds(const ExerciseSettings& settings, const DrawnOperands& operands, int end);

// Decimals when 小数 is ticked, whole numbers otherwise.
DrawnOperands drawOperands(Draw& draw, Range range, PercentMarks marks = PercentMarks::OneOrBoth);

// Whether a ÷ b is a terminating decimal (with 整数 ticked: a whole number). Reduces a/b to
// lowest terms in place, as callers that keep the reduced pair expect.
bool quotientTerminates(const ExerciseSettings& settings, double& a, double& b);

// The decimal operand drawn at position x with `places` places: at most two digits before
// the point, fewer places when the last one is 0 (57.34 -> 57.3, 123.45 -> 23.4, 2.04 -> 2).
std::string decimalOperandText(float x, int places);
// Below 100 the operand's digits (57.34 at 2 places is 5734): it is those digits at `places`
// places. Nothing from 100 up, where only decimalOperandText tells the operand.
std::optional<long long> quickOperandDigits(float x, int places);
// The operand of that text, its text written only when read.
void setDecimalOperand(Operand& operand, float x, int places);

// The decimal places of a number's shortest text (2.25 -> 2, 0.000001 -> 6, 40 -> 0).
int decimalPlaces(double value);

} // namespace quill
