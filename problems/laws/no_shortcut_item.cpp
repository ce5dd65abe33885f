#include "problems/laws/law_expression.h"
#include "problems/laws/law_items.h"
#include "problems/laws/law_operands.h"
#include "problems/whole/operands.h"

namespace quill
{

namespace
{

bool anyDraw(const LawOperands&)
{
    return true;
}

// The first operation, 1 to 4: A＋B, A－B with B < A, A×B, or P÷A with P = A × B. A zero A
// would divide by zero and is drawn again.
std::string firstStep(Draw& draw, int operation, Range range)
{
    switch (operation) {
    case 1: {
        const LawOperands o = drawLawOperandsUntil(draw, range, anyDraw);
        return o.a.text() + std::string(lawPlus) + o.b.text();
    }
    case 2: {
        const LawOperands o =
            drawLawOperandsUntil(draw, range, [](const LawOperands& o) { return o.b < o.a; });
        return o.a.text() + std::string(lawMinus) + o.b.text();
    }
    case 3: {
        const LawOperands o = drawLawOperandsUntil(draw, range, anyDraw);
        return o.a.text() + std::string(lawTimes) + o.b.text();
    }
    default: {
        const LawOperands o =
            drawLawOperandsUntil(draw, range, [](const LawOperands& o) { return !o.a.isZero(); });
        return (o.a * o.b).text() + std::string(lawOver) + o.a.text();
    }
    }
}

// The second operation on the running value v, with a fresh C: ＋C; －C when v ≥ C; ×C; ÷C
// when the quotient ends (never by zero). A sum or difference goes into brackets before × or ÷.
std::string secondStep(Draw& draw, std::string text, bool sumFirst, Range range)
{
    const ExactDecimal v = expressionValue(text);
    auto bracketed = [&](std::string_view sign, const std::string& c) {
        return sumFirst ? "（" + text + "）" + std::string(sign) + c : text + std::string(sign) + c;
    };
    switch (draw.random.below(4) + 1) {
    case 1:
        return text + std::string(lawPlus) + drawLawOperandsUntil(draw, range, anyDraw).c.text();
    case 2:
        return text + std::string(lawMinus) +
               drawLawOperandsUntil(draw, range, [&](const LawOperands& o) {
                   return v >= o.c;
               }).c.text();
    case 3:
        return bracketed(lawTimes, drawLawOperandsUntil(draw, range, anyDraw).c.text());
    default: {
        const LawOperands o = drawLawOperandsUntil(draw, range, [&](const LawOperands& o) {
            double a = v.toDouble(), b = o.c.toDouble();
            return !o.c.isZero() && quotientTerminates(draw.settings, a, b) && (v / o.c).isNumber();
        });
        return bracketed(lawOver, o.c.text());
    }
    }
}

} // namespace

LawItem makeNoShortcutItem(Draw& draw, Range range)
{
    draw.random.mixClock();
    const int first = draw.random.below(4) + 1;
    const std::string expression =
        secondStep(draw, firstStep(draw, first, range), first <= 2, range);
    return {expression, ItemValue::exact(expressionValue(expression))};
}

} // namespace quill
