#pragma once

// Numbers travel between generators, builders and writers as texts. These helpers give
// the one reading and the one writing of such texts that every part of the program uses.

#include <cmath>
#include <string>
#include <string_view>

namespace quill
{

// The leading decimal number of a text ("25%" -> 25, "12abc" -> 12, "" -> 0, "x" -> 0).
// Leading blanks are skipped; a sign, a point and an exponent ("1E-06") are understood.
double numericValue(std::string_view text);

// The shortest decimal text of a double: at most 15 significant digits, no trailing zeros
// or point, "0.5" rather than ".5", and never E notation ("0.000001", not "1E-06").
std::string shortestText(double value);

// The same for a single-precision value: at most 7 significant digits.
std::string shortestSingleText(float value);

// Round to the nearest whole number, ties to even (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Round to `places` decimal places the way pupils are taught (四舍五入): a half goes away
// from zero. It works on the value's shortest decimal text, not on the binary value, so
// 2.675 gives 2.68 and 0.125 gives 0.13 at two places although the doubles lie just below.
// Negative places round to tens (-1), hundreds (-2)…: 25 gives 30 at -1. Every answer the
// program shows is rounded by this one function.
double roundHalfUp(double value, int places);

// Int (floor) and Fix (truncation toward zero).
inline double intPart(double value)
{
    return std::floor(value);
}
inline double fixPart(double value)
{
    return std::trunc(value);
}

// a - b computed on the decimal texts of the operands, so 5.3 - 1.1 is exactly 4.2.
// The result is the exact decimal text ("4.2", "-0.05", "0").
std::string exactDifference(double a, double b);

// Answer tidying used by the builders and writers: ".5" -> "0.5", "3." -> "3".
std::string tidyValueText(std::string text);

} // namespace quill
