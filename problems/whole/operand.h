#pragma once

#include <string>

namespace quill
{

// One operand as drawn: its numeric value and its text ("37", "4.5", "25%"). Generators
// throw most draws away on a rule that looks only at the numbers, so a drawn whole number
// gets its text only when somebody reads it.
class Operand
{
public:
    Operand() = default;
    Operand(std::string text) { *this = std::move(text); }

    Operand& operator=(std::string text);

    // A whole or decimal number whose text is written when first read.
    void setNumber(double value);
    // Appends "%" to the text; the value stays (25% has the value 25).
    void markPercent();

    double value() const { return value_; }
    // What the operand is worth in arithmetic: a percentage counts a hundredth (25% is 0.25).
    double amount() const;
    const std::string& text() const;

private:
    double value_ = 0;
    bool percent_ = false;
    mutable bool written_ = true;
    mutable std::string text_;
};

// One draw: a pair, and one further operand drawn with it (the number a builder appends).
struct DrawnOperands {
    Operand first;
    Operand second;
    Operand extra;
};

} // namespace quill
