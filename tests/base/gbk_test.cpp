#include "base/gbk.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <iconv.h>
#include <random>

namespace quill
{
namespace
{

// The C library's GBK converter, with the same rule for a byte that starts no character:
// U+FFFD, and go on with the next byte.
class LibraryGbk
{
public:
    LibraryGbk() : cd_(iconv_open("UTF-8", "GBK")) {}
    ~LibraryGbk() { iconv_close(cd_); }
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::string decode(std::string_view bytes)
    {
        std::string result;
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char buffer[64];
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(cd_, &in, &inLeft, &out, &outLeft);
            result.append(buffer, static_cast<std::size_t>(out - buffer));
            if (done != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            result += "\uFFFD";
            ++in;
            --inLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return result;
    }

private:
    iconv_t cd_;
};

class Gbk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!library.valid())
            GTEST_SKIP() << "this C library has no GBK converter";
    }
    LibraryGbk library;
};

TEST_F(Gbk, DecodesEveryByteAndPairAsTheCLibraryDoes)
{
    for (int first = 0; first < 256; ++first) {
        const std::string single(1, static_cast<char>(first));
        ASSERT_EQ(gbkToUtf8(single), library.decode(single)) << "byte " << first;
        for (int second = 0; second < 256; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(gbkToUtf8(pair), library.decode(pair)) << "bytes " << first << ' ' << second;
        }
    }
}

TEST_F(Gbk, DecodesDamagedRunsAsTheCLibraryDoes)
{
    // Mostly lead bytes, so characters straddle each other and the end.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255), high(0x80, 0xFF), length(1, 12);
    for (int run = 0; run < 20000; ++run) {
        std::string bytes;
        for (int i = length(random); i > 0; --i)
            bytes += static_cast<char>(i % 3 == 0 ? byte(random) : high(random));
        ASSERT_EQ(gbkToUtf8(bytes), library.decode(bytes));
    }
}

} // namespace
} // namespace quill
