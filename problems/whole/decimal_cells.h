#pragma once

// The decimal operands a range gives, as the draw sees them: a position drawn uniformly in
// [start, end + 1) falls in one cell of width 10^-places, and the cell's digits are the
// operand. From 100 up an operand keeps only its last places + 2 digits, so several cells give
// the same operand. Built divisions weigh each pair by the cells giving it, as a redraw would.

#include "problems/draw.h"
#include "problems/whole/operand.h"

#include <optional>

namespace quill
{

struct DecimalCells {
    long long first; // the range's first cell
    long long last;  // its last
    int places;
};

// The cells of decimal operands at 1 to 4 places over a range from 0 up; nothing for other
// settings (百分数 among them).
std::optional<DecimalCells> decimalCellsOf(const ExerciseSettings& settings, Range range);

// The operands' digits lie below this, whatever the range.
long long largestDigits(const DecimalCells& cells);

// How many cells of the range give the digits `digits` (at most mostCellsPerOperand).
long long cellsRepeating(const DecimalCells& cells, long long digits);
long long mostCellsPerOperand(const DecimalCells& cells);

// The operand of one of the `repeats` cells repeating `digits`, picked at random, if that cell
// gives exactly those digits (a few single-precision positions round to a neighbour): picking
// one and keeping it only when it gives them weighs the digits by the cells that do.
bool madeFromCell(Draw& draw, const DecimalCells& cells, long long digits, long long repeats,
                  Operand& operand);

// A uniform double in [0, 1) from two single-precision draws.
double fineUniform(RandomSource& random);

} // namespace quill
