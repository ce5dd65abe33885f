#pragma once

// The three operands every law item is built from, and the test that a law's key value makes
// the item easy to work.

#include "base/exact_decimal.h"
#include "problems/draw.h"

#include <string>

namespace quill
{

// Each operand is written as its value's shortest text.
struct LawOperands {
    ExactDecimal a, b, c;
};

// A, B, C drawn from the range: whole numbers, or with 小数 decimals of the chosen places; with 百分数
// each divided by 100 (5 is 0.05). A decimal drawn as 0 is tidied to no text at all, so such a
// draw is drawn again; a stop meanwhile leaves the last draw.
LawOperands drawLawOperands(Draw& draw, Range range);

// Draws until `keep` accepts the operands, asking for a stop before each draw.
// A stop leaves the last draw (none at all when it came first).
template <typename Keep> LawOperands drawLawOperandsUntil(Draw& draw, Range range, Keep keep)
{
    LawOperands operands;
    do {
        if (draw.stop.stopRequested())
            break;
        operands = drawLawOperands(draw, range);
    } while (!keep(operands));
    return operands;
}

// A decimal operand text without its leading zeros: "0.75" stays, "0" becomes "".
std::string tidiedOperandText(std::string text);

// With 简易简便: the value is exactly 10, 100, 1000 or 10000 (up to `largestEasyValue`).
// Otherwise its text ends in 0 (20, 350, -40, 0; not 25 or 2.5).
bool keyValuePasses(const ExerciseSettings& settings, const ExactDecimal& value,
                    int largestEasyValue = 10000);

} // namespace quill
