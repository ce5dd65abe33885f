#include "problems/laws/law_operands.h"

#include "problems/whole/operands.h"

namespace quill
{

namespace
{

ExactDecimal wholeOperand(Draw& draw, Range range)
{
    const ExactDecimal value =
        ExactDecimal::whole(draw.random.below(range.end - range.start + 1) + range.start);
    return draw.settings.percentages.checked ? value.shifted(2) : value;
}

// The decimal operand's text, tidied of leading zeros: a 0 is left with no text and no value.
ExactDecimal decimalOperand(Draw& draw, Range range)
{
    const float x = static_cast<float>(range.start) +
                    static_cast<float>(range.end - range.start + 1) * draw.random.next();
    const int places = draw.settings.operandPlaces.index;
    if (!draw.settings.percentages.checked)
        if (const std::optional<long long> digits = quickOperandDigits(x, places))
            return ExactDecimal::scaled(*digits, places);
    std::string text = decimalOperandText(x, places);
    if (draw.settings.percentages.checked)
        text = ExactDecimal::parse(text).shifted(2).text();
    return ExactDecimal::parse(tidiedOperandText(std::move(text)));
}

LawOperands drawOnce(Draw& draw, Range range)
{
    auto drawOne = draw.settings.decimals.checked ? decimalOperand : wholeOperand;
    LawOperands o;
    o.a = drawOne(draw, range);
    o.b = drawOne(draw, range);
    o.c = drawOne(draw, range);
    return o;
}

bool anyEmpty(const LawOperands& o)
{
    return !o.a.isNumber() || !o.b.isNumber() || !o.c.isNumber();
}

} // namespace

std::string tidiedOperandText(std::string text)
{
    if (text.starts_with("0000"))
        text.erase(0, 3);
    if (text.starts_with("000"))
        text.erase(0, 2);
    if (text.starts_with("00"))
        text.erase(0, 1);
    if (text.starts_with("0"))
        text.erase(0, 1);
    if (text.starts_with("."))
        text = "0" + text;
    return text;
}

LawOperands drawLawOperands(Draw& draw, Range range)
{
    LawOperands o = drawOnce(draw, range);
    while (anyEmpty(o) && !draw.stop.stopRequested())
        o = drawOnce(draw, range);
    return o;
}

bool keyValuePasses(const ExerciseSettings& settings, const ExactDecimal& value,
                    int largestEasyValue)
{
    if (!settings.easyLaws())
        return value.endsInZero();
    return value.isPowerOfTenUpTo(largestEasyValue);
}

} // namespace quill
