#include "output/measure_text.h"

#include <charconv>
#include <cmath>

namespace quill
{

std::optional<double> measureValue(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.front() == '+' && text.size() > 1 && text[1] != '-')
        text.remove_prefix(1);

    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace quill
