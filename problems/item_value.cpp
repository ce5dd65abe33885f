#include "problems/item_value.h"

#include "base/number_text.h"

namespace quill
{

ItemValue ItemValue::quotient(const ExactDecimal& a, const ExactDecimal& b)
{
    if (!a.isNumber() || !b.isNumber() || b.isZero())
        return {};
    if (const ExactDecimal exact = a / b; exact.isNumber())
        return ItemValue::exact(exact);
    return {ExactDecimal::parse(shortestText(a.toDouble() / b.toDouble()))};
}

ItemValue ItemValue::read(std::string_view text)
{
    return {ExactDecimal::parse(text)};
}

std::string ItemValue::text() const
{
    return computable() ? number.text() : std::string(uncomputableAnswer);
}

} // namespace quill
