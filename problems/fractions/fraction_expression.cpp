#include "problems/fractions/fraction_expression.h"

#include "settings/exercise_settings.h"

#include <array>
#include <utility>

namespace quill
{

namespace
{

using Op = FractionOperation;

constexpr std::array<std::pair<Op, std::string_view>, 5> signs{{
    {Op::Addition, "＋"},
    {Op::Subtraction, "－"},
    {Op::Multiplication, "×"},
    {Op::Division, "÷"},
    {Op::Reduction, "/"},
}};

struct Token {
    bool number = false;
    long value = 0;
    std::string_view symbol; // a sign, "(" or ")"
};

// Numbers of more digits than this are no sheet's numbers; refusing them keeps the
// arithmetic far from overflow.
constexpr std::size_t longestNumber = 9;

std::optional<std::vector<Token>> tokens(std::string_view text)
{
    std::vector<Token> out;
    while (!text.empty()) {
        if (text.front() >= '0' && text.front() <= '9') {
            std::size_t n = 0;
            long value = 0;
            while (n < text.size() && text[n] >= '0' && text[n] <= '9') {
                if (n == longestNumber)
                    return std::nullopt;
                value = value * 10 + (text[n++] - '0');
            }
            out.push_back({true, value, {}});
            text.remove_prefix(n);
            continue;
        }
        std::string_view symbol;
        for (std::string_view known : {"＋", "－", "×", "÷", "/", "(", ")"})
            if (text.starts_with(known))
                symbol = known;
        if (symbol.empty())
            return std::nullopt;
        out.push_back({false, 0, symbol});
        text.remove_prefix(symbol.size());
    }
    return out;
}

std::optional<Op> operationOf(const Token& token)
{
    for (const auto& [operation, sign] : signs)
        if (!token.number && token.symbol == sign)
            return operation;
    return std::nullopt;
}

bool isSymbol(const std::vector<Token>& t, std::size_t i, std::string_view symbol)
{
    return i < t.size() && !t[i].number && t[i].symbol == symbol;
}

bool isNumber(const std::vector<Token>& t, std::size_t i)
{
    return i < t.size() && t[i].number;
}

// "a/b" or "a S b S c S d" from `at`; `at` moves past it.
std::optional<FractionItem> readItem(const std::vector<Token>& t, std::size_t& at)
{
    if (!isNumber(t, at) || !isNumber(t, at + 2))
        return std::nullopt;
    const std::optional<Op> sign = at + 1 < t.size() ? operationOf(t[at + 1]) : std::nullopt;
    if (!sign)
        return std::nullopt;
    FractionItem item{*sign, t[at].value, t[at + 2].value, 0, 1};
    if (*sign == Op::Reduction) {
        at += 3;
        return item.b != 0 ? std::optional(item) : std::nullopt;
    }
    for (std::size_t k = at + 3; k <= at + 5; k += 2)
        if (!isNumber(t, k + 1) || t[k].number || t[k].symbol != t[at + 1].symbol)
            return std::nullopt;
    item.c = t[at + 4].value;
    item.d = t[at + 6].value;
    at += 7;
    if (item.b == 0 || item.d == 0)
        return std::nullopt;
    return item;
}

// "S n" or "S n/m" from `at` to the end.
std::optional<FractionStep> readStep(const std::vector<Token>& t, std::size_t at, bool bracketed)
{
    const std::optional<Op> operation = at < t.size() ? operationOf(t[at]) : std::nullopt;
    if (!operation || *operation == Op::Reduction || !isNumber(t, at + 1))
        return std::nullopt;
    std::optional<Rational> number = Rational(t[at + 1].value);
    if (isSymbol(t, at + 2, "/") && isNumber(t, at + 3)) {
        number = Rational::of(t[at + 1].value, t[at + 3].value);
        at += 2;
    }
    if (!number || at + 2 != t.size())
        return std::nullopt;
    return FractionStep{*operation, *number, bracketed};
}

std::string numberText(Rational number)
{
    return number.text();
}

ShownTerm fractionTerm(long numerator, long denominator)
{
    return {ShownTerm::Kind::Fraction, std::to_string(numerator), std::to_string(denominator)};
}

ShownTerm wholeTerm(std::string digits)
{
    return {ShownTerm::Kind::Whole, std::move(digits), {}};
}

ShownTerm signTerm(Op operation)
{
    return {ShownTerm::Kind::Sign, {}, {}, operation};
}

void appendItemTerms(std::vector<ShownTerm>& terms, const FractionItem& item)
{
    if (item.operation == Op::Reduction) {
        terms.push_back(fractionTerm(item.a, item.b));
        return;
    }
    const bool firstWhole = item.a % item.b == 0;
    const bool secondWhole = item.c % item.d == 0;
    const bool showWhole = firstWhole != secondWhole;
    terms.push_back(showWhole && firstWhole ? wholeTerm(std::to_string(item.a / item.b))
                                            : fractionTerm(item.a, item.b));
    terms.push_back(signTerm(item.operation));
    terms.push_back(showWhole && secondWhole ? wholeTerm(std::to_string(item.c / item.d))
                                             : fractionTerm(item.c, item.d));
}

} // namespace

std::optional<FractionOperation> tickedOperation(const ExerciseSettings& s, int r)
{
    const std::pair<const CheckBox*, Op> thresholds[] = {{&s.addition, Op::Addition},
                                                         {&s.subtraction, Op::Subtraction},
                                                         {&s.multiplication, Op::Multiplication},
                                                         {&s.division, Op::Division}};
    for (int k = 0; k < 4; ++k)
        if (r < 10 * (k + 1) && thresholds[k].first->checked)
            return thresholds[k].second;
    return std::nullopt;
}

std::string_view fractionSign(FractionOperation operation)
{
    for (const auto& [op, sign] : signs)
        if (op == operation)
            return sign;
    return {};
}

std::optional<FractionExpression> parseFractionExpression(std::string_view text)
{
    const auto t = tokens(text);
    if (!t)
        return std::nullopt;
    const bool bracketed = isSymbol(*t, 0, "(");
    std::size_t at = bracketed ? 1 : 0;
    const std::optional<FractionItem> item = readItem(*t, at);
    if (!item || (bracketed && !isSymbol(*t, at++, ")")))
        return std::nullopt;
    FractionExpression expression{*item, std::nullopt};
    if (at == t->size())
        return bracketed ? std::nullopt : std::optional(expression);
    expression.step = readStep(*t, at, bracketed);
    if (!expression.step)
        return std::nullopt;
    return expression;
}

std::string expressionText(const FractionExpression& expression)
{
    const FractionItem& item = expression.item;
    const std::string sign(fractionSign(item.operation));
    std::string text = std::to_string(item.a) + sign + std::to_string(item.b);
    if (item.operation != Op::Reduction)
        text += sign + std::to_string(item.c) + sign + std::to_string(item.d);
    if (!expression.step)
        return text;
    const FractionStep& step = *expression.step;
    if (step.bracketed)
        text = "(" + text + ")";
    return text + std::string(fractionSign(step.operation)) + numberText(step.number);
}

namespace
{

std::optional<Rational> apply(Op operation, Rational x, Rational y)
{
    switch (operation) {
    case Op::Addition:
        return x + y;
    case Op::Subtraction:
        return x - y;
    case Op::Multiplication:
        return x * y;
    case Op::Division:
        return x / y;
    case Op::Reduction:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<Rational> itemValue(const FractionItem& item)
{
    const std::optional<Rational> first = Rational::of(item.a, item.b);
    if (!first)
        return std::nullopt;
    if (item.operation == Op::Reduction)
        return first;
    const std::optional<Rational> second = Rational::of(item.c, item.d);
    if (!second)
        return std::nullopt;
    return apply(item.operation, *first, *second);
}

std::optional<Rational> expressionValue(const FractionExpression& expression)
{
    const std::optional<Rational> value = itemValue(expression.item);
    if (!value || !expression.step)
        return value;
    return apply(expression.step->operation, *value, expression.step->number);
}

FractionExpression withoutNegativeDifference(FractionExpression expression)
{
    FractionItem& item = expression.item;
    const std::optional<Rational> value = itemValue(item);
    if (item.operation == Op::Subtraction && !expression.step && value && *value < Rational(0)) {
        std::swap(item.a, item.c);
        std::swap(item.b, item.d);
    }
    return expression;
}

std::vector<ShownTerm> shownTerms(const FractionExpression& expression)
{
    std::vector<ShownTerm> terms;
    const bool bracketed = expression.step && expression.step->bracketed;
    if (bracketed)
        terms.push_back({ShownTerm::Kind::OpenBracket, {}, {}});
    appendItemTerms(terms, expression.item);
    if (bracketed)
        terms.push_back({ShownTerm::Kind::CloseBracket, {}, {}});
    if (expression.step) {
        terms.push_back(signTerm(expression.step->operation));
        terms.push_back(shownValue(expression.step->number));
    }
    return terms;
}

ShownTerm shownValue(Rational value)
{
    if (value.isWhole())
        return wholeTerm(std::to_string(value.numerator()));
    return {ShownTerm::Kind::Fraction, std::to_string(value.numerator()),
            std::to_string(value.denominator())};
}

std::string plainText(const std::vector<ShownTerm>& terms)
{
    std::string text;
    for (const ShownTerm& term : terms) {
        switch (term.kind) {
        case ShownTerm::Kind::Fraction:
            text += term.numerator + "/" + term.denominator;
            break;
        case ShownTerm::Kind::Whole:
            text += term.numerator;
            break;
        case ShownTerm::Kind::Sign:
            text += fractionSign(term.operation);
            break;
        case ShownTerm::Kind::OpenBracket:
            text += "(";
            break;
        case ShownTerm::Kind::CloseBracket:
            text += ")";
            break;
        }
    }
    return text;
}

} // namespace quill
