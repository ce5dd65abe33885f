#include "base/line_encoding.h"

#include "base/gbk.h"
#include "base/utf8.h"

namespace quill
{

namespace
{

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence starting at `at`, or 0.
std::size_t sequenceLength(std::string_view bytes, std::size_t at)
{
    char32_t ignored = 0;
    return utf8Sequence(bytes.substr(at), ignored);
}

// How many bytes a sequence starting with this lead byte has; 0 for no lead byte.
std::size_t sequenceLengthOfLead(unsigned char lead)
{
    if (lead >= 0xF0)
        return lead <= 0xF4 ? 4 : 0;
    if (lead >= 0xE0)
        return 3;
    return lead >= 0xC2 ? 2 : 0;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

bool isHistoryEncoding(std::string_view bytes)
{
    return isValidUtf8(bytes) || isGbkText(bytes);
}

bool isCutUtf8(std::string_view bytes)
{
    // A sequence is at most four bytes: its lead and up to two continuations can be left.
    for (std::size_t cut = 1; cut <= 3 && cut <= bytes.size(); ++cut) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - cut]);
        if (byte < 0x80)
            return false;
        if (!isContinuation(byte))
            return cut < sequenceLengthOfLead(byte) &&
                   isValidUtf8(bytes.substr(0, bytes.size() - cut));
    }
    return false;
}

std::string decodeHistoryBytes(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return gbkToUtf8(bytes);
}

std::string firstCharacters(std::string_view utf8, std::size_t count)
{
    std::size_t at = 0;
    for (std::size_t taken = 0; at < utf8.size() && taken < count; ++taken) {
        ++at;
        while (at < utf8.size() && isContinuation(static_cast<unsigned char>(utf8[at])))
            ++at;
    }
    return std::string(utf8.substr(0, at));
}

} // namespace quill
