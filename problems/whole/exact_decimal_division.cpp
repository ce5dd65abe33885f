#include "problems/whole/exact_decimal_division.h"

#include "problems/whole/decimal_cells.h"
#include "problems/whole/operands.h"

#include <algorithm>
#include <cmath>

namespace quill
{

namespace
{

// One proposal: divisor digits b with chance ln(1 + 1/b) / ln(bMax + 1), then a multiple of b
// up to the largest digits, uniformly. Accepted with a chance proportional to the pair's weight
// (how many cells give each operand) over that proposal chance, so every kept pair is as likely
// as its cells make it.
bool propose(Draw& draw, const DecimalCells& cells, DrawnOperands& operands)
{
    const long long top = largestDigits(cells);
    const double logSpan = std::log(static_cast<double>(top) + 1);
    const long long b = static_cast<long long>(std::exp(fineUniform(draw.random) * logSpan));
    if (b < 1 || b > top)
        return false;
    const long long multiples = top / b + 1;
    const long long q = static_cast<long long>(fineUniform(draw.random) * multiples);
    if (q >= multiples)
        return false;
    const long long firstRepeats = cellsRepeating(cells, q * b);
    const long long secondRepeats = cellsRepeating(cells, b);
    if (firstRepeats == 0 || secondRepeats == 0)
        return false;
    // multiples / ln(1 + 1/b) is at most (top + b)(b + 1)/b ≤ 2·top + 2.
    const double ratio = static_cast<double>(multiples) / std::log1p(1.0 / static_cast<double>(b));
    const double mostRepeats = static_cast<double>(mostCellsPerOperand(cells));
    const double bound = mostRepeats * mostRepeats * (2.0 * static_cast<double>(top) + 2.0);
    if (fineUniform(draw.random) * bound >=
        static_cast<double>(firstRepeats * secondRepeats) * ratio)
        return false;
    return madeFromCell(draw, cells, q * b, firstRepeats, operands.first) &&
           madeFromCell(draw, cells, b, secondRepeats, operands.second);
}

} // namespace

std::optional<OperationItem> buildExactDecimalDivision(Draw& draw, Range range,
                                                       GradeBlockPicker pickBlock)
{
    const std::optional<DecimalCells> cells = decimalCellsOf(draw.settings, range);
    if (!cells)
        return std::nullopt;
    draw.random.mixClock();
    DrawnOperands operands;
    while (!draw.stop.stopRequested()) {
        if (!propose(draw, *cells, operands))
            continue;
        if (!capHolds(draw.settings, operands, range.end) &&
            pairKept(draw.settings, range, pickBlock(draw.settings), operands))
            break;
    }
    return OperationItem::of(operands.first.text(), Operation::Division, operands.second.text());
}

} // namespace quill
