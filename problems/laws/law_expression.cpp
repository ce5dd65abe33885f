#include "problems/laws/law_expression.h"

#include "problems/laws/law_operands.h"

namespace quill
{

namespace
{

constexpr std::string_view openBracket = "（";
constexpr std::string_view closeBracket = "）";

class ExpressionReader
{
public:
    explicit ExpressionReader(std::string_view text) : rest_(text) {}

    ExactDecimal whole()
    {
        const ExactDecimal value = sum();
        return rest_.empty() ? value : ExactDecimal::none();
    }

private:
    bool take(std::string_view sign)
    {
        if (!rest_.starts_with(sign))
            return false;
        rest_.remove_prefix(sign.size());
        return true;
    }

    ExactDecimal sum()
    {
        ExactDecimal value = product();
        for (;;) {
            if (take(lawPlus))
                value = value + product();
            else if (take(lawMinus))
                value = value - product();
            else
                return value;
        }
    }

    ExactDecimal product()
    {
        ExactDecimal value = factor();
        for (;;) {
            if (take(lawTimes))
                value = value * factor();
            else if (take(lawOver))
                value = value / factor();
            else
                return value;
        }
    }

    ExactDecimal factor()
    {
        if (take(openBracket)) {
            const ExactDecimal value = sum();
            return take(closeBracket) ? value : ExactDecimal::none();
        }
        // A number runs to the next sign; its exponent may carry an ASCII sign (1E-05).
        size_t end = 0;
        while (end < rest_.size() && static_cast<unsigned char>(rest_[end]) < 0x80)
            ++end;
        const ExactDecimal value = ExactDecimal::parse(rest_.substr(0, end));
        rest_.remove_prefix(end);
        return value;
    }

    std::string_view rest_;
};

} // namespace

std::string writtenExpression(std::string_view pattern, const LawOperands& o)
{
    std::string text;
    for (const char c : pattern) {
        switch (c) {
        case 'A':
            text += o.a.text();
            break;
        case 'B':
            text += o.b.text();
            break;
        case 'C':
            text += o.c.text();
            break;
        case 'P':
            text += (o.a * o.b * o.c).text();
            break;
        case 'Q':
            text += (o.a / o.b * o.c).text();
            break;
        default:
            text += c;
        }
    }
    return text;
}

ExactDecimal expressionValue(std::string_view expression)
{
    return ExpressionReader(expression).whole();
}

} // namespace quill
