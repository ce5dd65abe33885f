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
std::string firstStep(Workspace& work, int operation, int s, int e)
{
    switch (operation) {
    case 1: {
        const LawOperands o = drawLawOperandsUntil(work, s, e, anyDraw);
        return o.a.text() + std::string(lawPlus) + o.b.text();
    }
    case 2: {
        const LawOperands o =
            drawLawOperandsUntil(work, s, e, [](const LawOperands& o) { return o.b < o.a; });
        return o.a.text() + std::string(lawMinus) + o.b.text();
    }
    case 3: {
        const LawOperands o = drawLawOperandsUntil(work, s, e, anyDraw);
        return o.a.text() + std::string(lawTimes) + o.b.text();
    }
    default: {
        const LawOperands o =
            drawLawOperandsUntil(work, s, e, [](const LawOperands& o) { return !o.a.isZero(); });
        return (o.a * o.b).text() + std::string(lawOver) + o.a.text();
    }
    }
}

// The second operation on the running value v, with a fresh C: ＋C; －C when v ≥ C; ×C; ÷C
// when the quotient ends (never by zero). A sum or difference goes into brackets before × or ÷.
std::string secondStep(Workspace& work, std::string text, bool sumFirst, int s, int e)
{
    const ExactDecimal v = expressionValue(text);
    auto bracketed = [&](std::string_view sign, const std::string& c) {
        return sumFirst ? "（" + text + "）" + std::string(sign) + c : text + std::string(sign) + c;
    };
    switch (work.random.below(4) + 1) {
    case 1:
        return text + std::string(lawPlus) + drawLawOperandsUntil(work, s, e, anyDraw).c.text();
    case 2:
        return text + std::string(lawMinus) +
               drawLawOperandsUntil(work, s, e, [&](const LawOperands& o) {
                   return v >= o.c;
               }).c.text();
    case 3:
        return bracketed(lawTimes, drawLawOperandsUntil(work, s, e, anyDraw).c.text());
    default: {
        const LawOperands o = drawLawOperandsUntil(work, s, e, [&](const LawOperands& o) {
            double a = v.toDouble(), b = o.c.toDouble();
            return !o.c.isZero() && quotientTerminates(work, a, b) == 1 && (v / o.c).isNumber();
        });
        return bracketed(lawOver, o.c.text());
    }
    }
}

} // namespace

std::string makeNoShortcutItem(Workspace& work, int s, int e)
{
    work.random.mixClock();
    const int first = work.random.below(4) + 1;
    const std::string expression = secondStep(work, firstStep(work, first, s, e), first <= 2, s, e);
    return expression + std::string(lawEquals) + expressionValue(expression).text();
}

} // namespace quill
