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
using W = Workspace&;

bool passes(W work, const ExactDecimal& key)
{
    return keyValuePasses(work.settings, key);
}

// 乘除混合 of A×B÷C asks its easy key value only up to 1000.
bool passesBelowTenThousand(W work, const ExactDecimal& key)
{
    return keyValuePasses(work.settings, key, 1000);
}

// The quotient test of the division items, on copies: with 整数 the quotient must be whole.
bool terminates(W work, const ExactDecimal& x, const ExactDecimal& y)
{
    double a = x.toDouble(), b = y.toDouble();
    return quotientTerminates(work, a, b) == 1;
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

std::string makeShapedLawItem(Workspace& work, LawShapes shapes, int s, int e)
{
    work.random.mixClock();
    std::vector<const LawShape*> open;
    for (const LawShape& shape : shapes)
        if (std::ranges::find(work.lawShapesLeftOut, &shape) == work.lawShapesLeftOut.end())
            open.push_back(&shape);
    if (open.empty())
        return {};
    const LawShape& shape =
        *open[open.size() == 1 ? 0 : work.random.below(static_cast<int>(open.size()))];
    std::string expression;
    ExactDecimal answer;
    drawLawOperandsUntil(work, s, e, [&](const LawOperands& o) {
        if (!shape.kept(work, o))
            return false;
        expression = writtenExpression(shape.pattern, o);
        answer = expressionValue(expression);
        return answer.isNumber();
    });
    return expression + std::string(lawEquals) + answer.text();
}

} // namespace quill

namespace quill
{

std::vector<bool> lawShapesMeetable(const ExerciseSettings& settings,
                                    const std::vector<const LawShape*>& shapes, int s, int e)
{
    constexpr std::uint64_t probeSeed = 20231;
    Workspace probe;
    probe.settings = settings;
    probe.random.seed(probeSeed);
    std::vector<int> hits(shapes.size(), 0);
    std::size_t unmet = shapes.size();
    for (int draw = 0; draw < lawShapeProbeDraws && unmet > 0; ++draw) {
        const LawOperands operands = drawLawOperands(probe, s, e);
        for (std::size_t k = 0; k < shapes.size(); ++k)
            if (hits[k] < lawShapeProbeHits && shapes[k]->kept(probe, operands) &&
                ++hits[k] == lawShapeProbeHits)
                --unmet;
    }
    std::vector<bool> meetable;
    for (const int count : hits)
        meetable.push_back(count >= lawShapeProbeHits);
    return meetable;
}

} // namespace quill
