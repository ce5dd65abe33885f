#include "engine/duplicate_filter.h"

#include <vector>

namespace quill
{

namespace
{

bool isPlainNumberByte(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == '%';
}

bool hasSign(std::string_view text)
{
    for (char c : text)
        if (!isPlainNumberByte(c))
            return true;
    return false;
}

// Byte offsets where UTF-8 characters start, plus the end.
std::vector<size_t> characterBoundaries(std::string_view text)
{
    std::vector<size_t> boundaries;
    for (size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            boundaries.push_back(i);
    boundaries.push_back(text.size());
    return boundaries;
}

} // namespace

bool DuplicateFilter::occurs(std::string_view item) const
{
    if (!hasSign(item))
        return list_.find(item) != std::string::npos;
    return pieces_.count(std::string(item)) != 0;
}

void DuplicateFilter::add(std::string_view item)
{
    list_ += ' ';
    list_ += item;
    const std::vector<size_t> at = characterBoundaries(item);
    for (size_t begin = 0; begin + 1 < at.size(); ++begin)
        for (size_t end = begin + 1; end < at.size(); ++end) {
            const std::string_view piece = item.substr(at[begin], at[end] - at[begin]);
            if (hasSign(piece))
                pieces_.emplace(piece);
        }
}

} // namespace quill
