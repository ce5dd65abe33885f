#include "problems/expressions/equations.h"

#include "base/number_text.h"
#include "problems/expressions/item_extension.h"
#include "problems/expressions/shown_answer.h"
#include "problems/whole/operands.h"
#include "problems/workspace.h"

#include <array>

namespace quill
{

namespace
{

using Op = AppendedOperation;

constexpr std::string_view unknown = "X";
constexpr std::string_view blank = "______";

struct Cut {
    std::string_view before;
    Op operation = Op::None;
    std::string_view after;
};

// Cut the item at the first of "＋", "－", "×", "÷" it contains (tested in that order).
Cut cutAtOperator(std::string_view item)
{
    for (const Op operation : {Op::Addition, Op::Subtraction, Op::Multiplication, Op::Division}) {
        const std::string_view sign = operationSign(operation);
        const size_t at = item.find(sign);
        if (at != std::string_view::npos)
            return {item.substr(0, at), operation, item.substr(at + sign.size())};
    }
    return {};
}

// The number before the sign (w = 1) or after it (w = 2) replaced by `hole`.
std::string hide(const Cut& cut, int w, std::string_view hole)
{
    return w == 1 ? appendedText(hole, cut.operation, false, cut.after)
                  : appendedText(cut.before, cut.operation, false, hole);
}

// r is 1..19 with 能够整除 ticked, so only additions and multiplications come up then
// (unless neither is ticked); 简易方程 rules out subtractions and divisions.
Op pickOperation(const ExerciseSettings& settings, int r)
{
    const bool simple = settings.simpleEquations();
    if (r < 10 && settings.addition.checked)
        return Op::Addition;
    if (r < 20 && settings.multiplication.checked)
        return Op::Multiplication;
    if (r < 30 && settings.subtraction.checked && !simple)
        return Op::Subtraction;
    if (r < 40 && settings.division.checked && !simple)
        return Op::Division;
    return Op::None;
}

void drawExtraFor(Workspace& work, Op operation, double v, int s, int e)
{
    auto draw = [&] { drawOperands(work, s, e); };
    auto settleAt = [&](double value) {
        work.operands.extraOperand = shortestText(value);
        return true;
    };
    switch (operation) {
    case Op::Addition:
        draw();
        break;
    case Op::Multiplication:
        redrawExtra(work, draw, [](double extra) { return extra < 11; });
        break;
    case Op::Subtraction:
        // A value below the range cannot take a drawn number away: it cancels itself out.
        redrawExtra(
            work, draw, [v](double extra) { return extra < v; },
            [&] { return v < s + 1 && settleAt(v); });
        break;
    case Op::Division:
        redrawExtra(work, draw, [&work, v](double extra) {
            double a = v, b = extra;
            return extra != 0 && quotientTerminates(work, a, b) == 1;
        });
        if (v < s + 1 && v != 0)
            settleAt(v);
        break;
    case Op::None:
        break;
    }
}

// Whether exactly one X solves the equation: X must not be multiplied by 0 (0X, (X＋4)×0,
// 0×5×X) nor divide 0 (0÷X). `inner` is the item with its own unknown, or empty when the
// unknown is the appended number.
bool hasOneSolution(Op operation, double v, double extra, std::string_view inner)
{
    const bool scales = operation == Op::Multiplication || operation == Op::Division;
    if (inner.empty())
        return !(scales && v == 0);
    if (operation == Op::Multiplication && extra == 0)
        return false;
    if (inner.ends_with(unknown) && inner.find("×") == std::string_view::npos) {
        const std::string_view before = inner.substr(0, inner.size() - unknown.size());
        // The coefficient of aX, or the dividend of a÷X.
        const std::string_view sign = before.ends_with("÷") ? "÷" : "";
        const std::string_view number = before.substr(0, before.size() - sign.size());
        if (!number.empty() && !number.ends_with("＋") && !number.ends_with("－"))
            return numericValue(number) != 0;
    }
    return true;
}

} // namespace

std::string equationLeftSide(Workspace& work, std::string_view item)
{
    int w = work.random.below(2) + 1;
    const Cut cut = cutAtOperator(item);
    switch (cut.operation) {
    case Op::None:
        return {};
    case Op::Multiplication:
        return std::string(cut.before).append(unknown);
    case Op::Division:
        if (work.settings.simpleEquations())
            w = 1;
        break;
    default:
        break;
    }
    return hide(cut, w, unknown);
}

std::string fillInItem(Workspace& work, std::string_view item)
{
    const int w = work.random.below(2) + 1;
    const Cut cut = cutAtOperator(item);
    return cut.operation == Op::None ? std::string() : hide(cut, w, blank);
}

std::string buildEquations(Workspace& work, std::string_view listText, int s, int e)
{
    prepareExtension(work, listText, s, e, true);
    AnswerStore& store = work.answers;
    int attempts = 0, attemptsAt = -1;
    auto extend = [&](int k) {
        attempts = attemptsAt == k ? attempts + 1 : 0;
        attemptsAt = k;
        const int r = work.random.below(work.settings.exactDivision() ? 19 : 39) + 1;
        const int w = work.random.below(2) + 1;
        const Op operation = pickOperation(work.settings, r);
        if (operation == Op::None)
            return false;
        const std::string item = store.itemTexts[k];
        const double v = numericValue(store.exactAnswers[k]);
        drawExtraFor(work, operation, v, s, e);

        const std::string& extra = work.operands.extraOperand.text();
        const std::string inner = w == 1 ? equationLeftSide(work, item) : std::string();
        // An equation that every X (or none) solves is drawn again.
        if (!hasOneSolution(operation, v, extraValue(work), inner) && !work.run.stopRequested)
            return false;
        // The value is part of the question, so it must stay exact: an extension that would
        // run past four decimals is drawn again, as long as the item itself does not.
        const std::string value = appendedValueText(operation, store.exactAnswers[k], extra);
        if (decimalPlaces(numericValue(value)) > longestShownPlaces &&
            decimalPlaces(v) <= longestShownPlaces && attempts < 100 && !work.run.stopRequested)
            return false;
        const bool bracketed = (operation == Op::Multiplication || operation == Op::Division) &&
                               isSumOrDifference(item);
        store.fullExpressionTexts[k] = appendedText(item, operation, bracketed, extra);
        store.itemTexts[k] = w == 1 ? appendedText(inner, operation, bracketed, extra)
                                    : appendedText(item, operation, bracketed, unknown);
        store.stepAnswers[k] = value;
        return true;
    };
    auto keepEquation = [&](int k, const std::string& value) {
        work.run.equationList += " " + store.itemTexts[k] + "＝" + value;
    };
    return extendEachItem(work, store.fullExpressionTexts, extend, keepEquation);
}

} // namespace quill
