#include "problems/laws/law_items.h"

#include "problems/laws/law_expression.h"
#include "problems/laws/law_operands.h"
#include "problems/whole/operands.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quill
{

namespace
{

using O = const LawOperands&;
using W = const ExerciseSettings&;

bool passes(W settings, const ExactDecimal& key)
{
    return keyValuePasses(settings, key);
}

// 乘除混合 of A×B÷C asks its easy key value only up to 1000.
bool passesBelowTenThousand(W settings, const ExactDecimal& key)
{
    return keyValuePasses(settings, key, 1000);
}

// The quotient test of the division items, on copies: with 整数 the quotient must be whole.
bool terminates(W settings, const ExactDecimal& x, const ExactDecimal& y)
{
    double a = x.toDouble(), b = y.toDouble();
    return quotientTerminates(settings, a, b);
}

// The product of the three operands, written in at most four characters.
bool shortProduct(O o)
{
    return (o.a * o.b * o.c).text().size() <= 4;
}

constexpr std::array<LawShape, 1> additionCommutativeShapes{{
    {"A＋B＋C", [](W w, O o) { return passes(w, o.a + o.c); }},
}};
constexpr std::array<LawShape, 1> additionAssociativeShapes{{
    {"A＋B＋C", [](W w, O o) { return passes(w, o.b + o.c); }},
}};
constexpr std::array<LawShape, 1> subtractionReorderShapes{{
    {"A－B－C", [](W w, O o) { return passes(w, o.a - o.c) && o.b + o.c <= o.a; }},
}};
constexpr std::array<LawShape, 1> subtractionBracketsShapes{{
    {"A－B－C", [](W w, O o) { return passes(w, o.b + o.c) && o.b + o.c < o.a; }},
}};
constexpr std::array<LawShape, 4> addSubtractMixedShapes{{
    {"A＋B－C", [](W w, O o) { return passes(w, o.a - o.c) && o.c < o.a + o.b && o.c < o.a; }},
    {"A＋B－C", [](W w, O o) { return passes(w, o.b - o.c) && o.c < o.a + o.b; }},
    {"A－B＋C", [](W w, O o) { return passes(w, o.a + o.c) && o.b < o.a + o.c && o.b < o.a; }},
    {"A－B＋C",
     [](W w, O o) { return passes(w, o.b - o.c) && o.b < o.a && o.b - o.c < o.a && o.c < o.b; }},
}};
constexpr std::array<LawShape, 1> multiplicationCommutativeShapes{{
    {"A×B×C", [](W w, O o) { return passes(w, o.a * o.c); }},
}};
constexpr std::array<LawShape, 1> multiplicationAssociativeShapes{{
    {"A×B×C", [](W w, O o) { return passes(w, o.b * o.c); }},
}};
// Worked exactly, （A＋B）×C and A×C＋B×C have the same answer: the two products combined.
constexpr std::array<LawShape, 4> distributiveShapes{{
    {"（A＋B）×C", [](W w, O o) { return passes(w, o.a * o.c) || passes(w, o.b * o.c); }},
    {"A×C＋B×C", [](W w, O o) { return passes(w, o.a + o.b); }},
    {"（A－B）×C",
     [](W w, O o) {
         return (passes(w, o.a * o.c) || passes(w, o.b * o.c)) && o.b < o.a &&
                o.b * o.c < o.a * o.c;
     }},
    {"A×C－B×C", [](W w, O o) { return passes(w, o.a - o.b) && o.b < o.a; }},
}};
constexpr std::array<LawShape, 1> divisionReorderShapes{{
    {"P÷A÷B", [](W w, O o) { return passes(w, o.a * o.c) && shortProduct(o); }},
}};
constexpr std::array<LawShape, 1> divisionBracketsShapes{{
    {"P÷A÷B", [](W w, O o) { return passes(w, o.a * o.b) && shortProduct(o); }},
}};
constexpr std::array<LawShape, 4> multiplyDivideMixedShapes{{
    {"A×B÷C", [](W w, O o) { return passesBelowTenThousand(w, o.a / o.c); }},
    {"A×B÷C", [](W w, O o) { return passesBelowTenThousand(w, o.b / o.c); }},
    {"A÷B×C",
     [](W w, O o) { return passes(w, o.a * o.c) && o.b < o.a && terminates(w, o.a * o.c, o.b); }},
    {"Q÷A×B",
     [](W w, O o) {
         return passes(w, o.a / o.b) && o.b < o.a && terminates(w, o.a, o.b) && shortProduct(o);
     }},
}};

} // namespace

const LawShapes additionCommutative = additionCommutativeShapes;
const LawShapes additionAssociative = additionAssociativeShapes;
const LawShapes subtractionReorder = subtractionReorderShapes;
const LawShapes subtractionBrackets = subtractionBracketsShapes;
const LawShapes addSubtractMixed = addSubtractMixedShapes;
const LawShapes multiplicationCommutative = multiplicationCommutativeShapes;
const LawShapes multiplicationAssociative = multiplicationAssociativeShapes;
const LawShapes distributive = distributiveShapes;
const LawShapes divisionReorder = divisionReorderShapes;
const LawShapes divisionBrackets = divisionBracketsShapes;
const LawShapes multiplyDivideMixed = multiplyDivideMixedShapes;

LawItem makeShapedLawItem(Draw& draw, Range range, LawShapes shapes,
                          const std::vector<const LawShape*>& leftOut)
{
    draw.random.mixClock();
    std::vector<const LawShape*> open;
    for (const LawShape& shape : shapes)
        if (std::ranges::find(leftOut, &shape) == leftOut.end())
            open.push_back(&shape);
    if (open.empty())
        return {};
    const LawShape& shape =
        *open[open.size() == 1 ? 0 : draw.random.below(static_cast<int>(open.size()))];
    LawItem item;
    drawLawOperandsUntil(draw, range, [&](const LawOperands& o) {
        if (!shape.kept(draw.settings, o))
            return false;
        item.expression = writtenExpression(shape.pattern, o);
        item.answer = ItemValue::exact(expressionValue(item.expression));
        return item.answer->computable();
    });
    return item;
}

} // namespace quill

namespace quill
{

std::vector<bool> lawShapesMeetable(const ExerciseSettings& settings,
                                    const std::vector<const LawShape*>& shapes, Range range)
{
    constexpr std::uint64_t probeSeed = 20231;
    RandomSource random(probeSeed);
    NeverStop never;
    Draw probe{settings, random, never};
    std::vector<int> hits(shapes.size(), 0);
    std::size_t unmet = shapes.size();
    for (int draw = 0; draw < lawShapeProbeDraws && unmet > 0; ++draw) {
        const LawOperands operands = drawLawOperands(probe, range);
        for (std::size_t k = 0; k < shapes.size(); ++k)
            if (hits[k] < lawShapeProbeHits && shapes[k]->kept(settings, operands) &&
                ++hits[k] == lawShapeProbeHits)
                --unmet;
    }
    std::vector<bool> meetable;
    for (const int count : hits)
        meetable.push_back(count >= lawShapeProbeHits);
    return meetable;
}

} // namespace quill
