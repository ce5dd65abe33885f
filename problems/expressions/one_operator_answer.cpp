#include "problems/expressions/one_operator_answer.h"

#include "base/exact_decimal.h"
#include "base/number_text.h"
#include "problems/whole/operands.h"

#include <array>
#include <cmath>
#include <vector>

namespace quill
{

namespace
{

enum class Operation { None, Addition, Subtraction, Multiplication, Division };

struct Operator {
    std::string_view sign;
    Operation operation;
};

constexpr std::array<Operator, 4> operators{{{"＋", Operation::Addition},
                                             {"－", Operation::Subtraction},
                                             {"×", Operation::Multiplication},
                                             {"÷", Operation::Division}}};

constexpr int longestPlaces = 4;       // more decimals than this are never asked for
constexpr int placesOfLongAnswers = 2; // what a longer answer is rounded to

Operator operatorOf(std::string_view item)
{
    for (const Operator& op : operators)
        if (item.find(op.sign) != std::string_view::npos)
            return op;
    return {"", Operation::None};
}

// A number as its 15-digit text reads: 0.1 + 0.2 is 0.3, 0.7 / 0.1 is 7.
double written(double value)
{
    return std::isfinite(value) ? numericValue(shortestText(value)) : value;
}

bool isWhole(double value)
{
    return value == std::trunc(value);
}

struct Operands {
    std::vector<double> values;
    bool wholeNumbers = true; // every operand written as a whole number, none a percentage
    bool percent = false;     // some operand is a percentage
};

Operands readOperands(std::string_view item, std::string_view sign)
{
    Operands operands;
    size_t start = 0;
    while (true) {
        const size_t at = sign.empty() ? std::string_view::npos : item.find(sign, start);
        const std::string_view term = item.substr(start, at - start);
        double value = numericValue(term);
        const bool percent = term.find('%') != std::string_view::npos;
        if (percent)
            value /= 100;
        operands.wholeNumbers = operands.wholeNumbers && !percent && isWhole(value);
        operands.percent = operands.percent || percent;
        operands.values.push_back(value);
        if (at == std::string_view::npos)
            return operands;
        start = at + sign.size();
    }
}

double apply(Operation operation, double a, double b)
{
    switch (operation) {
    case Operation::Addition:
        return a + b;
    case Operation::Subtraction:
        return a - b;
    case Operation::Multiplication:
        return a * b;
    case Operation::Division:
        return a / b;
    case Operation::None:
        break;
    }
    return a;
}

// Quotient and remainder of a two-number division that does not come out whole, when they
// are what the pupil is asked for; quotient × divisor + remainder is the dividend.
std::optional<OneOperatorAnswer> remainderAnswer(const Operands& operands,
                                                 const OneOperatorRules& rules)
{
    // A percent item is answered by its value, never quotient……remainder (45%÷9 is 0.05).
    if (operands.values.size() != 2 || operands.values[1] == 0 || operands.percent)
        return std::nullopt;
    const double dividend = operands.values[0];
    const double divisor = operands.values[1];
    const double quotient = written(dividend / divisor);
    if (isWhole(quotient))
        return std::nullopt;
    const bool tooLong =
        !rules.keptPlaces && operands.wholeNumbers && decimalPlaces(quotient) > longestPlaces;
    if (!rules.remainders && !tooLong)
        return std::nullopt;
    const double whole = fixPart(quotient);
    OneOperatorAnswer answer;
    answer.value = whole;
    answer.remainder = written(dividend - whole * divisor);
    return answer;
}

// The exact decimal quotient, or nothing when it never ends.
std::optional<double> endingQuotient(double dividend, double divisor)
{
    const ExactDecimal quotient =
        ExactDecimal::parse(shortestText(dividend)) / ExactDecimal::parse(shortestText(divisor));
    return quotient.isNumber() ? std::optional(quotient.toDouble()) : std::nullopt;
}

// Adds the exact forms of a two-number division besides the one asked for. Rounded answers
// are judged only as asked, and decimals or percentages get no remainder the pupil was not
// asked for: a quotient of theirs can be taken to tenths as well as to ones.
void addExactForms(OneOperatorAnswer& answer, const Operands& operands,
                   const OneOperatorRules& rules)
{
    if (answer.remainder)
        answer.withRemainder = QuotientAndRemainder{answer.value, *answer.remainder};
    if (rules.keptPlaces || operands.values.size() != 2 || operands.values[1] == 0)
        return;
    const double dividend = operands.values[0];
    const double divisor = operands.values[1];
    if (isWhole(written(dividend / divisor)))
        return;
    if (!answer.withRemainder && operands.wholeNumbers) {
        const double whole = fixPart(dividend / divisor);
        answer.withRemainder = QuotientAndRemainder{whole, written(dividend - whole * divisor)};
    }
    if (answer.withRemainder)
        answer.decimalQuotient = endingQuotient(dividend, divisor);
}

OneOperatorAnswer answerOf(const Operator& op, const Operands& operands,
                           const OneOperatorRules& rules)
{
    if (op.operation == Operation::Division)
        if (std::optional<OneOperatorAnswer> answer = remainderAnswer(operands, rules))
            return *answer;

    // Operands as written; each product or quotient rounded before the next step.
    const bool rounds = rules.keptPlaces && (op.operation == Operation::Multiplication ||
                                             op.operation == Operation::Division);
    double value = operands.values[0];
    double exact = value;
    for (size_t i = 1; i < operands.values.size(); ++i) {
        exact = apply(op.operation, exact, operands.values[i]);
        value = apply(op.operation, value, operands.values[i]);
        if (rounds)
            value = roundHalfUp(value, *rules.keptPlaces);
    }
    OneOperatorAnswer answer;
    answer.value = written(value);
    if (rounds && !isWhole(written(exact)))
        answer.places = rules.keptPlaces;
    else if (std::isfinite(answer.value) && decimalPlaces(answer.value) > longestPlaces) {
        answer.value = roundHalfUp(answer.value, placesOfLongAnswers);
        answer.places = placesOfLongAnswers;
    }
    return answer;
}

} // namespace

std::string OneOperatorAnswer::text() const
{
    std::string text = shortestText(value);
    if (remainder)
        text += "……" + shortestText(*remainder);
    return text;
}

OneOperatorAnswer answerOneOperatorItem(std::string_view item, const OneOperatorRules& rules)
{
    const Operator op = operatorOf(item);
    const Operands operands = readOperands(item, op.sign);
    OneOperatorAnswer answer = answerOf(op, operands, rules);
    if (op.operation == Operation::Division)
        addExactForms(answer, operands, rules);
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
