#include "base/exact_decimal.h"

#include "base/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdint>

namespace quill
{

namespace
{

using Wide = __int128;

// Far enough below the type's limit that one more step of ten still fits.
constexpr int largestScale = 36;

Wide tenTo(int n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

bool timesFits(Wide a, Wide b, Wide& product)
{
    return !__builtin_mul_overflow(a, b, &product);
}

Wide magnitude(Wide v)
{
    return v < 0 ? -v : v;
}

Wide commonDivisor(Wide a, Wide b)
{
    a = magnitude(a);
    b = magnitude(b);
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// Brings both to the larger scale; false when that does not fit.
bool align(Wide& a, int aScale, Wide& b, int bScale)
{
    if (aScale < bScale)
        return timesFits(a, tenTo(bScale - aScale), a);
    return timesFits(b, tenTo(aScale - bScale), b);
}

std::string digitsOf(Wide v)
{
    std::string text;
    do {
        text += static_cast<char>('0' + static_cast<int>(v % 10));
        v /= 10;
    } while (v != 0);
    return {text.rbegin(), text.rend()};
}

} // namespace

ExactDecimal::ExactDecimal(__int128 units, int scale, bool valid)
    : units_(units), scale_(scale), valid_(valid)
{
    normalise();
}

void ExactDecimal::normalise()
{
    if (!valid_)
        return;
    // Most values fit 64 bits, where dividing is many times cheaper than in 128.
    if (units_ >= INT64_MIN && units_ <= INT64_MAX) {
        auto units = static_cast<std::int64_t>(units_);
        while (scale_ > 0 && units % 10 == 0) {
            units /= 10;
            --scale_;
        }
        units_ = units;
    } else {
        while (scale_ > 0 && units_ % 10 == 0) {
            units_ /= 10;
            --scale_;
        }
    }
    if (scale_ > largestScale)
        valid_ = false;
}

ExactDecimal ExactDecimal::whole(long long value)
{
    return ExactDecimal(value, 0);
}

ExactDecimal ExactDecimal::scaled(long long units, int scale)
{
    return scale < 0 ? none() : ExactDecimal(units, scale);
}

ExactDecimal ExactDecimal::parse(std::string_view text)
{
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative || (!text.empty() && text[0] == '+'))
        ++i;
    Wide units = 0;
    int scale = 0, digits = 0;
    bool point = false;
    for (; i < text.size() &&
           (std::isdigit(static_cast<unsigned char>(text[i])) || (text[i] == '.' && !point));
         ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        if (++digits > largestScale)
            return none();
        units = units * 10 + (text[i] - '0');
        scale += point ? 1 : 0;
    }
    if (digits == 0)
        return none();
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        const std::string_view exponentText = text.substr(i + 1);
        const ExactDecimal exponent = parse(exponentText);
        if (!exponent.isNumber() || exponent.scale_ != 0 || magnitude(exponent.units_) > 30)
            return none();
        const int shift = static_cast<int>(exponent.units_);
        i = text.size();
        if (shift >= 0 && !timesFits(units, tenTo(shift), units))
            return none();
        if (shift < 0)
            scale -= shift;
    }
    if (i != text.size())
        return none();
    return ExactDecimal(negative ? -units : units, scale);
}

ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b)
{
    Wide x = a.units_, y = b.units_;
    if (!a.valid_ || !b.valid_ || !align(x, a.scale_, y, b.scale_) ||
        __builtin_add_overflow(x, y, &x))
        return ExactDecimal::none();
    return ExactDecimal(x, std::max(a.scale_, b.scale_));
}

ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b)
{
    return a + ExactDecimal(-b.units_, b.scale_, b.valid_);
}

ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b)
{
    Wide product = 0;
    if (!a.valid_ || !b.valid_ || !timesFits(a.units_, b.units_, product))
        return ExactDecimal::none();
    return ExactDecimal(product, a.scale_ + b.scale_);
}

// a ÷ b = (n / d) · 10^(b.scale − a.scale) with n / d in lowest terms; it ends exactly when
// d has no prime factor but 2 and 5, and then n / d = n · (10^k / d) · 10^-k.
ExactDecimal operator/(const ExactDecimal& a, const ExactDecimal& b)
{
    if (!a.valid_ || !b.valid_ || b.units_ == 0)
        return ExactDecimal::none();
    const Wide g = commonDivisor(a.units_, b.units_);
    Wide n = a.units_ / g, d = b.units_ / g;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    int twos = 0, fives = 0;
    Wide rest = d;
    for (; rest % 2 == 0; rest /= 2)
        ++twos;
    for (; rest % 5 == 0; rest /= 5)
        ++fives;
    if (rest != 1)
        return ExactDecimal::none();
    const int k = std::max(twos, fives);
    if (k > largestScale || !timesFits(n, tenTo(k) / d, n))
        return ExactDecimal::none();
    int scale = k + a.scale_ - b.scale_;
    if (scale < 0 && !timesFits(n, tenTo(-scale), n))
        return ExactDecimal::none();
    return ExactDecimal(n, std::max(scale, 0));
}

