#pragma once

// An answer as an answer key shows it: the sign before it and its text. A key says "≈"
// whenever what it shows is not the exact value, and never shows more than four decimals,
// so no cell wraps and no pupil is asked for digits nobody can check.

#include "problems/expressions/item_answer.h"

#include <optional>
#include <string>

namespace quill
{

struct ShownAnswer {
    std::string sign; // "＝" or "≈"
    std::string text; // "7.5", "9……2", "无法计算"

    std::string joined() const { return sign + text; }
};

// More decimals than this are never shown; a longer answer is rounded to two places.
inline constexpr int longestShownPlaces = 4;
inline constexpr int placesOfLongAnswers = 2;

// An item's answer. With `keptPlaces` (保留) the rounded answer, written with those places
// when it is not exact (≈10.0), otherwise the exact one. `remainderForm` asks for
// quotient……remainder whenever a division leaves a remainder; a division of whole numbers
// that would run past four decimals gets that form anyway. A percent item is a value and
// never gets that form; an answer that is a percent is written as one (95%－69%＝26%).
// Quotient × divisor + remainder is always the dividend.
ShownAnswer keyAnswer(const OperationItem& item, const ItemAnswer& answer,
                      std::optional<int> keptPlaces, bool remainderForm);

// A value a key shows with nothing else known of it, such as the value of a step-by-step
// expression: with 保留 rounded to those places, otherwise never past four decimals.
ShownAnswer shownValue(const ItemValue& value, std::optional<int> keptPlaces);

// 估算: the exact answer rounded half up to tens. A result below 10 is rounded to whole
// numbers, and one below a half to its first non-zero place (up to four), so a result
// other than 0 does not get the estimate 0: 89÷89≈1, 2÷49≈0.04. A percent answer is
// estimated as the percent it is: 95%－69%≈30%.
ShownAnswer estimatedAnswer(const ItemAnswer& answer);
ExactDecimal estimate(const ExactDecimal& value);

} // namespace quill
