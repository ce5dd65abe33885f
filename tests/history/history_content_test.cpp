// Which files are histories, and what a save cut short leaves: drawn histories, every cut of
// an append, and the files of other programs.

#include "history/history_content.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <random>

namespace quill
{
namespace
{

using testing::toGbk;

constexpr std::string_view lineEnd = "\r\n";

// A saved set as the program writes it, its list drawn from what sheets hold; in GBK as old
// files have it when `gbk`.
std::string drawnLine(std::mt19937& random, bool gbk)
{
    static const std::vector<std::string> pieces = {"37", "＋", "48", "×",  "0.5",  "÷",  "＝",
                                                    "（", "）", "X",  "约", "厘米", "//", " "};
    std::string list = " ";
    for (std::size_t n = 1 + random() % 60; n > 0; --n)
        list += pieces[random() % pieces.size()];
    const int kind = 1 + static_cast<int>(random() % 9);
    const std::string line = historyLineText("2016/7/" + std::to_string(1 + random() % 31), kind,
                                             kind == 6 ? list + "|" + list : list);
    return gbk ? toGbk(line) : line;
}

std::vector<std::string> textsOf(const HistoryContent& content)
{
    std::vector<std::string> texts;
    for (const StoredLine& line : content.lines)
        texts.push_back(line.text);
    return texts;
}

// However a save is cut short, the file stays a history whose earlier lines all read; the cut
// line is skipped when it is not yet a set, and the next save begins a line of its own.
TEST(HistoryContent, EveryCutOfASaveLeavesAHistoryThatTheNextSaveContinues)
{
    std::mt19937 random(23);
    testing::TempFolder folder;
    const std::filesystem::path file = folder / u8"历史题目.txt";
    int savesChecked = 0;
    for (int history = 0; history < 40; ++history) {
        std::string before;
        for (std::size_t n = random() % 4; n > 0; --n)
            before += drawnLine(random, random() % 2) + std::string(lineEnd);
        const std::vector<std::string> earlier = textsOf(historyContentOf(before));
        const std::string cutLine = drawnLine(random, false) + std::string(lineEnd);
        const std::size_t savedAfterCut = random() % (cutLine.size() + 1);
        for (std::size_t cut = 0; cut <= cutLine.size(); ++cut) {
            const std::string bytes = before + cutLine.substr(0, cut);
            const HistoryContent content = historyContentOf(bytes);
            ASSERT_TRUE(content.isHistory()) << bytes;
            const std::vector<std::string> texts = textsOf(content);
            ASSERT_GE(texts.size(), earlier.size()) << bytes;
            EXPECT_TRUE(std::equal(earlier.begin(), earlier.end(), texts.begin())) << bytes;
            EXPECT_LE(texts.size(), earlier.size() + 1) << bytes;
            if (content.tornBytes > 0) {
                EXPECT_EQ(texts.size(), earlier.size()) << bytes;
            }
            if (cut != savedAfterCut)
                continue;
            testing::writeBytes(file, bytes);
            const std::string next = drawnLine(random, false);
            ASSERT_TRUE(appendHistoryLine(file, next)) << bytes;
            const HistoryRead read = readHistoryFile(file);
            ASSERT_TRUE(read.isHistory()) << bytes;
            EXPECT_EQ(read.tornBytes, 0u);
            EXPECT_EQ(textsOf(read).back(), next) << bytes;
            EXPECT_TRUE(std::equal(earlier.begin(), earlier.end(), textsOf(read).begin()));
            ++savesChecked;
        }
    }
    EXPECT_EQ(savesChecked, 40);
}

TEST(HistoryContent, FilesOfOtherProgramsAreNoHistory)
{
    const std::string history = "2016/7/27|1| 1＋2\r\n";
    const std::pair<std::string, std::string> rows[] = {
        {"a document", std::string("PK\x03\x04\x14\x00\x06\x00\x08\x00", 10) +
                           "[Content_Types].xml\xEC\x97\xCB\x6E\xC2\x30\r\n"},
        {"a picture", std::string("\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR", 16)},
        {"prose", "Dear parents,\r\nthe sheets are attached.\r\n"},
        {"a table", "date|kind|list\r\n2016/7/27|1| 1＋2\r\n"},
        {"a note among the sets", history + "remember: grade 3\r\n" + history},
        {"a line with a NUL", history + "2016/7/28|1| 1" + '\0' + "2\r\n"},
        {"a note at the end without its line end", history + "my note"},
        {"neither UTF-8 nor GBK", history + "2016/7/28|1| \xFF\xFE\r\n"},
        {"a kind that does not exist", history + "2016/7/28|0| 1＋2\r\n"},
    };
    for (const auto& [name, bytes] : rows)
        EXPECT_FALSE(historyContentOf(bytes).isHistory()) << name;

    // Drawn bytes of any length: what a binary file holds.
    std::mt19937 random(5);
    for (int drawn = 0; drawn < 500; ++drawn) {
        std::string bytes(8 + random() % 2000, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random());
        EXPECT_FALSE(historyContentOf(bytes).isHistory()) << drawn;
    }

    const std::pair<std::string, std::string> histories[] = {
        {"an empty file", ""},
        {"blank lines only", "\r\n  \r\n\t\n"},
        {"GBK and UTF-8 sets with blank lines between", toGbk(history) + "\r\n" + history},
        {"a set cut short at the end", history + "2026/3/1|"},
        {"a set whose last character is cut in two", history + "2026/3/1|3| 1\xEF\xBC"},
    };
    for (const auto& [name, bytes] : histories)
        EXPECT_TRUE(historyContentOf(bytes).isHistory()) << name;
}

} // namespace
} // namespace quill
