#include "problems/whole/decimal_cells.h"

#include "problems/whole/operands.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// Cells this far apart give the same operand from 100 up.
long long cycle(const DecimalCells& cells)
{
    return powersOfTen[cells.places + 2];
}

// The first of the cells repeating `digits` is `digits` + this many cycles.
long long firstRepeat(const DecimalCells& cells, long long digits)
{
    return std::max(0LL, (cells.first - digits + cycle(cells) - 1) / cycle(cells));
}

} // namespace

std::optional<DecimalCells> decimalCellsOf(const ExerciseSettings& settings, Range range)
{
    const int places = settings.operandPlaces.index;
    if (!settings.decimals.checked || settings.percentages.checked || places < 1 || places > 4 ||
        range.start < 0 || range.start > range.end)
        return std::nullopt;
    const long long scale = powersOfTen[places];
    // Past 2^24 cells single precision no longer tells every cell apart: a draw reaches only
    // some of them, and a built operand is kept only when its cell's position gives its digits,
    // which leaves out much the same cells.
    const long long cells = (range.end + 1LL) * scale;
    if (cells > std::numeric_limits<int>::max())
        return std::nullopt;
    return DecimalCells{range.start * scale, cells - 1, places};
}

long long largestDigits(const DecimalCells& cells)
{
    return std::min(cells.last, cycle(cells) - 1);
}

long long cellsRepeating(const DecimalCells& cells, long long digits)
{
    if (digits > cells.last)
        return 0;
    const long long last = (cells.last - digits) / cycle(cells);
    return std::max(0LL, last - firstRepeat(cells, digits) + 1);
}

long long mostCellsPerOperand(const DecimalCells& cells)
{
    return cells.last / cycle(cells) + 1;
}

bool madeFromCell(Draw& draw, const DecimalCells& cells, long long digits, long long repeats,
                  Operand& operand)
{
    const long long picked =
        repeats == 1 ? 0 : static_cast<long long>(draw.random.below(static_cast<int>(repeats)));
    const long long cell = digits + (firstRepeat(cells, digits) + picked) * cycle(cells);
    setDecimalOperand(operand, cellPosition(cell, cells.places), cells.places);
    // Rounded: 0.29 × 100 is 28.999999999999996 in doubles.
    return std::llround(operand.value() * static_cast<double>(powersOfTen[cells.places])) == digits;
}

double fineUniform(RandomSource& random)
{
    return static_cast<double>(random.next()) + static_cast<double>(random.next()) * 0x1.0p-24;
}

} // namespace quill
