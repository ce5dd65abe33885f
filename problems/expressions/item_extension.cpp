#include "problems/expressions/item_extension.h"

#include "base/number_text.h"

namespace quill
{

bool isSumOrDifference(std::string_view text)
{
    static constexpr std::string_view signs[] = {"＋", "－", "×", "÷"};
    int depth = 0;
    std::string_view last;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            --depth;
        else if (depth == 0)
            for (const std::string_view sign : signs)
                if (text.substr(i, sign.size()) == sign)
                    last = sign;
    }
    return last == signs[0] || last == signs[1];
}

std::string appendedText(std::string_view left, Operation operation, bool bracketed,
                         std::string_view right)
{
    std::string text;
    if (bracketed)
        text.append("(").append(left).append(")");
    else
        text.append(left);
    return text.append(signOf(operation)).append(right);
}

ExactDecimal appendedNumber(const Operand& extra)
{
    // Builders never see percentages.
    std::string_view text = extra.text();
    if (text.ends_with('%'))
        text.remove_suffix(1);
    return ExactDecimal::parse(text);
}

ItemValue appendedValue(Operation operation, const ItemValue& value, const Operand& extra)
{
    const ExactDecimal e = appendedNumber(extra);
    const ExactDecimal& v = value.number;
    switch (operation) {
    case Operation::Addition:
        return ItemValue::exact(v + e);
    case Operation::Subtraction:
        return ItemValue::exact(v - e);
    case Operation::Multiplication:
        return ItemValue::exact(v * e);
    case Operation::Division:
        return ItemValue::quotient(v, e);
    }
    return {};
}

void redrawExtra(Draw& draw, Operand& extra, const std::function<void()>& drawOne,
                 const std::function<bool(double)>& fits, const std::function<bool()>& settle)
{
    while (true) {
        if (draw.stop.stopRequested())
            return;
        if (settle && settle())
            return;
        drawOne();
        if (fits(extra.value()))
            return;
    }
}

} // namespace quill
