#include "problems/whole/single_operation_item.h"

#include "app/application.h"
#include "problems/whole/closeness.h"
#include "problems/whole/operands.h"
#include "problems/whole/zero_patterns.h"

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
    if (settings.Check13.checked && e > block.middleZeroAbove)
        return ZeroPattern::MiddleZero;
    if (settings.Check14.checked)
        return ZeroPattern::EndZero;
    if (settings.Check17.checked)
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
void drawWithPattern(Application& app, int s, int e, const GradeBlock& block)
{
    const ZeroPattern pattern = applyingPattern(app.settings, block, e);
    if (pattern == ZeroPattern::None) {
        drawOperands(app, s, e);
        return;
    }
    do {
        app.processEvents();
        if (app.run.qt)
            return;
        drawOperands(app, s, e);
    } while (!patternHolds(pattern, app.operands, block.wholeTensOf));
}

void drawUntilAccepted(Application& app, int s, int e, const GradeBlock& block)
{
    do {
        app.processEvents();
        if (app.run.qt)
            return;
        drawWithPattern(app, s, e, block);
    } while (!app.run.qt && block.drawAgain(app, heldPair(app.operands), e));
}

} // namespace

std::string makeSingleOperationItem(Application& app, int s, int e, GradeBlockPicker pickBlock,
                                    std::string_view sign)
{
    for (;;) {
        app.random.mixClock();
        const GradeBlock block = pickBlock(app.settings);
        drawUntilAccepted(app, s, e, block);
        // A stopped run keeps whatever pair it holds: it is about to discard the list.
        if (app.run.qt || isCloseEnough(heldPair(app.operands), s, e, app.settings.MyValue1))
            break;
    }
    std::string item = app.operands.firstOperand.text();
    item += sign;
    item += app.operands.secondOperand.text();
    return item;
}

} // namespace quill
