#pragma once

// A fraction item read back from its text, possibly extended by one more operation: the
// numbers it stands for, its exact value, and the terms a sheet shows for it.
//   "3＋8＋1＋8"      3/8 + 1/8          "6/8"           reduce 6/8
//   "(3＋8＋1＋8)×5"  (3/8 + 1/8) × 5    "2×3×3×4＋7"    2/3 × 3/4 + 7

#include "problems/fractions/rational.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

struct ExerciseSettings;

enum class FractionOperation { Addition, Subtraction, Multiplication, Division, Reduction };

// The operation a selector r picks among the ticked ones: r < 10 addition, r < 20 subtraction,
// r < 30 multiplication, r < 40 division; an unticked operation hands its share to the next
// ticked one above it, and nothing is picked above the last.
std::optional<FractionOperation> tickedOperation(const ExerciseSettings& settings, int r);

// The sign an item text joins its numbers with: "＋", "－", "×", "÷" or "/".
std::string_view fractionSign(FractionOperation operation);

// a/b (operation) c/d, or a/b alone to be reduced.
struct FractionItem {
    FractionOperation operation = FractionOperation::Reduction;
    long a = 0, b = 1, c = 0, d = 1;

    friend bool operator==(const FractionItem&, const FractionItem&) = default;
};

// The operation a step-by-step expression appends, with its number: a whole number drawn
// from the range, or the item's own value when nothing in the range is small enough.
struct FractionStep {
    FractionOperation operation = FractionOperation::Addition;
    Rational number;
    bool bracketed = false; // the item stands in brackets: (3＋8＋1＋8)×5

    friend bool operator==(const FractionStep&, const FractionStep&) = default;
};

struct FractionExpression {
    FractionItem item;
    std::optional<FractionStep> step;

    friend bool operator==(const FractionExpression&, const FractionExpression&) = default;
};

// Nothing for a text that is no fraction item or extended item (a denominator of 0 included).
std::optional<FractionExpression> parseFractionExpression(std::string_view text);

// The text the history stores: "3＋8＋1＋8", "(3＋8＋1＋8)×5", "1＋2＋1＋2－1/2".
std::string expressionText(const FractionExpression& expression);

// The exact value; nothing when it divides by zero.
std::optional<Rational> itemValue(const FractionItem& item);
std::optional<Rational> expressionValue(const FractionExpression& expression);

// A subtraction item whose difference is negative (only lists from elsewhere hold one) is
// asked the other way round, so the sheet never expects a negative answer.
FractionExpression withoutNegativeDifference(FractionExpression expression);

// What a sheet shows, left to right. A fraction whose numerator is a multiple of its
// denominator shows as that whole number when the other fraction of the item does not (8/4 +
// 1/3 shows 2 + 1/3); when both are whole, both stay fractions.
struct ShownTerm {
    enum class Kind { Fraction, Whole, Sign, OpenBracket, CloseBracket };
    Kind kind = Kind::Whole;
    std::string numerator; // the whole number's digits for Whole
    std::string denominator;
    FractionOperation operation = FractionOperation::Addition; // for Sign
};

std::vector<ShownTerm> shownTerms(const FractionExpression& expression);

// An answer: 0, a whole number (2, not 2/1), or the reduced fraction.
ShownTerm shownValue(Rational value);

// Terms as one line of plain text: "3/8＋1/8", "(3/8＋1/8)×5".
std::string plainText(const std::vector<ShownTerm>& terms);

} // namespace quill
