#include "base/io_result.h"
#include "base/printable_text.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <random>

namespace quill
{
namespace
{

// True when `text` is well-formed UTF-8 free of controls a terminal would act on.
bool safeForTerminal(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x20 || lead == 0x7F)
            return false;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        char32_t c = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = c << 6 | (next & 0x3F);
        }
        if (c <= 0x9F || (c >= 0x202A && c <= 0x202E) || c == 0x2028 || c == 0x2029)
            return false;
        i += length;
    }
    return true;
}

TEST(PrintableText, NoDrawnByteStringReachesTheTerminalRaw)
{
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 24, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 3 == 0 ? 0xE2 : random() % 256);
        const std::string shown = printableText(bytes);
        ASSERT_TRUE(safeForTerminal(shown)) << shown;
        std::string lines = printableLines(bytes);
        std::erase(lines, '\n');
        ASSERT_TRUE(safeForTerminal(lines)) << lines;
    }
}

TEST(PrintableText, EscapesOnlyWhatItMust)
{
    const std::pair<std::string, std::string> rows[] = {
        {"历史题目.txt 37＋48", "历史题目.txt 37＋48"},
        {"a\nb", "a\\nb"},
        {"\x1B[31mred", "\\x1B[31mred"},
        {"bad \xFF byte", "bad \\xFF byte"},
        {"\xC2\x9B" "2J", "\\u{009B}2J"},
        {"abc\xE2\x80\xAE" "fed", "abc\\u{202E}fed"},
        {"cut \xE5\x8E", "cut \\xE5\\x8E"},
    };
    for (const auto& [text, shown] : rows)
        EXPECT_EQ(printableText(text), shown) << shown;
    EXPECT_EQ(printableLines("第一行\n第二行\t!"), "第一行\n第二行\\t!");
}

TEST(IoResult, SaysWhyInChineseWithTheSystemWordsAfter)
{
    const IoResult denied = ioSystemFailure("/a/b\nc.txt", EACCES);
    EXPECT_FALSE(denied);
    EXPECT_EQ(denied.describe(), "“/a/b\\nc.txt”：没有权限（Permission denied）");
    EXPECT_EQ(ioSystemFailure("x", ENOENT).status, IoStatus::Missing);
    EXPECT_EQ(ioSystemFailure("x", EEXIST).status, IoStatus::NameTaken);
    for (const int error : {EROFS, ENOTDIR, EINVAL, ENOSPC, EISDIR, ELOOP})
        EXPECT_GT(static_cast<unsigned char>(systemReason(error).front()), 0x7F) << error;
}

} // namespace
} // namespace quill
