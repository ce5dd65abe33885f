#include "problems/trivial_items.h"

#include "problems/expressions/expression_reader.h"
#include "problems/expressions/item_answer.h"
#include "problems/item_value.h"

namespace quill
{

namespace
{

// A result of 0 covers 0×8, 0÷8 and 8－8; the rest are the operations with nothing to work.
template <typename Number>
bool trivialStep(Operation operation, const Number& left, const Number& right, const Number& result,
                 const Number& zero, const Number& one)
{
    if (result == zero)
        return true;
    switch (operation) {
    case Operation::Addition:
        return left == zero || right == zero;
    case Operation::Subtraction:
        return right == zero;
    case Operation::Multiplication:
        return left == one || right == one;
    case Operation::Division:
        return left == one || right == one || left == right;
    }
    return false;
}

// A step's value as the sheets show it: a quotient that never ends is cut to 15 digits.
ExactDecimal worked(Operation operation, const ExactDecimal& left, const ExactDecimal& right)
{
    if (operation == Operation::Division)
        return ItemValue::quotient(left, right).number;
    return workedExactly(operation, left, right);
}

// Whether any operation of an expression as the sheets write it is trivial.
bool anyTrivialStep(std::string_view expression)
{
    bool trivial = false;
    readExpression(expression,
                   [&](Operation operation, const ExactDecimal& left, const ExactDecimal& right) {
                       const ExactDecimal result = worked(operation, left, right);
                       if (left.isNumber() && right.isNumber())
                           trivial = trivial || isTrivialStep(operation, left, right, result);
                       return result;
                   });
    return trivial;
}

std::optional<int> keptPlaces(const ExerciseSettings& s)
{
    return s.roundAnswers.checked ? std::optional(s.answerPlaces.index) : std::nullopt;
}

// The answer the sheets of `kind` show for a one-operation item; none where the item is only
// the start of a longer expression.
std::optional<ShownAnswer> shownAnswer(const OperationItem& item, const ExerciseSettings& s,
                                       ExerciseKind kind)
{
    const ItemAnswer answer = answerOf(item, keptPlaces(s));
    switch (kind) {
    case ExerciseKind::Oral:
        return keyAnswer(item, answer, keptPlaces(s), false);
    case ExerciseKind::Vertical: {
        // 二年级下学期 to 三年级下学期 divide with remainders in columns.
        const bool remainderForm = s.gradeIndex() >= 4 && s.gradeIndex() <= 6 && s.division.checked;
        return keyAnswer(item, answer, keptPlaces(s), remainderForm);
    }
    case ExerciseKind::Estimation:
        return estimatedAnswer(answer);
    default:
        return std::nullopt;
    }
}

bool trivialOperation(const OperationItem& item, const ExerciseSettings& s, ExerciseKind kind)
{
    if (!item.operation || item.terms.size() < 2)
        return false;
    ExactDecimal value = item.terms.front().amount;
    for (size_t k = 1; k < item.terms.size(); ++k) {
        const ExactDecimal& term = item.terms[k].amount;
        const ExactDecimal result = worked(*item.operation, value, term);
        if (value.isNumber() && term.isNumber() &&
            isTrivialStep(*item.operation, value, term, result))
            return true;
        value = result;
    }
    const std::optional<ShownAnswer> shown = shownAnswer(item, s, kind);
    return shown && showsAsZero(*shown);
}

bool trivialSteps(const StepItem& item, const ExerciseSettings& s)
{
    if (anyTrivialStep(item.expression))
        return true;
    return item.value && showsAsZero(shownValue(*item.value, keptPlaces(s)));
}

Operation operationOf(FractionOperation operation)
{
    switch (operation) {
    case FractionOperation::Subtraction:
        return Operation::Subtraction;
    case FractionOperation::Multiplication:
        return Operation::Multiplication;
    case FractionOperation::Division:
        return Operation::Division;
    default:
        return Operation::Addition;
    }
}

bool trivialFractionItem(const FractionItem& item)
{
    const std::optional<Rational> value = itemValue(item);
    if (!value)
        return false;
    if (item.operation == FractionOperation::Reduction)
        return value->isZero();
    const std::optional<Rational> left = Rational::of(item.a, item.b);
    const std::optional<Rational> right = Rational::of(item.c, item.d);
    return left && right && isTrivialStep(operationOf(item.operation), *left, *right, *value);
}

bool trivialFraction(const FractionExpression& expression)
{
    return trivialFractionItem(expression.item) || isTrivialFractionStep(expression);
}

} // namespace

bool avoidsTrivialItems(const ExerciseSettings& settings)
{
    return settings.avoidTrivial.checked;
}

bool isTrivialStep(Operation operation, const ExactDecimal& left, const ExactDecimal& right,
                   const ExactDecimal& result)
{
    return trivialStep(operation, left, right, result, ExactDecimal::whole(0),
                       ExactDecimal::whole(1));
}

bool isTrivialStep(Operation operation, Rational left, Rational right, Rational result)
{
    return trivialStep(operation, left, right, result, Rational(0), Rational(1));
}

bool showsAsZero(const ShownAnswer& shown)
{
    std::string_view text = shown.text;
    if (text.starts_with("0……"))
        return true;
    if (text.ends_with('%'))
        text.remove_suffix(1);
    return ExactDecimal::parse(text).isZero();
}

bool isTrivialItem(const SetItem& item, const ExerciseSettings& settings, ExerciseKind kind)
{
    if (const auto* operation = std::get_if<OperationItem>(&item))
        return trivialOperation(*operation, settings, kind);
    if (const auto* steps = std::get_if<StepItem>(&item))
        return trivialSteps(*steps, settings);
    if (const auto* equation = std::get_if<EquationItem>(&item))
        return anyTrivialStep(equation->complete);
    if (const auto* law = std::get_if<LawItem>(&item))
        return anyTrivialStep(law->expression);
    if (const auto* fraction = std::get_if<FractionExpression>(&item))
        return trivialFraction(*fraction);
    return false; // conversions and unread entries
}

bool isTrivialFractionStep(const FractionExpression& expression)
{
    const std::optional<Rational> before = itemValue(expression.item);
    const std::optional<Rational> after = expressionValue(expression);
    if (!expression.step || !before || !after)
        return false;
    return isTrivialStep(operationOf(expression.step->operation), *before, expression.step->number,
                         *after);
}

} // namespace quill
