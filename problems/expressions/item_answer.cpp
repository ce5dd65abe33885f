#include "problems/expressions/item_answer.h"

#include "base/number_text.h"
#include "problems/expressions/expression_reader.h"

#include <algorithm>
#include <cmath>

namespace quill
{

namespace
{

bool allDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

double applyApproximately(Operation operation, double a, double b)
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
    }
    return a;
}

// A chain whose quotient never ends is worked in doubles and cut to 15 significant digits,
// which is all a sheet shows of it anyway.
ItemValue chainValue(Operation operation, const std::vector<WrittenNumber>& terms)
{
    ExactDecimal exact = terms.front().amount;
    double approximate = exact.toDouble();
    bool ends = true;
    for (size_t j = 1; j < terms.size(); ++j) {
        approximate = applyApproximately(operation, approximate, terms[j].amount.toDouble());
        if (ends)
            exact = workedExactly(operation, exact, terms[j].amount);
        ends = ends && exact.isNumber();
    }
    if (ends)
        return ItemValue::exact(exact);
    return ItemValue::exact(ExactDecimal::parse(shortestText(approximate)));
}

// 保留: products and quotients rounded half up at every step.
ItemValue roundedChain(Operation operation, const std::vector<WrittenNumber>& terms, int places)
{
    ExactDecimal value = terms.front().amount;
    for (size_t j = 1; j < terms.size(); ++j)
        value = operation == Operation::Division
                    ? ExactDecimal::roundedQuotient(value, terms[j].amount, places)
                    : (value * terms[j].amount).roundedHalfUp(places);
    return ItemValue::exact(value);
}

ExactDecimal chainRemainder(const std::vector<WrittenNumber>& terms)
{
    ExactDecimal rest = terms.front().amount;
    for (size_t j = 1; j < terms.size(); ++j)
        rest = rest - ExactDecimal::wholeQuotient(rest, terms[j].amount) * terms[j].amount;
    return rest;
}

// 保留 on a percent answer keeps places of the percent: 34%÷3 ≈ 11.33%.
ItemValue roundedPercent(const ItemValue& exact, int places)
{
    const ExactDecimal hundred = ExactDecimal::whole(100);
    return ItemValue::exact(percentNumber(exact.number).roundedHalfUp(places) / hundred);
}

bool computable(const OperationItem& item)
{
    const bool numbers = std::all_of(item.terms.begin(), item.terms.end(),
                                     [](const WrittenNumber& t) { return t.amount.isNumber(); });
    const bool divides = item.operation != Operation::Division ||
                         std::none_of(item.terms.begin() + 1, item.terms.end(),
                                      [](const WrittenNumber& t) { return t.amount.isZero(); });
    return numbers && divides;
}

} // namespace

ItemAnswer answerOf(const OperationItem& item, std::optional<int> keptPlaces)
{
    ItemAnswer answer;
    if (item.terms.empty() || !computable(item))
        return answer;
    if (!item.operation) { // a lone number from a saved list is its own value
        answer.exact = answer.rounded = ItemValue::exact(item.terms.front().amount);
        return answer;
    }
    const Operation operation = *item.operation;
    answer.exact = chainValue(operation, item.terms);
    const bool rounds =
        keptPlaces && (operation == Operation::Multiplication || operation == Operation::Division);
    answer.percent = answeredAsPercent(item);
    if (rounds && answer.percent)
        answer.rounded = roundedPercent(answer.exact, *keptPlaces);
    else
        answer.rounded = rounds ? roundedChain(operation, item.terms, *keptPlaces) : answer.exact;
    if (operation == Operation::Division) {
        answer.remainder = chainRemainder(item.terms);
        if (item.terms.size() == 2)
            answer.wholeQuotient =
                ExactDecimal::wholeQuotient(item.terms[0].amount, item.terms[1].amount);
    }
    if (!answer.exact.computable() || !answer.rounded.computable() || !answer.remainder.isNumber())
        return ItemAnswer{};
    return answer;
}

bool answeredAsPercent(const OperationItem& item)
{
    if (item.terms.size() < 2 || !item.operation)
        return false;
    const auto percent = [](const WrittenNumber& t) { return t.percent(); };
    const auto rest = item.terms.begin() + 1;
    switch (*item.operation) {
    case Operation::Addition:
    case Operation::Subtraction:
        return std::all_of(item.terms.begin(), item.terms.end(), percent);
    case Operation::Division:
        return item.terms.front().percent() && std::none_of(rest, item.terms.end(), percent);
    case Operation::Multiplication:
        break;
    }
    return false;
}

ExactDecimal percentNumber(const ExactDecimal& value)
{
    return value * ExactDecimal::whole(100);
}

double divisionRemainder(double dividend, double divisor)
{
    const ExactDecimal a = ExactDecimal::parse(shortestText(dividend));
    const ExactDecimal b = ExactDecimal::parse(shortestText(divisor));
    const ExactDecimal rest = a - ExactDecimal::wholeQuotient(a, b) * b;
    return rest.isNumber() ? rest.toDouble() : std::nan("");
}

bool isWholeNumberDivision(const OperationItem& item)
{
    return item.isPair() && item.operation == Operation::Division &&
           allDigits(item.terms[0].text) && allDigits(item.terms[1].text);
}

} // namespace quill
