#pragma once

// Answers of a whole list of single-operation items at once: 37＋48, 63－27, 7×8, 56÷7 and
// chains of one operator, with percent terms. The results go to the application's answer
// store, where the writers and the two list builders read them.

#include <string>
#include <string_view>

namespace quill
{

struct Workspace;

// The answer text of an item that cannot be worked out: a divisor of 0, a term that is not
// a number (such as "abc" or an empty term), or a result too large for a double. It reads
// as 0 wherever a number is expected, and on an answer sheet it says plainly what happened
// instead of showing "Inf" or "NaN". Rounded, exact and (for division) remainder all get it.
inline constexpr std::string_view uncomputableAnswer = "无法计算";

// Fill roundedAnswers, exactAnswers and remainders for every item of the list. For plain
// kinds it first empties them and splits the list into itemTexts; under 脱式计算 and 解方程
// the builders have prepared itemTexts and it works on those. Under 竖式计算 a division
// whose quotient does not terminate is replaced in itemTexts (never in the run's list) by
// a pair drawn from s..e that does.
void computeAnswers(Workspace& work, std::string_view listText, int s, int e);

// The whole quotient trunc(dividend ÷ divisor) and what is left, taken on the decimal values:
// quotient × divisor + remainder is the dividend (0.99 ÷ 0.2 is 4 and 0.19). NaN for a
// divisor of 0.
struct WholeDivision {
    double quotient;
    double remainder;
};
WholeDivision wholeDivision(double dividend, double divisor);

// dividend − trunc(dividend ÷ divisor) × divisor, taken on the decimal values so that
// 0.3 and 0.1 leave 0 rather than the 0.1 that binary rounding of 0.3 ÷ 0.1 would give.
double divisionRemainder(double dividend, double divisor);

} // namespace quill
