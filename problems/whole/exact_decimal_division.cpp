#include "problems/whole/exact_decimal_division.h"

#include "problems/whole/operands.h"

#include <cmath>

namespace quill
{

namespace
{

constexpr long long powersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};

// A position inside cell c (c·10^-places up to the next cell), away from its edges.
float cellPosition(long long cell, int places)
{
    return static_cast<float>((static_cast<double>(cell) + 0.5) /
                              static_cast<double>(powersOfTen[places]));
}

struct Cells {
    long long first; // the range's first cell
    long long last;  // its last
    int places;
};

Cells cellsOf(Range range, int places)
{
    const long long scale = powersOfTen[places];
    return {range.start * scale, (range.end + 1LL) * scale - 1, places};
}

// How many cells of the range give the operand `digits`·10^-places: its own cell, and from
// 100 up the cell whose text loses its leading digit (100.1234 gives 0.1234).
int cellsGiving(const Cells& cells, long long digits, Operand& operand)
{
    int count = 0;
    for (const long long cell : {digits, digits + powersOfTen[cells.places + 2]}) {
        if (cell < cells.first || cell > cells.last)
            continue;
        Operand made;
        setDecimalOperand(made, cellPosition(cell, cells.places), cells.places);
        // Rounded: 0.29 × 100 is 28.999999999999996 in doubles.
        if (std::llround(made.value() * static_cast<double>(powersOfTen[cells.places])) ==
            digits) {
            operand = made;
            ++count;
        }
    }
    return count;
}

// A uniform double in [0, 1) from two single-precision draws.
double fineUniform(RandomSource& random)
{
    return static_cast<double>(random.next()) + static_cast<double>(random.next()) * 0x1.0p-24;
}

// One proposal: divisor digits b with chance ln(1 + 1/b) / ln(bMax + 1), then a multiple of b
// up to the last cell, uniformly. Accepted with a chance proportional to the pair's weight
// over that proposal chance, so every kept pair is as likely as its cells make it.
bool propose(Draw& draw, const Cells& cells, DrawnOperands& operands)
{
    const long long top = cells.last;
    const double logSpan = std::log(static_cast<double>(top) + 1);
    const long long b = static_cast<long long>(std::exp(fineUniform(draw.random) * logSpan));
    if (b < 1 || b > top)
        return false;
    const long long multiples = top / b + 1;
    const long long q = static_cast<long long>(fineUniform(draw.random) * multiples);
    if (q >= multiples)
        return false;
    const int weight = cellsGiving(cells, q * b, operands.first) *
                       cellsGiving(cells, b, operands.second);
    if (weight == 0)
        return false;
    // multiples / ln(1 + 1/b) is at most (top + b)(b + 1)/b ≤ 2·top + 2; weights at most 4.
    const double ratio = static_cast<double>(multiples) / std::log1p(1.0 / static_cast<double>(b));
    const double bound = 4.0 * (2.0 * static_cast<double>(top) + 2.0);
    return fineUniform(draw.random) * bound < weight * ratio;
}

} // namespace

bool buildsExactDecimalDivision(const ExerciseSettings& settings, Range range)
{
    const int places = settings.operandPlaces.index;
    return settings.decimals.checked && places >= 1 && places <= 4 && range.start >= 0 &&
           range.end <= 100 && range.start <= range.end;
}

std::optional<OperationItem> buildExactDecimalDivision(Draw& draw, Range range,
                                                       GradeBlockPicker pickBlock)
{
    if (!buildsExactDecimalDivision(draw.settings, range))
        return std::nullopt;
    const Cells cells = cellsOf(range, draw.settings.operandPlaces.index);
    draw.random.mixClock();
    DrawnOperands operands;
    while (!draw.stop.stopRequested()) {
        if (!propose(draw, cells, operands))
            continue;
        if (!capHolds(draw.settings, operands, range.end) &&
            pairKept(draw.settings, range, pickBlock(draw.settings), operands))
            break;
    }
    return OperationItem::of(operands.first.text(), Operation::Division, operands.second.text());
}

} // namespace quill
