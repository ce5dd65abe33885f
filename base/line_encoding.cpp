#include "base/line_encoding.h"

#include <cerrno>
#include <iconv.h>

namespace quill
{

namespace
{

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence starting at `at`, or 0 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
std::size_t sequenceLength(std::string_view bytes, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(byte(i)))
            return 0;
    return length;
}

class GbkDecoder
{
public:
    GbkDecoder() : cd_(iconv_open("UTF-8", "GBK")) {}
    ~GbkDecoder()
    {
        if (valid())
            iconv_close(cd_);
    }
    GbkDecoder(const GbkDecoder&) = delete;
    GbkDecoder& operator=(const GbkDecoder&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::string decode(std::string_view bytes)
    {
        std::string result;
        char buffer[256];
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(cd_, &in, &inLeft, &out, &outLeft);
            result.append(buffer, static_cast<std::size_t>(out - buffer));
            if (done != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            // EILSEQ or a sequence cut short at the end: replace one byte and go on.
            result += replacementCharacter;
            ++in;
            --inLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return result;
    }

private:
    iconv_t cd_;
};

// Without a GBK converter every byte that is not UTF-8 is replaced.
std::string replaceInvalidUtf8(std::string_view bytes)
{
    std::string result;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0) {
            result += replacementCharacter;
            ++at;
        } else {
            result.append(bytes.substr(at, length));
            at += length;
        }
    }
    return result;
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

std::string decodeHistoryBytes(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    GbkDecoder gbk;
    if (!gbk.valid())
        return replaceInvalidUtf8(bytes);
    return gbk.decode(bytes);
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
