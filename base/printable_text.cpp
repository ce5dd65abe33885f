#include "base/printable_text.h"

#include <cstdio>

namespace quill
{

namespace
{

std::string hexEscape(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

std::string codePointEscape(char32_t codePoint)
{
    char text[16];
    std::snprintf(text, sizeof text, "\\u{%04X}", static_cast<unsigned>(codePoint));
    return text;
}

// The length of the well-formed UTF-8 sequence at the start of `text` and its code point;
// 0 when the first byte does not begin one.
std::size_t decodeOne(std::string_view text, char32_t& codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80)
        return codePoint = lead, 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, lowest = 0x80, codePoint = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, lowest = 0x800, codePoint = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, lowest = 0x10000, codePoint = lead & 0x07;
    else
        return 0;
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        codePoint = codePoint << 6 | (byte(i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < lowest || codePoint > 0x10FFFF || surrogate ? 0 : length;
}

// C0 and C1 controls, DEL, and the invisible marks that reorder or break the text around
// them.
bool needsEscape(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string escaped(char32_t c)
{
    switch (c) {
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        return c < 0x80 ? hexEscape(static_cast<unsigned char>(c)) : codePointEscape(c);
    }
}

std::string printable(std::string_view text, bool keepLineBreaks)
{
    std::string result;
    result.reserve(text.size());
    while (!text.empty()) {
        char32_t c = 0;
        const std::size_t length = decodeOne(text, c);
        if (length == 0) {
            result += hexEscape(static_cast<unsigned char>(text.front()));
            text.remove_prefix(1);
            continue;
        }
        if (needsEscape(c) && !(keepLineBreaks && c == '\n'))
            result += escaped(c);
        else
            result.append(text.substr(0, length));
        text.remove_prefix(length);
    }
    return result;
}

} // namespace

std::string printableText(std::string_view text)
{
    return printable(text, false);
}

std::string printableLines(std::string_view text)
{
    return printable(text, true);
}

} // namespace quill
