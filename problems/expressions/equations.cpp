#include "problems/expressions/equations.h"

#include "base/number_text.h"
#include "problems/expressions/item_answer.h"
#include "problems/expressions/item_extension.h"
#include "problems/expressions/shown_answer.h"
#include "problems/trivial_items.h"
#include "problems/whole/operands.h"

#include <array>

namespace quill
{

namespace
{

constexpr std::string_view unknown = "X";

// r is 1..19 with 能够整除 ticked, so only additions and multiplications come up then
// (unless neither is ticked); 简易方程 rules out subtractions and divisions.
std::optional<Operation> pickOperation(const ExerciseSettings& settings, int r)
{
    const bool simple = settings.simpleEquations();
    if (r < 10 && settings.addition.checked)
        return Operation::Addition;
    if (r < 20 && settings.multiplication.checked)
        return Operation::Multiplication;
    if (r < 30 && settings.subtraction.checked && !simple)
        return Operation::Subtraction;
    if (r < 40 && settings.division.checked && !simple)
        return Operation::Division;
    return std::nullopt;
}

// The number before the sign (w = 1) or after it (w = 2) replaced by `hole`.
std::string hide(const OperationItem& item, int w, std::string_view hole)
{
    const std::string_view before = w == 1 ? hole : std::string_view(item.terms[0].text);
    const std::string_view after = w == 1 ? std::string_view(item.terms[1].text) : hole;
    return appendedText(before, *item.operation, false, after);
}

void drawExtraFor(Draw& draw, Range range, Operand& extra, Operation operation, double v)
{
    auto drawOne = [&] { extra = drawOperands(draw, range).extra; };
    auto settleAt = [&](double value) {
        extra = shortestText(value);
        return true;
    };
    switch (operation) {
    case Operation::Addition:
        drawOne();
        break;
    case Operation::Multiplication:
        redrawExtra(draw, extra, drawOne, [](double e) { return e < 11; });
        break;
    case Operation::Subtraction:
        // A value below the range cannot take a drawn number away: it cancels itself out.
        redrawExtra(
            draw, extra, drawOne, [v](double e) { return e < v; },
            [&] { return v < range.start + 1 && settleAt(v); });
        break;
    case Operation::Division:
        redrawExtra(draw, extra, drawOne, [&draw, v](double e) {
            double a = v, b = e;
            return e != 0 && quotientTerminates(draw.settings, a, b);
        });
        if (v < range.start + 1 && v != 0)
            settleAt(v);
        break;
    }
}

// Whether exactly one X solves the equation: X must not be multiplied by 0 (0X, (X＋4)×0,
// 0×5×X) nor divide 0 (0÷X). `inner` is the item with its own unknown, or empty when the
// unknown is the appended number.
bool hasOneSolution(Operation operation, double v, double extra, std::string_view inner)
{
    const bool scales = operation == Operation::Multiplication || operation == Operation::Division;
    if (inner.empty())
        return !(scales && v == 0);
    if (operation == Operation::Multiplication && extra == 0)
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

std::string equationLeftSide(Draw& draw, const OperationItem& item)
{
    int w = draw.random.below(2) + 1;
    if (!item.isPair())
        return {};
    switch (*item.operation) {
    case Operation::Multiplication:
        return item.terms[0].text + std::string(unknown);
    case Operation::Division:
        if (draw.settings.simpleEquations())
            w = 1;
        break;
    default:
        break;
    }
    return hide(item, w, unknown);
}

std::vector<EquationItem> buildEquations(Draw& draw, Range range,
                                         const std::vector<OperationItem>& items)
{
    const std::optional<int> noRounding;
    std::vector<EquationItem> built;
    Operand extra;
    for (const OperationItem& item : items) {
        const std::string text = item.text();
        const ItemValue v = answerOf(item, noRounding).exact;
        TrivialRefusals trivial(draw.settings);
        int refusedAsTrivial = 0; // these do not use up the draws the places rule allows
        for (int attempts = 0;; ++attempts) {
            if (draw.stop.stopRequested())
                return built;
            const int r = draw.random.below(draw.settings.exactDivision() ? 19 : 39) + 1;
            const int w = draw.random.below(2) + 1;
            const std::optional<Operation> operation = pickOperation(draw.settings, r);
            if (!operation)
                continue;
            drawExtraFor(draw, range, extra, *operation, v.number.toDouble());
            const std::string inner = w == 1 ? equationLeftSide(draw, item) : std::string();
            // An equation that every X (or none) solves is drawn again.
            if (!hasOneSolution(*operation, v.number.toDouble(), extra.value(), inner) &&
                !draw.stop.stopRequested())
                continue;
            // The value is part of the question, so it must stay exact: an extension that
            // would run past four decimals is drawn again, as long as the item itself does not.
            const ItemValue value = appendedValue(*operation, v, extra);
            if (value.computable() && value.number.places() > longestShownPlaces &&
                v.number.places() <= longestShownPlaces && attempts - refusedAsTrivial < 100 &&
                !draw.stop.stopRequested())
                continue;
            if (trivial.refuses([&] {
                    return isTrivialStep(*operation, v.number, appendedNumber(extra), value.number);
                }) &&
                !draw.stop.stopRequested()) {
                ++refusedAsTrivial;
                continue;
            }
            const bool bracketed =
                (operation == Operation::Multiplication || operation == Operation::Division) &&
                isSumOrDifference(text);
            const std::string equation =
                w == 1 ? appendedText(inner, *operation, bracketed, extra.text())
                       : appendedText(text, *operation, bracketed, unknown);
            built.push_back({equation, appendedText(text, *operation, bracketed, extra.text()), value});
            break;
        }
    }
    return built;
}

} // namespace quill
