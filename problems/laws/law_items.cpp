#include "problems/laws/law_items.h"

#include "problems/laws/law_expression.h"
#include "problems/laws/law_operands.h"
#include "problems/whole/operands.h"

#include <algorithm>
#include <array>
#include <limits>
#include <tuple>
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

constexpr LawKey sumOf(ExactDecimal LawOperands::*first, ExactDecimal LawOperands::*second)
{
    return {KeyOperation::sum, first, second};
}
constexpr LawKey differenceOf(ExactDecimal LawOperands::*first, ExactDecimal LawOperands::*second)
{
    return {KeyOperation::difference, first, second};
}
constexpr LawKey productOf(ExactDecimal LawOperands::*first, ExactDecimal LawOperands::*second)
{
    return {KeyOperation::product, first, second};
}
constexpr LawKey quotientOf(ExactDecimal LawOperands::*first, ExactDecimal LawOperands::*second,
                            long long largest = 10000)
{
    return {KeyOperation::quotient, first, second, largest};
}

constexpr auto a = &LawOperands::a;
constexpr auto b = &LawOperands::b;
constexpr auto c = &LawOperands::c;

constexpr std::array<LawShape, 1> additionCommutativeShapes{{
    {"A＋B＋C", [](W w, O o) { return passes(w, o.a + o.c); }, {sumOf(a, c)}},
}};
constexpr std::array<LawShape, 1> additionAssociativeShapes{{
    {"A＋B＋C", [](W w, O o) { return passes(w, o.b + o.c); }, {sumOf(b, c)}},
}};
constexpr std::array<LawShape, 1> subtractionReorderShapes{{
    {"A－B－C",
     [](W w, O o) { return passes(w, o.a - o.c) && o.b + o.c <= o.a; },
     {differenceOf(a, c)}},
}};
constexpr std::array<LawShape, 1> subtractionBracketsShapes{{
    {"A－B－C", [](W w, O o) { return passes(w, o.b + o.c) && o.b + o.c < o.a; }, {sumOf(b, c)}},
}};
constexpr std::array<LawShape, 4> addSubtractMixedShapes{{
    {"A＋B－C",
     [](W w, O o) { return passes(w, o.a - o.c) && o.c < o.a + o.b && o.c < o.a; },
     {differenceOf(a, c)}},
    {"A＋B－C",
     [](W w, O o) { return passes(w, o.b - o.c) && o.c < o.a + o.b; },
     {differenceOf(b, c)}},
    {"A－B＋C",
     [](W w, O o) { return passes(w, o.a + o.c) && o.b < o.a + o.c && o.b < o.a; },
     {sumOf(a, c)}},
    {"A－B＋C",
     [](W w, O o) { return passes(w, o.b - o.c) && o.b < o.a && o.b - o.c < o.a && o.c < o.b; },
     {differenceOf(b, c)}},
}};
constexpr std::array<LawShape, 1> multiplicationCommutativeShapes{{
    {"A×B×C", [](W w, O o) { return passes(w, o.a * o.c); }, {productOf(a, c)}},
}};
constexpr std::array<LawShape, 1> multiplicationAssociativeShapes{{
    {"A×B×C", [](W w, O o) { return passes(w, o.b * o.c); }, {productOf(b, c)}},
}};
// Worked exactly, （A＋B）×C and A×C＋B×C have the same answer: the two products combined.
constexpr std::array<LawShape, 4> distributiveShapes{{
    {"（A＋B）×C",
     [](W w, O o) { return passes(w, o.a * o.c) || passes(w, o.b * o.c); },
     {productOf(a, c), productOf(b, c)},
     2},
    {"A×C＋B×C", [](W w, O o) { return passes(w, o.a + o.b); }, {sumOf(a, b)}},
    {"（A－B）×C",
     [](W w, O o) {
         return (passes(w, o.a * o.c) || passes(w, o.b * o.c)) && o.b < o.a &&
                o.b * o.c < o.a * o.c;
     },
     {productOf(a, c), productOf(b, c)},
     2},
    {"A×C－B×C", [](W w, O o) { return passes(w, o.a - o.b) && o.b < o.a; }, {differenceOf(a, b)}},
}};
constexpr std::array<LawShape, 1> divisionReorderShapes{{
    {"P÷A÷B", [](W w, O o) { return passes(w, o.a * o.c) && shortProduct(o); }, {productOf(a, c)}},
}};
constexpr std::array<LawShape, 1> divisionBracketsShapes{{
    {"P÷A÷B", [](W w, O o) { return passes(w, o.a * o.b) && shortProduct(o); }, {productOf(a, b)}},
}};
constexpr std::array<LawShape, 4> multiplyDivideMixedShapes{{
    {"A×B÷C",
     [](W w, O o) { return passesBelowTenThousand(w, o.a / o.c); },
     {quotientOf(a, c, 1000)}},
    {"A×B÷C",
     [](W w, O o) { return passesBelowTenThousand(w, o.b / o.c); },
     {quotientOf(b, c, 1000)}},
    {"A÷B×C",
     [](W w, O o) { return passes(w, o.a * o.c) && o.b < o.a && terminates(w, o.a * o.c, o.b); },
     {productOf(a, c)}},
    {"Q÷A×B",
     [](W w, O o) {
         return passes(w, o.a / o.b) && o.b < o.a && terminates(w, o.a, o.b) && shortProduct(o);
     },
     {quotientOf(a, b)}},
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

namespace
{

ExactDecimal keyValue(const LawKey& key, const LawOperands& o)
{
    const ExactDecimal &x = o.*key.first, &y = o.*key.second;
    switch (key.operation) {
    case KeyOperation::sum:
        return x + y;
    case KeyOperation::difference:
        return x - y;
    case KeyOperation::product:
        return x * y;
    case KeyOperation::quotient:
        break;
    }
    return x / y;
}

// Easy items of one form drawn from its listed key pairs: a pair picked uniformly among them,
// the other operand drawn as usual, then the form's own test on the three. Every triple the
// form keeps is as likely as under plain draws, which are uniform over the same operands.
class KeyedLawDraw
{
public:
    KeyedLawDraw(const OperandGrid& grid, const LawShape& shape) : shape_(shape)
    {
        for (int k = 0; k < shape.keyCount; ++k) {
            pairs_.emplace_back(grid, shape.keys[k]);
            total_ += pairs_.back().count();
        }
    }

    bool possible() const { return total_ > 0; }
    long long total() const { return total_; }

    std::optional<LawOperands> tryDraw(Draw& draw, Range range) const
    {
        long long index = draw.random.below(static_cast<int>(total_));
        std::size_t k = 0;
        while (index >= pairs_[k].count())
            index -= pairs_[k++].count();
        LawOperands o = drawLawOperands(draw, range);
        const LawKey& key = shape_.keys[k];
        std::tie(o.*key.first, o.*key.second) = pairs_[k].at(index);
        if (!shape_.kept(draw.settings, o))
            return std::nullopt;
        // A triple two keys make easy could be reached through either: keep it half the time.
        int easyKeys = 0;
        for (int j = 0; j < shape_.keyCount; ++j)
            easyKeys += keyValue(shape_.keys[j], o).isPowerOfTenUpTo(shape_.keys[j].largestValue);
        if (easyKeys > 1 && draw.random.below(easyKeys) != 0)
            return std::nullopt;
        return o;
    }

private:
    const LawShape& shape_;
    std::vector<KeyPairs> pairs_;
    long long total_ = 0;
};

// The keyed draw of a form, where listing its key pairs stands for drawing: 简易简便 on a grid
// of operands the pairs cover. None at all means the form has no key pair in the range.
std::optional<KeyedLawDraw> keyedDrawOf(const ExerciseSettings& settings, Range range,
                                        const LawShape& shape)
{
    if (!settings.easyLaws())
        return std::nullopt;
    const std::optional<OperandGrid> grid = keyOperandGrid(settings, range);
    if (!grid)
        return std::nullopt;
    KeyedLawDraw keyed(*grid, shape);
    if (keyed.total() > std::numeric_limits<int>::max())
        return std::nullopt;
    return keyed;
}

} // namespace

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
    const auto makesItem = [&](const LawOperands& o) {
        item.expression = writtenExpression(shape.pattern, o);
        item.answer = ItemValue::exact(expressionValue(item.expression));
        return item.answer->computable();
    };
    if (const std::optional<KeyedLawDraw> keyed = keyedDrawOf(draw.settings, range, shape);
        keyed && keyed->possible()) {
        while (!draw.stop.stopRequested())
            if (const std::optional<LawOperands> o = keyed->tryDraw(draw, range);
                o && makesItem(*o))
                break;
        return item;
    }
    drawLawOperandsUntil(draw, range, [&](const LawOperands& o) {
        return shape.kept(draw.settings, o) && makesItem(o);
    });
    return item;
}

} // namespace quill

