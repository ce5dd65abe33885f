#include "problems/expressions/equation_solution.h"

#include <string_view>

namespace quill
{

namespace
{

constexpr std::string_view unknown = "X";
constexpr std::string_view times = "×";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number as items write it: digits with at most one point, perhaps a percent sign.
bool isWrittenNumber(std::string_view text)
{
    if (text.ends_with('%'))
        text.remove_suffix(1);
    bool digits = false, point = false;
    for (const char c : text) {
        if (c == '.' && !point)
            point = true;
        else if (isDigit(c))
            digits = true;
        else
            return false;
    }
    return digits;
}

// "6X" multiplies without a sign: the complete expression writes it 6×7.
bool multipliesUnwritten(std::string_view before)
{
    return !before.empty() && (isDigit(before.back()) || before.back() == '%' ||
                               before.back() == ')' || before.back() == '.');
}

} // namespace

std::optional<std::string> solutionOf(const EquationItem& item)
{
    const std::string_view equation = item.equation;
    const std::string_view complete = item.complete;
    const std::size_t at = equation.find(unknown);
    if (at == std::string_view::npos || equation.find(unknown, at + 1) != std::string_view::npos)
        return std::nullopt;
    const std::string_view before = equation.substr(0, at);
    const std::string_view after = equation.substr(at + unknown.size());
    if (complete.size() <= before.size() + after.size() || !complete.starts_with(before) ||
        !complete.ends_with(after))
        return std::nullopt;
    std::string_view number =
        complete.substr(before.size(), complete.size() - before.size() - after.size());
    if (multipliesUnwritten(before) && number.starts_with(times))
        number.remove_prefix(times.size());
    if (!isWrittenNumber(number))
        return std::nullopt;
    return std::string(number);
}

std::optional<std::string> solutionText(const EquationItem& item)
{
    const std::optional<std::string> solution = solutionOf(item);
    if (!solution)
        return std::nullopt;
    return std::string(unknown) + "＝" + *solution;
}


} // namespace quill