ExactDecimal ExactDecimal::shifted(int places) const
{
    return ExactDecimal(units_, scale_ + places, valid_);
}

std::string ExactDecimal::fixedText(int places) const
{
    const ExactDecimal rounded = roundedHalfUp(places);
    if (!rounded.valid_)
        return {};
    std::string digits = digitsOf(magnitude(rounded.units_));
    const auto wanted = static_cast<size_t>(std::max(places, 0));
    digits += std::string(wanted - static_cast<size_t>(rounded.scale_), '0');
    if (digits.size() <= wanted)
        digits = std::string(wanted - digits.size() + 1, '0') + digits;
    const std::string sign = rounded.units_ < 0 ? "-" : "";
    if (wanted == 0)
        return sign + digits;
    const size_t point = digits.size() - wanted;
    return sign + digits.substr(0, point) + "." + digits.substr(point);
}

ExactDecimal ExactDecimal::roundedHalfUp(int places) const
{
    if (!valid_ || scale_ <= places)
        return *this;
    const int drop = scale_ - places;
    if (drop > largestScale)
        return ExactDecimal(0, 0);
    const Wide unit = tenTo(drop);
    Wide kept = (magnitude(units_) + unit / 2) / unit;
    if (units_ < 0)
        kept = -kept;
    if (places >= 0)
        return ExactDecimal(kept, places);
    Wide whole = 0;
    if (!timesFits(kept, tenTo(-places), whole))
        return none();
    return ExactDecimal(whole, 0);
}

ExactDecimal ExactDecimal::roundedQuotient(const ExactDecimal& a, const ExactDecimal& b, int places)
{
    // a ÷ b at `places` is round(a.units · 10^(places + b.scale − a.scale) / b.units).
    if (!a.valid_ || !b.valid_ || b.units_ == 0 || places < 0)
        return none();
    Wide n = a.units_, d = b.units_;
    const int shift = places + b.scale_ - a.scale_;
    if (shift >= 0 && !timesFits(n, tenTo(shift), n))
        return none();
    if (shift < 0 && !timesFits(d, tenTo(-shift), d))
        return none();
    const bool negative = (n < 0) != (d < 0);
    n = magnitude(n);
    d = magnitude(d);
    Wide q = n / d;
    if (2 * (n % d) >= d)
        ++q;
    return ExactDecimal(negative ? -q : q, places);
}

ExactDecimal ExactDecimal::wholeQuotient(const ExactDecimal& a, const ExactDecimal& b)
{
    Wide x = a.units_, y = b.units_;
    if (!a.valid_ || !b.valid_ || y == 0 || !align(x, a.scale_, y, b.scale_))
        return none();
    return ExactDecimal(x / y, 0);
}

bool operator==(const ExactDecimal& a, const ExactDecimal& b)
{
    // Normalised, so equal numbers have equal units and scale.
    return a.valid_ && b.valid_ && a.units_ == b.units_ && a.scale_ == b.scale_;
}

std::partial_ordering operator<=>(const ExactDecimal& a, const ExactDecimal& b)
{
    Wide x = a.units_, y = b.units_;
    if (!a.valid_ || !b.valid_ || !align(x, a.scale_, y, b.scale_))
        return std::partial_ordering::unordered;
    return x <=> y;
}

bool ExactDecimal::endsInZero() const
{
    return valid_ && scale_ == 0 && units_ % 10 == 0;
}

bool ExactDecimal::isPowerOfTenUpTo(long long largest) const
{
    if (!valid_ || scale_ != 0 || units_ < 10 || units_ > largest)
        return false;
    auto units = static_cast<std::int64_t>(units_);
    while (units % 10 == 0)
        units /= 10;
    return units == 1;
}

double ExactDecimal::toDouble() const
{
    if (!valid_)
        return std::nan("");
    // Both exact while units_ < 2^53 and scale_ <= 22, so the quotient is correctly rounded.
    return static_cast<double>(units_) / std::pow(10.0, scale_);
}

std::string ExactDecimal::text() const
{
    if (!valid_)
        return {};
    std::string digits = digitsOf(magnitude(units_));
    const size_t significant = digits.find_last_not_of('0') + 1;
    if (significant <= 15)
        return shortestText(toDouble());
    const auto places = static_cast<size_t>(scale_);
    if (digits.size() <= places)
        digits = std::string(places - digits.size() + 1, '0') + digits;
    const std::string sign = units_ < 0 ? "-" : "";
    if (places == 0)
        return sign + digits;
    const size_t point = digits.size() - places;
    return sign + digits.substr(0, point) + "." + digits.substr(point);
}

} // namespace quill
