#pragma once

// How a value in one unit is written in another: the rows of the conversion tables.

#include <string>
#include <string_view>

namespace quill
{

enum class Conversion {
    Times,     // value × factor
    Over,      // value ÷ factor, as a decimal
    Fraction,  // value ÷ factor as a reduced fraction: 90 秒 is 3/2 分
    MonthDays, // the days of the month the value names: 2 月 has 28或29 日
};

struct UnitPair {
    std::string_view from;
    std::string_view to;
    Conversion how = Conversion::Times;
    int factor = 1;
};

// Whether a value can be converted by the pair: a month is named by a whole number 1..12.
bool convertible(const UnitPair& pair, std::string_view value);

// The value, a number text, written in the pair's second unit.
std::string convertedText(const UnitPair& pair, std::string_view value);

// value ÷ divisor in lowest terms: "3/2", or a whole number when it divides ("2"). Empty for
// a zero value or divisor, which no item shows. A decimal value is taken exactly (2.5 ÷ 60
// is 1/24).
std::string reducedQuotientText(double value, int divisor);

// The days of the month numbered `month`: "31", "30", or "28或29" for February.
std::string monthDaysText(int month);

} // namespace quill
