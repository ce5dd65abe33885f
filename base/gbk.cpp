#include "base/gbk.h"

namespace quill
{

namespace
{

#include "base/gbk_table.inc"

constexpr unsigned char firstLead = 0x81;
constexpr unsigned char lastLead = 0xFE;
constexpr unsigned char firstTrail = 0x40;
constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";
constexpr std::string_view euroSign = "\xE2\x82\xAC"; // the one single byte above ASCII

// The character of a lead and trail byte, or 0.
char16_t pairCharacter(unsigned char lead, unsigned char trail)
{
    if (lead < firstLead || lead > lastLead || trail < firstTrail ||
        trail - firstTrail >= gbkTrailCount)
        return 0;
    return gbkTable[lead - firstLead][trail - firstTrail];
}

void appendUtf8(std::string& out, char16_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string gbkToUtf8(std::string_view bytes)
{
    std::string result;
    result.reserve(bytes.size() * 3 / 2);
    for (std::size_t at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            result += static_cast<char>(byte);
            ++at;
        } else if (byte == 0x80) {
            result += euroSign;
            ++at;
        } else if (const char16_t code =
                       at + 1 < bytes.size()
                           ? pairCharacter(byte, static_cast<unsigned char>(bytes[at + 1]))
                           : 0) {
            appendUtf8(result, code);
            at += 2;
        } else {
            result += replacementCharacter;
            ++at;
        }
    }
    return result;
}

bool isGbkText(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte <= 0x80) {
            ++at;
            continue;
        }
        if (at + 1 >= bytes.size() ||
            pairCharacter(byte, static_cast<unsigned char>(bytes[at + 1])) == 0)
            return false;
        at += 2;
    }
    return true;
}

} // namespace quill
