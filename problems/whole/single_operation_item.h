#pragma once

// The drawing loop every single-operation generator shares: draw pairs until the grade
// rule accepts one, honour at most one zero pattern, then test how close the pair lies.

#include "problems/whole/operand_pair.h"

#include <string>
#include <string_view>

namespace quill
{

struct Workspace;
struct ExerciseSettings;

// What a generator asks of a pair in one grade block.
struct GradeBlock {
    // True while the pair must be drawn again; e is the range end.
    bool (*drawAgain)(Workspace& work, const OperandPair& pair, int e) = nullptr;
    // The result the whole-tens pattern (整十百千) looks at.
    ResultValue wholeTensOf = ResultValue::Sum;
    // 中间有零 applies only to ranges ending above this.
    int middleZeroAbove = 100;
    // Some blocks draw once per round whatever zero pattern is ticked.
    bool zeroPatterns = true;
};

// The block for the current settings (grade index, oral and estimation options).
using GradeBlockPicker = GradeBlock (*)(const ExerciseSettings& settings);

// Draw into the operand registers until the block picked by `pickBlock` accepts a pair that
// passes the closeness test, and return first, sign, second ("37＋48"). Once the stop flag
// is set it returns promptly with the pair it holds.
std::string makeSingleOperationItem(Workspace& work, int s, int e, GradeBlockPicker pickBlock,
                                    std::string_view sign);

} // namespace quill
