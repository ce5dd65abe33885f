#include "problems/whole/exact_decimal_division.h"

#include "problems/whole/operands.h"

#include <algorithm>
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

// From 100 up an operand keeps only its last places + 2 digits (1234.56 gives 34.56), so the
// cells c, c + 10^(places + 2), c + 2·10^(places + 2), … all give the same operand.
long long cycle(const Cells& cells)
{
    return powersOfTen[cells.places + 2];
}

// The operands' digits lie below this, whatever the range.
long long largestDigits(const Cells& cells)
{
    return std::min(cells.last, cycle(cells) - 1);
}

// How many cells of the range repeat the digits `digits` (at most cellsPerOperand).
long long cellsRepeating(const Cells& cells, long long digits)
{
    const long long first = std::max(0LL, (cells.first - digits + cycle(cells) - 1) / cycle(cells));
    const long long last = (cells.last - digits) / cycle(cells);
    return digits > cells.last ? 0 : std::max(0LL, last - first + 1);
}

long long cellsPerOperand(const Cells& cells)
{
    return cells.last / cycle(cells) + 1;
}

// The operand of one of the cells repeating `digits`, picked at random, if that cell gives
// exactly those digits (a few single-precision positions round to a neighbour): picking one
// and keeping it only when it gives them weighs the digits by the cells that do.
bool madeFromCell(Draw& draw, const Cells& cells, long long digits, long long repeats,
                  Operand& operand)
{
    const long long firstRepeat =
        std::max(0LL, (cells.first - digits + cycle(cells) - 1) / cycle(cells));
    const long long repeat =
        firstRepeat +
        (repeats == 1 ? 0 : static_cast<long long>(draw.random.below(static_cast<int>(repeats))));
    setDecimalOperand(operand, cellPosition(digits + repeat * cycle(cells), cells.places),
                      cells.places);
    // Rounded: 0.29 × 100 is 28.999999999999996 in doubles.
    return std::llround(operand.value() * static_cast<double>(powersOfTen[cells.places])) == digits;
}

// A uniform double in [0, 1) from two single-precision draws.
double fineUniform(RandomSource& random)
{
    return static_cast<double>(random.next()) + static_cast<double>(random.next()) * 0x1.0p-24;
}

// One proposal: divisor digits b with chance ln(1 + 1/b) / ln(bMax + 1), then a multiple of b
// up to the largest digits, uniformly. Accepted with a chance proportional to the pair's weight
// (how many cells give each operand) over that proposal chance, so every kept pair is as likely
// as its cells make it.
bool propose(Draw& draw, const Cells& cells, DrawnOperands& operands)
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
    const double mostRepeats = static_cast<double>(cellsPerOperand(cells));
    const double bound = mostRepeats * mostRepeats * (2.0 * static_cast<double>(top) + 2.0);
    if (fineUniform(draw.random) * bound >=
        static_cast<double>(firstRepeats * secondRepeats) * ratio)
        return false;
    return madeFromCell(draw, cells, q * b, firstRepeats, operands.first) &&
           madeFromCell(draw, cells, b, secondRepeats, operands.second);
}

} // namespace

bool buildsExactDecimalDivision(const ExerciseSettings& settings, Range range)
{
    const int places = settings.operandPlaces.index;
    // Single-precision positions tell the cells apart up to 2^24 of them.
    return settings.decimals.checked && places >= 1 && places <= 4 && range.start >= 0 &&
           range.start <= range.end && (range.end + 1LL) * powersOfTen[places] <= (1LL << 24);
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