namespace quill
{

namespace
{

// A form met by keyed draws fewer than `lawShapeProbeHits` times in this many tries is rarer
// than about one plain draw in 20,000 would be: its key pairs seldom make items of it.
constexpr int keyedProbeTries = 20000;

bool keyedShapeMeetable(Draw& probe, Range range, const KeyedLawDraw& keyed)
{
    int hits = 0;
    for (int k = 0; k < keyedProbeTries && hits < lawShapeProbeHits; ++k)
        hits += keyed.tryDraw(probe, range).has_value();
    return hits >= lawShapeProbeHits;
}

} // namespace

std::vector<bool> lawShapesMeetable(const ExerciseSettings& settings,
                                    const std::vector<const LawShape*>& shapes, Range range)
{
    constexpr std::uint64_t probeSeed = 20231;
    RandomSource random(probeSeed);
    NeverStop never;
    Draw probe{settings, random, never};
    std::vector<bool> meetable(shapes.size(), false);
    std::vector<std::size_t> plain; // the forms the shared stream of plain draws probes
    for (std::size_t k = 0; k < shapes.size(); ++k) {
        if (const std::optional<KeyedLawDraw> keyed = keyedDrawOf(settings, range, *shapes[k]))
            meetable[k] = keyed->possible() && keyedShapeMeetable(probe, range, *keyed);
        else
            plain.push_back(k);
    }
    std::vector<int> hits(shapes.size(), 0);
    std::size_t unmet = plain.size();
    for (int draw = 0; draw < lawShapeProbeDraws && unmet > 0; ++draw) {
        const LawOperands operands = drawLawOperands(probe, range);
        for (const std::size_t k : plain)
            if (hits[k] < lawShapeProbeHits && shapes[k]->kept(settings, operands) &&
                ++hits[k] == lawShapeProbeHits)
                --unmet;
    }
    for (const std::size_t k : plain)
        meetable[k] = hits[k] >= lawShapeProbeHits;
    return meetable;
}

} // namespace quill
