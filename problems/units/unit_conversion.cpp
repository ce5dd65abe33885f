#include "problems/units/unit_conversion.h"

#include "base/number_text.h"
#include "problems/whole/operands.h"

#include <cmath>
#include <cstdint>
#include <numeric>

namespace quill
{

namespace
{

// The month a value names, or 0 when it names none.
int monthNumber(std::string_view value)
{
    const double number = numericValue(value);
    if (value.empty() || number != std::floor(number) || number < 1 || number > 12)
        return 0;
    return static_cast<int>(number);
}

} // namespace

bool convertible(const UnitPair& pair, std::string_view value)
{
    return pair.how != Conversion::MonthDays || monthNumber(value) != 0;
}

std::string convertedText(const UnitPair& pair, std::string_view value)
{
    const double g = numericValue(value);
    switch (pair.how) {
    case Conversion::Times:
        return shortestText(g * pair.factor);
    case Conversion::Over:
        return shortestText(g / pair.factor);
    case Conversion::Fraction:
        return reducedQuotientText(g, pair.factor);
    case Conversion::MonthDays:
        return monthDaysText(monthNumber(value));
    }
    return {};
}

std::string reducedQuotientText(double value, int divisor)
{
    if (value == 0 || divisor == 0)
        return {};
    // A decimal value becomes a whole numerator over a divisor scaled alike.
    const std::int64_t scale = static_cast<std::int64_t>(std::pow(10, decimalPlaces(value)));
    std::int64_t numerator = std::llround(value * static_cast<double>(scale));
    std::int64_t denominator = divisor * scale;
    const std::int64_t common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    if (denominator == 1)
        return std::to_string(numerator);
    return std::to_string(numerator) + "/" + std::to_string(denominator);
}

std::string monthDaysText(int month)
{
    switch (month) {
    case 2:
        return "28或29";
    case 4:
    case 6:
    case 9:
    case 11:
        return "30";
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return "31";
    default:
        return {};
    }
}

} // namespace quill
