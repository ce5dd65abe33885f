#include "base/line_encoding.h"

#include "base/utf8.h"

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

// Length of the well-formed sequence starting at `at`, or 0.
std::size_t sequenceLength(std::string_view bytes, std::size_t at)
{
    char32_t ignored = 0;
    return utf8Sequence(bytes.substr(at), ignored);
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
