#include "problems/units/unit_item.h"

#include "base/number_text.h"

namespace quill
{

std::string unitItemText(const UnitItem& item)
{
    std::string text = item.value;
    for (const std::string* field : {&item.unit, &item.answer, &item.answerUnit}) {
        text += unitFieldSeparator;
        text += *field;
    }
    return text;
}

UnitItem parseUnitItem(std::string_view text)
{
    UnitItem item;
    for (std::string* field : {&item.value, &item.unit, &item.answer, &item.answerUnit}) {
        const size_t separator = text.find(unitFieldSeparator);
        *field = text.substr(0, separator);
        if (separator == std::string_view::npos)
            break;
        text.remove_prefix(separator + unitFieldSeparator.size());
    }
    return item;
}

double quantityValue(std::string_view text)
{
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return numericValue(text);
    return numericValue(text.substr(0, slash)) / numericValue(text.substr(slash + 1));
}

} // namespace quill
