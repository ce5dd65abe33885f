#include "problems/whole/zero_patterns.h"

#include "base/number_text.h"
#include "problems/whole/operand.h"

#include <algorithm>
#include <string>

namespace quill
{

namespace
{

bool allZeros(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; });
}

} // namespace

bool hasZeroInTheMiddle(std::string_view text)
{
    return text.size() >= 3 && text.size() <= 6 && allZeros(text.substr(1, text.size() - 2));
}

bool endsInZero(std::string_view text)
{
    // A percent is read by its number: sums of two percents must still meet the pattern.
    if (text.ends_with('%'))
        text.remove_suffix(1);
    return !text.empty() && text.back() == '0';
}

bool isWholeTens(double value)
{
    const std::string text = shortestText(value);
    return text.size() >= 2 && text.size() <= 5 && allZeros(std::string_view(text).substr(1));
}

bool eitherHasZeroInTheMiddle(const DrawnOperands& operands)
{
    for (const Operand* operand : {&operands.first, &operands.second})
        if (hasZeroInTheMiddle(shortestText(operand->value())))
            return true;
    return false;
}

bool eitherEndsInZero(const DrawnOperands& operands)
{
    return endsInZero(operands.first.text()) || endsInZero(operands.second.text());
}

} // namespace quill
