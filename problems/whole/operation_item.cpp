#include "problems/whole/operation_item.h"

#include <array>

namespace quill
{

namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading number of a term: sign, digits, one point; "12abc" has 12, "abc" and ".x" none.
std::string_view leadingNumber(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const size_t digitsStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    bool digits = i > digitsStart;
    if (i < text.size() && text[i] == '.') {
        const size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        digits = digits || i > fractionStart;
    }
    if (!digits)
        return {};
    // An exponent belongs to the number: old saved lists may hold "1E-05".
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return text.substr(0, i);
}

// In the order a saved item is read: an item is cut at the first of these it holds.
constexpr std::array<Operation, 4> readingOrder = {Operation::Division, Operation::Multiplication,
                                                   Operation::Subtraction, Operation::Addition};

} // namespace

std::string_view signOf(Operation operation)
{
    switch (operation) {
    case Operation::Addition:
        return "＋";
    case Operation::Subtraction:
        return "－";
    case Operation::Multiplication:
        return "×";
    case Operation::Division:
        return "÷";
    }
    return {};
}

WrittenNumber WrittenNumber::of(std::string text)
{
    WrittenNumber number{std::move(text)};
    const std::string_view leading = leadingNumber(number.text);
    if (leading.empty())
        return number;
    const ExactDecimal value = ExactDecimal::parse(leading.starts_with('+') ? leading.substr(1) : leading);
    number.amount = number.percent() ? value.shifted(2) : value;
    return number;
}

OperationItem OperationItem::of(const std::string& first, Operation operation,
                                const std::string& second)
{
    return {{WrittenNumber::of(first), WrittenNumber::of(second)}, operation, std::nullopt};
}

OperationItem OperationItem::read(std::string_view text)
{
    OperationItem item;
    for (const Operation operation : readingOrder)
        if (text.find(signOf(operation)) != std::string_view::npos) {
            item.operation = operation;
            break;
        }
    if (!item.operation) {
        item.terms.push_back(WrittenNumber::of(std::string(text)));
        return item;
    }
    const std::string_view sign = signOf(*item.operation);
    for (size_t start = 0;;) {
        const size_t at = text.find(sign, start);
        item.terms.push_back(WrittenNumber::of(std::string(text.substr(start, at - start))));
        if (at == std::string_view::npos)
            return item;
        start = at + sign.size();
    }
}

std::string OperationItem::text(BlankShown shown) const
{
    std::string text;
    for (size_t k = 0; k < terms.size(); ++k) {
        if (k > 0 && operation)
            text += signOf(*operation);
        if (blank != k || shown == BlankShown::AsNumber)
            text += terms[k].text;
        else if (shown == BlankShown::AsBlank)
            text += fillInBlank;
        else
            text += "（" + terms[k].text + "）";
    }
    return text;
}

} // namespace quill
