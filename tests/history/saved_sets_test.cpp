#include "history/history_line.h"
#include "history/saved_set_load.h"
#include "history/saved_sets.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quill
{
namespace
{

namespace fs = std::filesystem;
using testing::fileBytes;
using testing::TempFolder;
using testing::toGbk;
using testing::writeBytes;
using Status = IoStatus;

class SavedSetsTest : public ::testing::Test
{
protected:
    TempFolder folder;
    fs::path file = folder / "历史题目.txt";
    SavedSets sets{file};

    void save(const std::string& date, int kind, const std::string& list)
    {
        ASSERT_TRUE(appendHistoryLine(file, historyLineText(date, kind, list)));
    }

    void saveThree()
    {
        save("2016/7/27", 1, " 1＋2 3＋4");
        save("2016/7/28", 4, " 5×6＋1");
        save("2016/7/29", 6, " 2＋3＝5| X＋3＝5");
    }

    // Appends from a separate process, as a second running copy of the program would.
    void saveFromAnotherProcess(const std::string& line)
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(appendHistoryLine(file, line) ? 0 : 1);
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
};

TEST_F(SavedSetsTest, ThreeSavesRefreshedTwiceGiveThreeEntriesAlignedWithTheLines)
{
    saveThree();
    ASSERT_TRUE(sets.refresh());
    ASSERT_TRUE(sets.refresh());
    EXPECT_EQ(sets.entries(),
              (std::vector<std::string>{"2016/7/27口算", "2016/7/28脱式", "2016/7/29解方程"}));
    ASSERT_EQ(sets.lines().size(), 3u);

    EXPECT_EQ(savedSetItems(parseHistoryLine(sets.lines()[2])),
              (ExerciseSet{EquationItem{"X＋3", "2＋3", ItemValue::read("5")}}));
}

TEST_F(SavedSetsTest, AMissingFileLeavesTheListEmpty)
{
    saveThree();
    sets.refresh();
    fs::remove(file);
    EXPECT_TRUE(sets.refresh());
    EXPECT_TRUE(sets.entries().empty());
    EXPECT_TRUE(sets.lines().empty()); // stays aligned with the list
}

TEST_F(SavedSetsTest, ListsAGbkFileAndLaterUtf8Saves)
{
    writeBytes(file, toGbk("2016/7/27|1| 12＋5 7×8\r\n2016/8/1|7| 5//米//500//厘米\r\n"));
    save("2026/3/1", 9, " 2/4 6/8");
    ASSERT_TRUE(sets.refresh());
    EXPECT_EQ(sets.entries(),
              (std::vector<std::string>{"2016/7/27口算", "2016/8/1单位换算", "2026/3/1约分"}));
    EXPECT_EQ(sets.lines()[1], "2016/8/1|7| 5//米//500//厘米");
}

TEST_F(SavedSetsTest, MalformedLinesAreListedInPlace)
{
    writeBytes(file, "2016/7/27|1| 1＋2\r\nsome note\r\n\r\n2016/7/28|0| x\r\n\xFF\xFE|3| 1\r\n");
    ASSERT_TRUE(sets.refresh());
    // Blank lines are no sets and are not listed.
    EXPECT_EQ(sets.entries(), (std::vector<std::string>{"2016/7/27口算", "some note未知",
                                                        "2016/7/28未知", "\uFFFD\uFFFD竖式"}));
    EXPECT_EQ(sets.lines()[2], "2016/7/28|0| x");
}

TEST_F(SavedSetsTest, BlankLinesAreNotListedAndADeleteStillHitsItsLine)
{
    writeBytes(file, "\r\n2016/7/27|1| a\r\n  \r\n\r\n2016/7/28|2| b\r\n\t\r\n2016/7/29|3| c");
    ASSERT_TRUE(sets.refresh());
    EXPECT_EQ(sets.entries(),
              (std::vector<std::string>{"2016/7/27口算", "2016/7/28估算", "2016/7/29竖式"}));
    EXPECT_EQ(sets.deleteSavedSet(1).status, Status::Done);
    EXPECT_EQ(fileBytes(file), "\r\n2016/7/27|1| a\r\n  \r\n\r\n\t\r\n2016/7/29|3| c\r\n");
}

TEST_F(SavedSetsTest, DeletingWithNothingSelectedKeepsTheFileAsItWas)
{
    saveThree();
    writeBytes(file, fileBytes(file) + toGbk("2016/7/30|2| 约等于") + "\r\n");
    const std::string before = fileBytes(file);
    sets.refresh();

    const IoResult outcome = sets.deleteSavedSet(std::nullopt);
    EXPECT_EQ(outcome.status, Status::Done);
    EXPECT_EQ(deleteMessage(outcome), "删除完毕");
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(sets.entries().size(), 4u);
}

TEST_F(SavedSetsTest, DeletesTheSelectedLineOnly)
{
    saveThree();
    sets.refresh();
    const IoResult outcome = sets.deleteSavedSet(1);
    EXPECT_EQ(outcome.status, Status::Done);
    EXPECT_EQ(fileBytes(file), "2016/7/27|1| 1＋2 3＋4\r\n2016/7/29|6| 2＋3＝5| X＋3＝5\r\n");
    EXPECT_EQ(sets.entries(), (std::vector<std::string>{"2016/7/27口算", "2016/7/29解方程"}));
}

TEST_F(SavedSetsTest, KeepsALineAnotherProcessSavedSinceTheLastRefresh)
{
    saveThree();
    sets.refresh();
    saveFromAnotherProcess("2016/7/30|3| 9÷3");

    EXPECT_EQ(sets.deleteSavedSet(0).status, Status::Done);
    EXPECT_EQ(fileBytes(file), "2016/7/28|4| 5×6＋1\r\n2016/7/29|6| 2＋3＝5| X＋3＝5\r\n"
                               "2016/7/30|3| 9÷3\r\n");
    EXPECT_EQ(sets.entries().size(), 3u);
}

TEST_F(SavedSetsTest, LosesNoLineSavedWhileDeletesRewriteTheFile)
{
    save("2016/7/27", 1, " 1＋2");
    std::vector<pid_t> savers;
    for (int saver = 0; saver < 2; ++saver) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = 0; i < 25; ++i)
                if (!appendHistoryLine(
                        file,
                        historyLineText("2016/8/1", 3, " " + std::to_string(saver * 100 + i))))
                    ::_exit(1);
            ::_exit(0);
        }
        savers.push_back(child);
    }
    for (int i = 0; i < 25; ++i) {
        sets.refresh();
        EXPECT_EQ(sets.deleteSavedSet(std::nullopt).status, Status::Done);
    }
    for (const pid_t child : savers) {
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    sets.refresh();
    EXPECT_EQ(sets.lines().size(), 51u);
}

