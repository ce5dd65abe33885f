#pragma once

// A decimal number held exactly, as units of 10^-scale. Answers built from decimal operands
// come out as the pupil would work them: 0.3 − 0.1 − 0.2 is 0, not 2.8E-17, and a long
// product keeps all its digits. A result too large to hold, or a quotient that does not end,
// is no number: it compares false with everything and has no text.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace quill
{

class ExactDecimal
{
public:
    ExactDecimal() = default;
    static ExactDecimal whole(long long value);
    // units × 10^-scale (scale 0 to 15): 5734 at 2 is 57.34.
    static ExactDecimal scaled(long long units, int scale);
    // A number text such as "57.34", "-4", "1E-05"; no number for anything else.
    static ExactDecimal parse(std::string_view text);
    static ExactDecimal none() { return ExactDecimal(0, 0, false); }

    bool isNumber() const { return valid_; }
    bool isZero() const { return valid_ && units_ == 0; }
    bool isWhole() const { return valid_ && scale_ == 0; }
    // The decimal places of its shortest writing: 2.50 has 1.
    int places() const { return scale_; }
    // Written with exactly `places` decimals, rounded half up first: 10.0378 at 1 is "10.0".
    std::string fixedText(int places) const;
    // Whether text() ends in 0, without writing it: a whole multiple of ten (below 1E15).
    bool endsInZero() const;
    // Whether it is exactly 10, 100, 1000… no larger than `largest`.
    bool isPowerOfTenUpTo(long long largest) const;

    friend ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);
    friend ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b);
    friend ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b);
    // No number for a zero divisor or a quotient that never ends.
    friend ExactDecimal operator/(const ExactDecimal& a, const ExactDecimal& b);

    // The value divided by 10^places (a percentage's value: 5 is 0.05).
    ExactDecimal shifted(int places) const;

    // Rounded half away from zero to `places` decimals; negative places round to tens (-1),
    // hundreds (-2)…: 2.675 gives 2.68 at 2, 25 gives 30 at -1.
    ExactDecimal roundedHalfUp(int places) const;
    // a ÷ b rounded half away from zero to `places` decimals, whether or not it ends. No
    // number for a zero divisor.
    static ExactDecimal roundedQuotient(const ExactDecimal& a, const ExactDecimal& b, int places);
    // trunc(a ÷ b), a whole number; no number for a zero divisor.
    static ExactDecimal wholeQuotient(const ExactDecimal& a, const ExactDecimal& b);

    friend bool operator==(const ExactDecimal& a, const ExactDecimal& b);
    friend std::partial_ordering operator<=>(const ExactDecimal& a, const ExactDecimal& b);

    double toDouble() const;
    // The number texts' form (shortestText) when 15 significant digits hold the value,
    // otherwise every digit written out; empty for no number.
    std::string text() const;

private:
    ExactDecimal(__int128 units, int scale, bool valid = true);
    void normalise();

    __int128 units_ = 0;
    int scale_ = 0; // decimal places, never negative; no trailing zero in units_ when above 0
    bool valid_ = true;
};

} // namespace quill
