#include "problems/expressions/one_operator_answer.h"

#include "base/number_text.h"
#include "problems/expressions/item_answer.h"
#include "problems/expressions/shown_answer.h"

#include <algorithm>
#include <cmath>

namespace quill
{

namespace
{

bool wholeNumbers(const OperationItem& item)
{
    return std::all_of(item.terms.begin(), item.terms.end(), [](const WrittenNumber& t) {
        return !t.percent() && t.amount.isWhole();
    });
}

bool anyPercent(const OperationItem& item)
{
    return std::any_of(item.terms.begin(), item.terms.end(),
                       [](const WrittenNumber& t) { return t.percent(); });
}

bool isDivisionPair(const OperationItem& item)
{
    return item.isPair() && item.operation == Operation::Division && !item.terms[1].amount.isZero();
}

// Quotient and remainder of a two-number division that does not come out whole, when they
// are what the pupil is asked for; quotient × divisor + remainder is the dividend. A percent
// item is answered by its value, never quotient……remainder (45%÷9 is 5%).
std::optional<OneOperatorAnswer> remainderAnswer(const OperationItem& item,
                                                 const ItemAnswer& worked,
                                                 const OneOperatorRules& rules)
{
    if (!isDivisionPair(item) || anyPercent(item) || !worked.wholeQuotient)
        return std::nullopt;
    const ExactDecimal& quotient = worked.exact.number;
    if (quotient.isWhole())
        return std::nullopt;
    const bool tooLong =
        !rules.keptPlaces && wholeNumbers(item) && quotient.places() > longestShownPlaces;
    if (!rules.remainders && !tooLong)
        return std::nullopt;
    OneOperatorAnswer answer;
    answer.value = worked.wholeQuotient->toDouble();
    answer.remainder = worked.remainder.toDouble();
    return answer;
}

// Adds the exact forms of a two-number division besides the one asked for. Rounded answers
// are judged only as asked, and decimals or percentages get no remainder the pupil was not
// asked for: a quotient of theirs can be taken to tenths as well as to ones.
void addExactForms(OneOperatorAnswer& answer, const OperationItem& item,
                   const ItemAnswer& worked, const OneOperatorRules& rules)
{
    if (answer.remainder)
        answer.withRemainder = QuotientAndRemainder{answer.value, *answer.remainder};
    if (rules.keptPlaces || !isDivisionPair(item) || worked.exact.number.isWhole())
        return;
    if (!answer.withRemainder && wholeNumbers(item) && worked.wholeQuotient)
        answer.withRemainder =
            QuotientAndRemainder{worked.wholeQuotient->toDouble(), worked.remainder.toDouble()};
    const ExactDecimal ending = item.terms[0].amount / item.terms[1].amount;
    if (answer.withRemainder && ending.isNumber())
        answer.decimalQuotient = ending.toDouble();
}

// The number a pupil writes: the percent's when the answer is one (0.26 is written 26%).
ExactDecimal writtenNumber(const ExactDecimal& value, bool percent)
{
    return percent ? percentNumber(value) : value;
}

ExactDecimal valueOfWritten(const ExactDecimal& written, bool percent)
{
    return percent ? written / ExactDecimal::whole(100) : written;
}

OneOperatorAnswer plainAnswer(const OperationItem& item, const ItemAnswer& worked,
                              const OneOperatorRules& rules)
{
    const bool rounds = rules.keptPlaces && (item.operation == Operation::Multiplication ||
                                             item.operation == Operation::Division);
    OneOperatorAnswer answer;
    answer.percent = worked.percent;
    const ExactDecimal& value = rounds ? worked.rounded.number : worked.exact.number;
    const ExactDecimal written = writtenNumber(value, worked.percent);
    answer.value = value.toDouble();
    if (rounds && !writtenNumber(worked.exact.number, worked.percent).isWhole())
        answer.places = rules.keptPlaces;
    else if (written.isNumber() && written.places() > longestShownPlaces) {
        const ExactDecimal kept = written.roundedHalfUp(placesOfLongAnswers);
        answer.value = valueOfWritten(kept, worked.percent).toDouble();
        answer.places = placesOfLongAnswers;
    }
    return answer;
}

} // namespace

std::string OneOperatorAnswer::text() const
{
    if (percent)
        return percentNumber(ExactDecimal::parse(shortestText(value))).text() + "%";
    std::string text = shortestText(value);
    if (remainder)
        text += "……" + shortestText(*remainder);
    return text;
}

OneOperatorAnswer answerOneOperatorItem(const OperationItem& item, const OneOperatorRules& rules)
{
    const ItemAnswer worked = answerOf(item, rules.keptPlaces);
    if (!worked.exact.computable())
        return {std::nan(""), std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    OneOperatorAnswer answer;
    if (const auto withRemainder = remainderAnswer(item, worked, rules))
        answer = *withRemainder;
    else
        answer = plainAnswer(item, worked, rules);
    if (item.operation == Operation::Division)
        addExactForms(answer, item, worked, rules);
    return answer;
}

bool OneOperatorAnswer::accepts(double typed, std::optional<double> typedRemainder) const
{
    if (typedRemainder && withRemainder)
        return sameNumber(withRemainder->quotient, typed) &&
               sameNumber(withRemainder->remainder, *typedRemainder);
    if (decimalQuotient && sameNumber(*decimalQuotient, typed))
        return true;
    return !remainder && sameNumber(value, typed);
}

bool sameNumber(double a, double b)
{
    return std::isfinite(a) && std::isfinite(b) && shortestText(a) == shortestText(b);
}

} // namespace quill
