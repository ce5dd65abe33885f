#include "problems/laws/law_operands.h"

#include "problems/whole/operands.h"
#include "problems/workspace.h"

namespace quill
{

namespace
{

ExactDecimal wholeOperand(Workspace& work, int s, int e)
{
    const ExactDecimal value = ExactDecimal::whole(work.random.below(e - s + 1) + s);
    return work.settings.percentages.checked ? value.shifted(2) : value;
}

// The decimal operand's text, tidied of leading zeros: a 0 is left with no text and no value.
ExactDecimal decimalOperand(Workspace& work, int s, int e)
{
    const float x = static_cast<float>(s) + static_cast<float>(e - s + 1) * work.random.next();
    std::string text = decimalOperandText(x, work.settings.operandPlaces.index);
    if (work.settings.percentages.checked)
        text = ExactDecimal::parse(text).shifted(2).text();
    return ExactDecimal::parse(tidiedOperandText(std::move(text)));
}

LawOperands drawOnce(Workspace& work, int s, int e)
{
    auto draw = work.settings.decimals.checked ? decimalOperand : wholeOperand;
    LawOperands o;
    o.a = draw(work, s, e);
    o.b = draw(work, s, e);
    o.c = draw(work, s, e);
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

LawOperands drawLawOperands(Workspace& work, int s, int e)
{
    LawOperands o = drawOnce(work, s, e);
    while (anyEmpty(o) && !work.run.stopRequested) {
        work.processEvents();
        o = drawOnce(work, s, e);
    }
    return o;
}

bool keyValuePasses(const ExerciseSettings& settings, const ExactDecimal& value,
                    int largestEasyValue)
{
    if (!settings.easyLaws())
        return value.endsInZero();
    for (long long easy = 10; easy <= largestEasyValue; easy *= 10)
        if (value == ExactDecimal::whole(easy))
            return true;
    return false;
}

} // namespace quill
