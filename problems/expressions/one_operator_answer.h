#pragma once

// The answer a pupil is asked for when answering an item on screen (37＋48, 0.1＋0.2, 36÷5),
// taken from the item's worked answer: products and quotients rounded half up when places
// are kept. Nothing asks a pupil for more than four decimals.

#include "problems/whole/operation_item.h"

#include <optional>
#include <string>

namespace quill
{

struct OneOperatorRules {
    // A division that does not come out whole is answered as quotient and remainder.
    bool remainders = false;
    // 保留: every product and quotient is rounded to these places.
    std::optional<int> keptPlaces = std::nullopt;
};

struct QuotientAndRemainder {
    double quotient = 0;
    double remainder = 0;
};

struct OneOperatorAnswer {
    double value = 0;                // the answer; the whole quotient when a remainder is asked
    std::optional<double> remainder; // set when the item is answered quotient……remainder
    std::optional<int> places;       // the places the answer is rounded to, for a hint

    // A division that does not come out whole, unrounded, is right in either exact form a
    // pupil may have been taught: the decimal quotient (when it ends) and the whole quotient
    // with its remainder (for whole numbers, or wherever the remainder is asked).
    std::optional<double> decimalQuotient;
    std::optional<QuotientAndRemainder> withRemainder;
    // The answer is a percent (95%－69% is 26%): shown as one, its places are the percent's,
    // and it is right typed as 26% or as its value 0.26.
    bool percent = false;

    // "7.2", "26%", or "7……1" with a remainder.
    std::string text() const;

    // Whether a typed answer is right; a typed remainder counts only for an item that can be
    // answered with one.
    bool accepts(double typed, std::optional<double> typedRemainder) const;
};

// The answer of `item`. A long decimal is not asked for: without kept places a division of
// whole numbers is then answered with its remainder, anything else rounded to two places.
OneOperatorAnswer answerOneOperatorItem(const OperationItem& item, const OneOperatorRules& rules);

// Whether two numbers agree once each is written with at most 15 significant digits, so
// that binary noise (0.1 + 0.2) does not count.
bool sameNumber(double a, double b);

} // namespace quill
