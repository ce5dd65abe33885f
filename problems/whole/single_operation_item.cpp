#include "problems/whole/single_operation_item.h"

#include "problems/whole/closeness.h"
#include "problems/whole/operands.h"
#include "problems/whole/zero_patterns.h"

namespace quill
{

namespace
{

enum class ZeroPattern { None, MiddleZero, EndZero, WholeTens };

// Only one pattern applies per item, in the order 中间有零, 末尾有零, 整十百千.
ZeroPattern applyingPattern(const ExerciseSettings& settings, const GradeBlock& block, int end)
{
    if (!block.zeroPatterns)
        return ZeroPattern::None;
    if (settings.zeroInMiddle.checked && end > block.middleZeroAbove)
        return ZeroPattern::MiddleZero;
    if (settings.zeroAtEnd.checked)
        return ZeroPattern::EndZero;
    if (settings.wholeTens.checked)
        return ZeroPattern::WholeTens;
    return ZeroPattern::None;
}

bool patternHolds(ZeroPattern pattern, const DrawnOperands& operands, ResultValue result)
{
    switch (pattern) {
    case ZeroPattern::None:
        return true;
    case ZeroPattern::MiddleZero:
        return eitherHasZeroInTheMiddle(operands);
    case ZeroPattern::EndZero:
        return eitherEndsInZero(operands);
    case ZeroPattern::WholeTens: {
        const std::optional<double> value = resultValue(result, pairOf(operands));
        return value && isWholeTens(*value);
    }
    }
    return true;
}

// One draw, or with a zero pattern as many as it takes to meet it.
void drawWithPattern(Draw& draw, Range range, const GradeBlock& block, DrawnOperands& operands)
{
    const ZeroPattern pattern = applyingPattern(draw.settings, block, range.end);
    if (pattern == ZeroPattern::None) {
        operands = drawOperands(draw, range, block.percentMarks);
        return;
    }
    do {
        if (draw.stop.stopRequested())
            return;
        operands = drawOperands(draw, range, block.percentMarks);
    } while (!patternHolds(pattern, operands, block.wholeTensOf));
}

bool blockRejects(const ExerciseSettings& settings, const GradeBlock& block,
                  const OperandPair& pair, int end)
{
    return block.drawAgain(settings, pair, end) ||
           (block.columnsObey && !block.columnsObey(settings, pair));
}

void drawUntilAccepted(Draw& draw, Range range, const GradeBlock& block, DrawnOperands& operands)
{
    do {
        if (draw.stop.stopRequested())
            return;
        drawWithPattern(draw, range, block, operands);
    } while (!draw.stop.stopRequested() &&
             blockRejects(draw.settings, block, pairOf(operands), range.end));
}

} // namespace

bool pairKept(const ExerciseSettings& settings, Range range, const GradeBlock& block,
              const DrawnOperands& operands)
{
    const OperandPair pair = pairOf(operands);
    return patternHolds(applyingPattern(settings, block, range.end), operands, block.wholeTensOf) &&
           !blockRejects(settings, block, pair, range.end) &&
           isCloseEnough(pair, range.start, range.end, settings.closeness);
}

OperationItem makeSingleOperationItem(Draw& draw, Range range, GradeBlockPicker pickBlock,
                                      Operation operation)
{
    DrawnOperands operands;
    for (;;) {
        draw.random.mixClock();
        const GradeBlock block = pickBlock(draw.settings);
        drawUntilAccepted(draw, range, block, operands);
        // A stopped run keeps whatever pair it holds: it is about to discard the list.
        if (draw.stop.stopRequested() ||
            isCloseEnough(pairOf(operands), range.start, range.end, draw.settings.closeness))
            break;
    }
    return OperationItem::of(operands.first.text(), operation, operands.second.text());
}

} // namespace quill
