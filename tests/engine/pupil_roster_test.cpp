#include "engine/pupil_roster.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

void expectRefused(const Roster& roster, std::string_view what)
{
    EXPECT_TRUE(roster.refusal) << what;
    EXPECT_TRUE(roster.names.empty()) << what;
}

// Names are trimmed, blank lines skipped, the order kept, whether the file is UTF-8 (with or
// without a byte order mark, LF or CRLF) or GBK.
TEST(PupilRoster, ReadsFortyNamesInOrderFromUtf8AndGbk)
{
    std::string utf8 = "\xEF\xBB\xBF", gbk;
    std::vector<std::string> expected;
    for (int k = 1; k <= 40; ++k) {
        const std::string n = std::to_string(k);
        expected.push_back("学生" + n);
        utf8 +=
            (k % 3 ? "  学生" : "\t学生") + n + (k % 2 ? " \r\n" : "\n") + (k % 5 ? "" : "\n  \n");
        gbk += "\xD1\xA7\xC9\xFA" + n + "\r\n";
    }
    for (const std::string& bytes : {utf8, gbk}) {
        const Roster roster = rosterFromBytes(bytes);
        EXPECT_FALSE(roster.refusal) << *roster.refusal;
        EXPECT_EQ(roster.names, expected);
    }
}

// The limits hold at their edges: 100 names of 20 characters are a list, one more is not.
TEST(PupilRoster, RefusesMoreThanAHundredNamesOrANameOverTwentyCharacters)
{
    std::string full;
    for (int k = 0; k < 100; ++k)
        full += std::string(18, 'a') + std::to_string(k % 10) + "字\n";
    EXPECT_EQ(rosterFromBytes(full).names.size(), 100u);
    expectRefused(rosterFromBytes(full + "王五\n"), "101 names");
    expectRefused(rosterFromBytes("张三\n" + std::string(21, 'a') + "\n"), "21 characters");
    expectRefused(rosterFromBytes(std::string(7, 'x') + std::string(14, 'a')), "21 characters");
}

TEST(PupilRoster, RefusesWhatIsNoListOfNames)
{
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    expectRefused(rosterFromBytes(everyByte), "binary");
    expectRefused(rosterFromBytes(std::string("张三\n李四\0", 14)), "a NUL");
    expectRefused(rosterFromBytes("\xFF\xFE\x20\x00"), "UTF-16");
    expectRefused(rosterFromBytes(""), "empty");
    expectRefused(rosterFromBytes(" \r\n\n\t\n"), "only blanks");
    std::string tenThousand;
    for (int k = 0; k < 10000; ++k)
        tenThousand += "学生" + std::to_string(k) + "\n";
    expectRefused(rosterFromBytes(tenThousand), "10,000 names");
}

// A file far larger than any list is refused without being read whole.
TEST(PupilRoster, RefusesFilesItCannotReadOrThatAreFarTooLarge)
{
    testing::TempFolder folder;
    const auto huge = folder / "一行.txt";
    testing::writeBytes(huge, std::string(10 * 1024 * 1024, 'a'));
    expectRefused(readRoster(huge), "a 10 MB line");
    expectRefused(readRoster(folder / "没有.txt"), "missing file");
    expectRefused(readRoster(folder.path()), "a folder");
    const auto ok = folder / "名单.txt";
    testing::writeBytes(ok, "张三\n李四\n");
    EXPECT_EQ(readRoster(ok).names, (std::vector<std::string>{"张三", "李四"}));
}

} // namespace
} // namespace quill
