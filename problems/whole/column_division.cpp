#include "problems/whole/column_division.h"

#include "problems/expressions/shown_answer.h"
#include "problems/trivial_items.h"
#include "problems/whole/column_decimal_division.h"
#include "problems/whole/decimal_cells.h"
#include "problems/whole/operands.h"

#include <algorithm>

namespace quill
{

namespace
{

// A quotient worked out in columns ends, and within the four places an answer key shows.
bool fitsColumns(const ExerciseSettings& settings, double dividend, double divisor, double quotient)
{
    return quotientTerminates(settings, dividend, divisor) &&
           decimalPlaces(quotient) <= longestShownPlaces;
}

bool pairFits(const ExerciseSettings& settings, const DrawnOperands& o)
{
    if (o.second.value() == 0 || o.second.value() >= o.first.value())
        return false;
    return fitsColumns(settings, o.first.value(), o.second.value(),
                       o.first.amount() / o.second.amount());
}

OperationItem itemOf(const DrawnOperands& o)
{
    return OperationItem::of(o.first.text(), Operation::Division, o.second.text());
}

} // namespace

OperationItem divisionForColumns(Draw& draw, Range range, const OperationItem& item)
{
    const bool numbers = std::all_of(item.terms.begin(), item.terms.end(),
                                     [](const WrittenNumber& t) { return t.amount.isNumber(); });
    if (item.operation != Operation::Division || item.terms.size() < 2 || !numbers ||
        fitsColumns(draw.settings, item.terms[0].amount.toDouble(), item.terms[1].amount.toDouble(),
                    item.terms[0].amount.toDouble() / item.terms[1].amount.toDouble()))
        return item;
    TrivialRefusals trivial(draw.settings);
    const auto kept = [&](const DrawnOperands& o) {
        return pairFits(draw.settings, o) && !trivial.refuses([&] {
            return isTrivialItem(itemOf(o), draw.settings, ExerciseKind::Vertical);
        });
    };
    if (const std::optional<DecimalCells> cells = decimalCellsOf(draw.settings, range)) {
        const std::optional<DrawnOperands> built =
            buildColumnDecimalDivision(draw, *cells, [&](const DrawnOperands& o) {
                return !capHolds(draw.settings, o, range.end) && kept(o);
            });
        return built ? itemOf(*built) : item;
    }
    std::optional<DrawnOperands> drawn;
    while (!draw.stop.stopRequested()) {
        drawn = drawOperands(draw, range);
        if (kept(*drawn))
            break;
    }
    if (!drawn)
        return item;
    return itemOf(*drawn);
}

} // namespace quill
