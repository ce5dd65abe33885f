#include "output/xml_text.h"

#include "base/utf8.h"

namespace quill
{

namespace
{

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

// Length of the UTF-8 sequence at the start of `s` that XML can hold, or 0.
std::size_t utf8SequenceLength(std::string_view s)
{
    char32_t code = 0;
    const std::size_t length = utf8Sequence(s, code);
    return code == 0xFFFE || code == 0xFFFF ? 0 : length;
}

} // namespace

void appendXmlText(std::string& out, std::string_view text)
{
    while (!text.empty()) {
        const char c = text.front();
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0) {
            out += replacementCharacter;
            text.remove_prefix(1);
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (length > 1 || static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' ||
                c == '\r')
                out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
}

std::string xmlText(std::string_view text)
{
    std::string out;
    appendXmlText(out, text);
    return out;
}

} // namespace quill
