#include "problems/exercise_set.h"

namespace quill
{

namespace
{

std::string withValue(const std::string& expression, const std::optional<ItemValue>& value)
{
    return value ? expression + "＝" + value->text() : expression;
}

struct TextOf {
    std::string operator()(const OperationItem& item) const { return item.text(); }
    std::string operator()(const StepItem& item) const
    {
        return withValue(item.expression, item.value);
    }
    std::string operator()(const EquationItem& item) const
    {
        return withValue(item.complete, item.value);
    }
    std::string operator()(const FractionExpression& item) const { return expressionText(item); }
    std::string operator()(const UnitItem& item) const { return unitItemText(item); }
    std::string operator()(const LawItem& item) const
    {
        return withValue(item.expression, item.answer);
    }
    std::string operator()(const UnreadItem& item) const { return item.text; }
};

} // namespace

std::string itemText(const SetItem& item)
{
    return std::visit(TextOf{}, item);
}

std::string equationText(const EquationItem& item)
{
    return withValue(item.equation, item.value);
}

} // namespace quill
