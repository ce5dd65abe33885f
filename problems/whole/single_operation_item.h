#pragma once

// The drawing loop every single-operation generator shares: draw pairs until the grade
// rule accepts one, honour at most one zero pattern, then test how close the pair lies.

#include "problems/draw.h"
#include "problems/whole/operand_pair.h"
#include "problems/whole/operands.h"
#include "problems/whole/operation_item.h"

namespace quill
{

// What a generator asks of a pair in one grade block.
struct GradeBlock {
    // True while the pair must be drawn again; `end` is the range end.
    bool (*drawAgain)(const ExerciseSettings& settings, const OperandPair& pair, int end) = nullptr;
    // The result the whole-tens pattern (整十百千) looks at.
    ResultValue wholeTensOf = ResultValue::Sum;
    // 中间有零 applies only to ranges ending above this.
    int middleZeroAbove = 100;
    // Some blocks draw once per round whatever zero pattern is ticked.
    bool zeroPatterns = true;
    // Under 百分数, which of the pair are percents.
    PercentMarks percentMarks = PercentMarks::OneOrBoth;
    // What the carry or borrow setting asks of the pair; none where it has no say.
    bool (*columnsObey)(const ExerciseSettings& settings, const OperandPair& pair) = nullptr;
};

// The block for the current settings (grade index, oral and estimation options).
using GradeBlockPicker = GradeBlock (*)(const ExerciseSettings& settings);

// Draw until the block picked by `pickBlock` accepts a pair that passes the closeness test,
// and return the item of the pair ("37＋48"). Once a stop is asked for it returns promptly
// with the pair it holds, which the stopped run discards.
// Whether the loop below keeps a drawn pair: its zero pattern, the block's rule, the
// columns' rule and the closeness test all hold.
bool pairKept(const ExerciseSettings& settings, Range range, const GradeBlock& block,
              const DrawnOperands& operands);

OperationItem makeSingleOperationItem(Draw& draw, Range range, GradeBlockPicker pickBlock,
                                      Operation operation);

} // namespace quill
