#include "problems/whole/single_operation_item.h"

#include "problems/whole/closeness.h"
#include "problems/whole/operands.h"
#include "problems/whole/zero_patterns.h"
#include "problems/workspace.h"

namespace quill
{

namespace
{

enum class ZeroPattern { None, MiddleZero, EndZero, WholeTens };

// Only one pattern applies per item, in the order 中间有零, 末尾有零, 整十百千.
ZeroPattern applyingPattern(const ExerciseSettings& settings, const GradeBlock& block, int e)
{
    if (!block.zeroPatterns)
        return ZeroPattern::None;
    if (settings.zeroInMiddle.checked && e > block.middleZeroAbove)
        return ZeroPattern::MiddleZero;
    if (settings.zeroAtEnd.checked)
        return ZeroPattern::EndZero;
    if (settings.wholeTens.checked)
        return ZeroPattern::WholeTens;
    return ZeroPattern::None;
}

bool patternHolds(ZeroPattern pattern, const OperandRegisters& registers, ResultValue result)
{
    switch (pattern) {
    case ZeroPattern::None:
        return true;
    case ZeroPattern::MiddleZero:
        return eitherHasZeroInTheMiddle(registers);
    case ZeroPattern::EndZero:
        return eitherEndsInZero(registers);
    case ZeroPattern::WholeTens: {
        const std::optional<double> value = resultValue(result, heldPair(registers));
        return value && isWholeTens(*value);
    }
    }
    return true;
}

// One draw, or with a zero pattern as many as it takes to meet it.
void drawWithPattern(Workspace& work, int s, int e, const GradeBlock& block)
{
    const ZeroPattern pattern = applyingPattern(work.settings, block, e);
    if (pattern == ZeroPattern::None) {
        drawOperands(work, s, e);
        return;
    }
    do {
        work.processEvents();
        if (work.run.stopRequested)
            return;
        drawOperands(work, s, e);
    } while (!patternHolds(pattern, work.operands, block.wholeTensOf));
}

void drawUntilAccepted(Workspace& work, int s, int e, const GradeBlock& block)
{
    do {
        work.processEvents();
        if (work.run.stopRequested)
            return;
        drawWithPattern(work, s, e, block);
    } while (!work.run.stopRequested && block.drawAgain(work, heldPair(work.operands), e));
}

} // namespace

std::string makeSingleOperationItem(Workspace& work, int s, int e, GradeBlockPicker pickBlock,
                                    std::string_view sign)
{
    for (;;) {
        work.random.mixClock();
        const GradeBlock block = pickBlock(work.settings);
        drawUntilAccepted(work, s, e, block);
        // A stopped run keeps whatever pair it holds: it is about to discard the list.
        if (work.run.stopRequested ||
            isCloseEnough(heldPair(work.operands), s, e, work.settings.closeness))
            break;
    }
    std::string item = work.operands.firstOperand.text();
    item += sign;
    item += work.operands.secondOperand.text();
    return item;
}

} // namespace quill
