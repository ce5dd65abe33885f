#include "output/fraction_writer.h"

#include "output/worksheet_layout.h"
#include "problems/expressions/answer_store.h"
#include "problems/fractions/fraction_expression.h"
#include "problems/workspace.h"
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

// False when the item is no fraction item: it is then typed as it stands, without answer.
bool typeCell(WordProcessor& word, const std::string& text, const CellForm& form, bool answers)
{
    const std::optional<FractionExpression> parsed = parseFractionExpression(text);
    const std::optional<FractionExpression> asked =
        parsed ? std::optional(withoutNegativeDifference(*parsed)) : std::nullopt;
    const std::optional<Rational> value = asked ? expressionValue(*asked) : std::nullopt;
    if (!value) {
        word.typeText(text);
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

} // namespace

bool writeFractionSheet(Workspace& work, Notifier& notifier, WordProcessor& word,
                        const WriterArguments& args)
{
    const std::vector<std::string> items = splitAtSpaces(args.list);
    const CellForm form = cellForm(work.settings);
    typeTitleBlock(word, args.answers());

    const auto columns = tableColumnCount(args, notifier);
    const WorksheetGeometry geometry{static_cast<int>(items.size()), columns.value_or(0),
                                     form.workRows};
    addWorksheetTable(word, geometry, args);
    int unreadable = 0;
    for (int k = 0; columns && k < geometry.items; ++k) {
        work.processEvents();
        if (work.run.stopRequested)
            break;
        word.selectCell(geometry.row(k), geometry.column(k));
        if (!typeCell(word, items[k], form, args.answers()))
            ++unreadable;
        word.setAlignment(Alignment::Left);
    }
    if (unreadable > 0)
        notifier.notify(std::to_string(unreadable) + "道题不是分数题，按原样写出，没有答案。");
    return word.activate();
}

} // namespace quill
