#pragma once

// Drawing operand pairs into the operand registers, and the terminating-quotient test that
// division items and compound expressions share.

#include <string>

namespace quill
{

struct Workspace;

// Fill firstOperand, secondOperand and extraOperand with decimals of operandPlaces's places,
// drawn from s..e, until none of the caps holds.
void drawDecimalOperands(Workspace& work, int s, int e);

// The same with whole numbers; with 百分数 ticked one or both of the pair get a "%".
void drawWholeOperands(Workspace& work, int s, int e);

// Decimals when 小数 is ticked, whole numbers otherwise.
void drawOperands(Workspace& work, int s, int e);

// 1 when a ÷ b is a terminating decimal (with 整数 ticked: a whole number), else 0.
// Reduces a/b to lowest terms in place, as callers that keep the reduced pair expect.
int quotientTerminates(Workspace& work, double& a, double& b);

// The decimal operand drawn at position x with `places` places: at most two digits before
// the point, fewer places when the last one is 0 (57.34 -> 57.3, 123.45 -> 23.4, 2.04 -> 2).
std::string decimalOperandText(float x, int places);

// The decimal places of a number's shortest text (2.25 -> 2, 1E-06 -> 6, 40 -> 0).
int decimalPlaces(double value);

} // namespace quill
