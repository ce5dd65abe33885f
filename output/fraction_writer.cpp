#include "output/fraction_writer.h"

#include "output/worksheet_layout.h"
#include "problems/fractions/fraction_expression.h"
#include "settings/notifier.h"

#include <optional>
#include <string>
#include <vector>

namespace quill
{

namespace
{

using Kind = ShownTerm::Kind;

// The signs as the sheet shows them: a plain "+" beside the full-width "－".
std::string_view shownSign(FractionOperation operation)
{
    return operation == FractionOperation::Addition ? "+" : fractionSign(operation);
}

void typeTerm(WordProcessor& word, const ShownTerm& term)
{
    switch (term.kind) {
    case Kind::Fraction:
        word.typeFraction(term.numerator, term.denominator);
        break;
    case Kind::Whole:
        word.typeText(term.numerator);
        break;
    case Kind::OpenBracket:
        word.typeText("(");
        break;
    case Kind::CloseBracket:
        word.typeText(")");
        break;
    case Kind::Sign:
        break;
    }
}

// A sign stands between blanks, with one more before a fraction; a last fraction is
// followed by a blank, so "＝" keeps its distance from it.
void typeTerms(WordProcessor& word, const std::vector<ShownTerm>& terms)
{
    for (std::size_t k = 0; k < terms.size(); ++k) {
        const ShownTerm& term = terms[k];
        if (term.kind != Kind::Sign) {
            typeTerm(word, term);
            continue;
        }
        const bool fractionNext = k + 1 < terms.size() && terms[k + 1].kind == Kind::Fraction;
        word.typeText(" " + std::string(shownSign(term.operation)) + (fractionNext ? "  " : " "));
    }
    if (!terms.empty() && terms.back().kind == Kind::Fraction)
        word.typeText(" ");
}

struct CellForm {
    bool workRows = false;
    std::string_view equals; // "＝" on both sheets, or the plain "=" before answers only
};

CellForm cellForm(const ExerciseSettings& s)
{
    if (s.verticalOption.selected || s.stepsOption.selected)
        return {true, "="};
    return {false, "＝"};
}

// False when the item is no fraction item that can be worked out: it is then typed as it
// stands, without answer.
bool typeCell(WordProcessor& word, const SetItem& item, const CellForm& form, bool answers)
{
    const FractionExpression* fraction = std::get_if<FractionExpression>(&item);
    const std::optional<FractionExpression> asked =
        fraction ? std::optional(withoutNegativeDifference(*fraction)) : std::nullopt;
    const std::optional<Rational> value = asked ? expressionValue(*asked) : std::nullopt;
    if (!value) {
        word.typeText(itemText(item));
        return false;
    }
    typeTerms(word, shownTerms(*asked));
    if (answers || !form.workRows)
        word.typeText(form.equals);
    if (answers) {
        word.typeText(" ");
        typeTerm(word, shownValue(*value));
    }
    return true;
}

// Fills every cell until a stop; how many items it showed as they stand.
int fillCells(const WriterArguments& args, WordProcessor& word, const WorksheetGeometry& geometry)
{
    const CellForm form = cellForm(args.settings);
    int unreadable = 0;
    for (int k = 0; k < geometry.items; ++k) {
        if (args.stop.stopRequested())
            break;
        word.selectCell(geometry.row(k), geometry.column(k));
        if (!typeCell(word, args.set[k], form, args.answers))
            ++unreadable;
        word.setAlignment(Alignment::Left);
    }
    return unreadable;
}

} // namespace

bool writeFractionSheet(const WriterArguments& args, WordProcessor& word)
{
    typeTitleBlock(word, args);
    const auto columns = tableColumnCount(args);
    WorksheetGeometry geometry{static_cast<int>(args.set.size()), columns.value_or(0),
                               cellForm(args.settings).workRows};
    geometry.itemRowHeight = sharedItemRowHeight(
        args, geometry, [](const auto& a, auto& w, const auto& g) { fillCells(a, w, g); });
    addWorksheetTable(word, geometry, args);
    const int unreadable = columns ? fillCells(args, word, geometry) : 0;
    if (unreadable > 0)
        args.notifier.notify(std::to_string(unreadable) + "道题不是分数题，按原样写出，没有答案。");
    return word.activate();
}

} // namespace quill