TEST_F(SavedSetsTest, RefusesToDeleteWhenTheSelectedLineHasMoved)
{
    saveThree();
    sets.refresh();
    SavedSets otherWindow(file);
    otherWindow.refresh();
    ASSERT_EQ(otherWindow.deleteSavedSet(0).status, Status::Done);
    const std::string before = fileBytes(file);

    // Index 1 now holds what was the third line: deleting it would hit the wrong set.
    const IoResult outcome = sets.deleteSavedSet(1);
    EXPECT_EQ(outcome.status, Status::Changed);
    EXPECT_EQ(deleteMessage(outcome), listChangedMessage);
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(sets.entries(), otherWindow.entries());

    EXPECT_EQ(sets.deleteSavedSet(5).status, Status::Changed);
    EXPECT_EQ(fileBytes(file), before);
}

TEST_F(SavedSetsTest, ReportsAMissingFile)
{
    const IoResult outcome = sets.deleteSavedSet(std::nullopt);
    EXPECT_EQ(outcome.status, Status::Missing);
    EXPECT_EQ(deleteMessage(outcome), "历史记录错误，删除失败！");
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(SavedSetsTest, DeletingTheLastLineLeavesAnEmptyList)
{
    save("2016/7/27", 1, " 1＋2");
    sets.refresh();
    EXPECT_EQ(sets.deleteSavedSet(0).status, Status::Done);
    EXPECT_TRUE(sets.entries().empty());
    EXPECT_EQ(fileBytes(file), "");
}

} // namespace
} // namespace quill
