#include "base/printable_text.h"

#include "base/utf8.h"

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
        const std::size_t length = utf8Sequence(text, c);
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
