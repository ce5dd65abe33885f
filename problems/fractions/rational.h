#pragma once

// An exact fraction, always in lowest terms with a positive denominator. Fraction answers and
// the values of extended expressions are kept this way, so 1/3 + 1/6 is exactly 1/2 and never
// a fifteen-digit decimal.

#include <cstdint>
#include <optional>
#include <string>

namespace quill
{

class Rational
{
public:
    Rational() = default;
    Rational(std::int64_t whole) : numerator_(whole) {}
    // Nothing for a zero denominator: such a fraction is no number.
    static std::optional<Rational> of(std::int64_t numerator, std::int64_t denominator);

    std::int64_t numerator() const { return numerator_; }
    std::int64_t denominator() const { return denominator_; }
    bool isWhole() const { return denominator_ == 1; }
    bool isZero() const { return numerator_ == 0; }

    friend Rational operator+(Rational x, Rational y);
    friend Rational operator-(Rational x, Rational y);
    friend Rational operator*(Rational x, Rational y);
    // Nothing when dividing by zero.
    friend std::optional<Rational> operator/(Rational x, Rational y);
    friend bool operator==(Rational x, Rational y) = default;
    friend bool operator<(Rational x, Rational y);

    // Whether the decimal expansion ends: the denominator has no prime factor but 2 and 5.
    bool terminates() const;

    // "0", "2", "3/4", "-1/2": the whole number when the value is one.
    std::string text() const;

private:
    // Products of the sheets' numbers (below 32768, at most five of them joined by two
    // operations) stay far inside 64 bits; 128-bit intermediates keep the reduction exact anyway.
    static Rational reduced(__int128 numerator, __int128 denominator);

    std::int64_t numerator_ = 0;
    std::int64_t denominator_ = 1;
};

} // namespace quill
