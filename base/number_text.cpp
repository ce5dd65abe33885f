#include "base/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quill
{

namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the leading number of `text` starting at `pos`: sign, digits, point, exponent.
size_t leadingNumberEnd(std::string_view text, size_t pos)
{
    size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const size_t mantissaStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
    }
    const bool hasDigits =
        i > mantissaStart && !(i == mantissaStart + 1 && text[mantissaStart] == '.');
    if (!hasDigits)
        return pos;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Significant digits (trailing zeros removed) and decimal exponent of |value|,
// rounded to `precision` significant digits: 1234.5 -> ("12345", 3).
struct Scientific {
    std::string digits;
    int exponent = 0;
};

template <typename Float> Scientific toScientific(Float value, int precision)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer, result.ptr - buffer);
    const size_t e = text.find('e');
    Scientific out;
    for (char c : text.substr(0, e))
        if (isDigit(c))
            out.digits += c;
    const std::string_view exponent = text.substr(e + 1);
    std::from_chars(exponent.data() + (exponent[0] == '+' ? 1 : 0),
                    exponent.data() + exponent.size(), out.exponent);
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();
    return out;
}

// Always plain decimal: pupils are never shown E notation, however small or large the number.
std::string formatScientific(const Scientific& s, bool negative)
{
    std::string text = negative ? "-" : "";
    if (s.exponent < 0)
        return text + "0." + std::string(-s.exponent - 1, '0') + s.digits;
    const size_t integerDigits = static_cast<size_t>(s.exponent) + 1;
    if (s.digits.size() <= integerDigits)
        return text + s.digits + std::string(integerDigits - s.digits.size(), '0');
    return text + s.digits.substr(0, integerDigits) + "." + s.digits.substr(integerDigits);
}

// Whole numbers are by far the most common texts; they need no rounding of digits.
bool writeWholeNumber(double value, std::string& text)
{
    if (value != std::trunc(value) || std::fabs(value) >= 1e15)
        return false;
    char buffer[24];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
    text.assign(buffer, result.ptr);
    return true;
}

template <typename Float> std::string shortest(Float value, int precision)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? "0" : (std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf"));
    if (std::string text;
        writeWholeNumber(value, text) && (precision == 15 || std::fabs(value) < 1e7))
        return text;
    return formatScientific(toScientific(value, precision), std::signbit(value));
}

// The value of a text of plain digits, the common case, without the general parser.
bool readDigits(std::string_view text, double& value)
{
    if (text.empty() || text.size() > 15)
        return false;
    long long number = 0;
    for (char c : text) {
        if (!isDigit(c))
            return false;
        number = number * 10 + (c - '0');
    }
    value = static_cast<double>(number);
    return true;
}

// A decimal number held exactly: mantissa x 10^-scale.
struct Decimal {
    __int128 mantissa = 0;
    int scale = 0;
};

constexpr int maxDecimalDigits = 36;

bool toDecimal(double value, Decimal& out)
{
    if (value == 0) {
        out = {};
        return true;
    }
    const Scientific s = toScientific(value, 15);
    // value = 0.digits x 10^(exponent+1) = digits x 10^(exponent + 1 - n)
    int scale = static_cast<int>(s.digits.size()) - 1 - s.exponent;
    if (scale < -20 || scale > maxDecimalDigits - 15)
        return false;
    __int128 mantissa = 0;
    for (char c : s.digits)
        mantissa = mantissa * 10 + (c - '0');
    for (; scale < 0; ++scale)
        mantissa *= 10;
    out = {std::signbit(value) ? -mantissa : mantissa, scale};
    return true;
}

std::string decimalText(Decimal d)
{
    const bool negative = d.mantissa < 0;
    __int128 m = negative ? -d.mantissa : d.mantissa;
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
    } while (m != 0);
    if (static_cast<int>(digits.size()) <= d.scale)
        digits.insert(0, d.scale - digits.size() + 1, '0');
    std::string text = digits.substr(0, digits.size() - d.scale);
    std::string fraction = digits.substr(digits.size() - d.scale);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    if (negative && text != "0")
        text.insert(0, "-");
    return text;
}

} // namespace

double numericValue(std::string_view text)
{
    if (double value; readDigits(text, value))
        return value;
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    const size_t end = leadingNumberEnd(text, start);
    if (end == start)
        return 0;
    std::string_view number = text.substr(start, end - start);
    if (number[0] == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    return value;
}

std::string shortestText(double value)
{
    return shortest(value, 15);
}

std::string shortestSingleText(float value)
{
    return shortest(value, 7);
}

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

double roundHalfUp(double value, int places)
{
    Decimal d;
    if (!std::isfinite(value) || !toDecimal(value, d)) {
        // Beyond the decimal form lie values too large to have places and values so small
        // that the binary value rounds the same.
        if (!std::isfinite(value) || (std::fabs(value) >= 1 && places >= 0))
            return value;
        const double scale = std::pow(10.0, places);
        return std::round(value * scale) / scale;
    }
    if (d.scale <= places)
        return value;
    __int128 unit = 1;
    for (int i = places; i < d.scale; ++i)
        unit *= 10;
    const bool negative = d.mantissa < 0;
    __int128 rounded = ((negative ? -d.mantissa : d.mantissa) + unit / 2) / unit;
    // Negative places count whole tens, hundreds…: the rounded digits move back up.
    for (int i = places; i < 0; ++i)
        rounded *= 10;
    return numericValue(decimalText({negative ? -rounded : rounded, std::max(places, 0)}));
}

std::string exactDifference(double a, double b)
{
    Decimal x, y;
    if (!toDecimal(a, x) || !toDecimal(b, y))
        return shortestText(a - b);
    while (x.scale < y.scale) {
        x.mantissa *= 10;
        ++x.scale;
    }
    while (y.scale < x.scale) {
        y.mantissa *= 10;
        ++y.scale;
    }
    return decimalText({x.mantissa - y.mantissa, x.scale});
}

std::string tidyValueText(std::string text)
{
    if (!text.empty() && text.front() == '.')
        text.insert(0, "0");
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace quill
