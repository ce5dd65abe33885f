#include "problems/fractions/rational.h"

namespace quill
{

namespace
{

using Wide = __int128;

Wide gcdWide(Wide a, Wide b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

} // namespace

Rational Rational::reduced(Wide n, Wide d)
{
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const Wide g = gcdWide(n, d);
    Rational r;
    r.numerator_ = static_cast<std::int64_t>(n / g);
    r.denominator_ = static_cast<std::int64_t>(d / g);
    return r;
}

std::optional<Rational> Rational::of(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator == 0)
        return std::nullopt;
    return reduced(numerator, denominator);
}

Rational operator+(Rational x, Rational y)
{
    return Rational::reduced(Wide(x.numerator_) * y.denominator_ +
                                 Wide(y.numerator_) * x.denominator_,
                             Wide(x.denominator_) * y.denominator_);
}

Rational operator-(Rational x, Rational y)
{
    return Rational::reduced(Wide(x.numerator_) * y.denominator_ -
                                 Wide(y.numerator_) * x.denominator_,
                             Wide(x.denominator_) * y.denominator_);
}

Rational operator*(Rational x, Rational y)
{
    return Rational::reduced(Wide(x.numerator_) * y.numerator_,
                             Wide(x.denominator_) * y.denominator_);
}

std::optional<Rational> operator/(Rational x, Rational y)
{
    if (y.numerator_ == 0)
        return std::nullopt;
    return Rational::reduced(Wide(x.numerator_) * y.denominator_,
                             Wide(x.denominator_) * y.numerator_);
}

bool operator<(Rational x, Rational y)
{
    return Wide(x.numerator_) * y.denominator_ < Wide(y.numerator_) * x.denominator_;
}

bool Rational::terminates() const
{
    std::int64_t d = denominator_;
    for (const std::int64_t p : {2, 5})
        while (d % p == 0)
            d /= p;
    return d == 1;
}

std::string Rational::text() const
{
    if (isWhole())
        return std::to_string(numerator_);
    return std::to_string(numerator_) + "/" + std::to_string(denominator_);
}

} // namespace quill
