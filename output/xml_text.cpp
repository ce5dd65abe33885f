#include "output/xml_text.h"

namespace quill
{

namespace
{

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0.
std::size_t utf8SequenceLength(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    const bool notCharacter = code == 0xFFFE || code == 0xFFFF || code > 0x10FFFF;
    return overlong || surrogate || notCharacter ? 0 : length;
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
