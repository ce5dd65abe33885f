#include "base/line_encoding.h"
#include "support/gbk.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::toGbk;

TEST(LineEncoding, RecognisesWellFormedUtf8Only)
{
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("2016/7/27|1| 37＋48 6×7 8÷2"));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));  // four bytes
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE4\xB8"));         // cut short
    EXPECT_FALSE(isValidUtf8(toGbk("口算")));
}

TEST(LineEncoding, KeepsUtf8AndConvertsGbk)
{
    const std::string line = "2016/7/27|7| 5//米//500//厘米 3//元//300//分";
    EXPECT_EQ(decodeHistoryBytes(line), line);
    EXPECT_EQ(decodeHistoryBytes(toGbk(line)), line);
}

TEST(LineEncoding, ReplacesBytesThatAreNeitherAndKeepsTheRest)
{
    // 0xFF is no GBK byte, 0x81 needs a second byte from 0x40 up: neither a space nor the
    // end of the line will do.
    const std::string bytes = toGbk("口算") + "\xFF" + "ok" + "\x81 " + toGbk("约分") + "\x81";
    const std::string text = decodeHistoryBytes(bytes);
    EXPECT_EQ(text, "口算\uFFFDok\uFFFD 约分\uFFFD");
    EXPECT_TRUE(isValidUtf8(text));
}

TEST(LineEncoding, CountsCharactersNotBytes)
{
    EXPECT_EQ(firstCharacters("2016/7/27口算", 10), "2016/7/27口");
    EXPECT_EQ(firstCharacters("口算", 10), "口算");
    EXPECT_EQ(firstCharacters("一二三", 0), "");
    EXPECT_EQ(firstCharacters("\xF0\x9F\x98\x80x", 1), "\xF0\x9F\x98\x80");
}

} // namespace
} // namespace quill
