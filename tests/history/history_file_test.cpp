#include "base/home_folder.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "support/permissions.h"
#include "support/platform.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

namespace fs = std::filesystem;
using testing::fileBytes;
using testing::TempFolder;
using testing::writeBytes;

std::vector<std::string> texts(const HistoryRead& read)
{
    std::vector<std::string> result;
    for (const StoredLine& line : read.lines)
        result.push_back(line.text);
    return result;
}

TEST(HistoryLocation, BesideTheProgramWhenItsFolderIsWritable)
{
    TempFolder program;
    EXPECT_EQ(historyFileLocation(program.path(), "/data", "/home/u"),
              program.path() / u8"历史题目.txt");
}

TEST(HistoryLocation, OtherwiseInTheUserDataFolder)
{
    if (testing::onWindows)
        GTEST_SKIP() << "the XDG data folder and the bin/libexec installation are POSIX's; "
                        "Windows names its data folder itself (a test of its own)";
    // A folder that does not exist cannot be written to, whoever runs the test.
    const fs::path installed = "/nonexistent/quillmere/bin";
    EXPECT_EQ(historyFileLocation(installed, "/data", "/home/u"),
              fs::path(u8"/data/Quillmere/历史题目.txt"));
    EXPECT_EQ(historyFileLocation(installed, nullptr, "/home/u"),
              fs::path(u8"/home/u/.local/share/Quillmere/历史题目.txt"));
    // A relative data folder is not usable and is ignored, as an empty one.
    EXPECT_EQ(historyFileLocation(installed, "relative/data", "/home/u"),
              fs::path(u8"/home/u/.local/share/Quillmere/历史题目.txt"));
    EXPECT_EQ(historyFileLocation(installed, "", "/home/u"),
              fs::path(u8"/home/u/.local/share/Quillmere/历史题目.txt"));
}

// Windows names the data folder itself: a program that cannot write beside itself keeps its
// history in AppData\Roaming\Quillmere, whatever the environment says.
TEST(HistoryLocation, OnWindowsInTheRoamingDataFolder)
{
    if (!testing::onWindows)
        GTEST_SKIP() << "POSIX takes $XDG_DATA_HOME or ~/.local/share, tested above";
    const fs::path location = historyFileLocation(fs::path("Z:/nonexistent/quillmere/bin"));
    EXPECT_EQ(location.parent_path(), knownDataFolder() / "Quillmere");
    EXPECT_EQ(knownDataFolder().filename(), "Roaming");
}

// The layout checks look only for executable files of the programs' names.
void placeProgram(const fs::path& file)
{
    fs::create_directories(file.parent_path());
    writeBytes(file, "");
    fs::permissions(file, fs::perms::owner_exec, fs::perm_options::add);
}

TEST(HistoryLocation, AnInstalledCopySharesTheDataFolderEvenWhenItCouldWriteBesideItself)
{
    if (testing::onWindows)
        GTEST_SKIP() << "the XDG data folder and the bin/libexec installation are POSIX's; "
                        "Windows names its data folder itself (a test of its own)";
    TempFolder prefix;
    placeProgram(prefix / "bin/quillmere");
    placeProgram(prefix / "libexec/quillmere/quillmere-window");
    const fs::path shared = u8"/data/Quillmere/历史题目.txt";
    EXPECT_EQ(historyFileLocation(prefix / "bin", "/data", "/home/u"), shared);
    EXPECT_EQ(historyFileLocation(prefix / "libexec/quillmere", "/data", "/home/u"), shared);
    // Both programs side by side are a build folder, whatever lies around it.
    placeProgram(prefix / "bin/quillmere-window");
    EXPECT_EQ(historyFileLocation(prefix / "bin", "/data", "/home/u"), prefix / u8"bin/历史题目.txt");
}

TEST(HistoryAppend, CreatesTheFileAndItsFolderAndEndsLinesWithCrLf)
{
    TempFolder folder;
    const fs::path file = folder / u8"data/Quillmere/历史题目.txt";
    ASSERT_TRUE(appendHistoryLine(file, "2016/7/27|1| 1＋2"));
    ASSERT_TRUE(appendHistoryLine(file, "2016/7/28|3| 3×4"));
    EXPECT_EQ(fileBytes(file), "2016/7/27|1| 1＋2\r\n2016/7/28|3| 3×4\r\n");
}

TEST(HistoryAppend, ReportsWhyWhenTheFolderCannotBeMade)
{
    TempFolder folder;
    writeBytes(folder / "plain", "a file, not a folder");
    const fs::path file = folder / u8"plain/历史题目.txt";
    const IoResult result = appendHistoryLine(file, "2016/7/27|1| 1＋2");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_FALSE(fs::exists(file));
}

TEST(HistoryAppend, ReportsFailureInAReadOnlyFolder)
{
    if (const std::string why = testing::whyWriteBitsDoNotBind(); !why.empty())
        GTEST_SKIP() << why;
    TempFolder folder;
    testing::setMode(folder.path(), fs::perms(0555));
    const IoResult result = appendHistoryLine(folder / u8"历史题目.txt", "2016/7/27|1| 1＋2");
    testing::setMode(folder.path(), fs::perms(0755));
    EXPECT_FALSE(result);
    EXPECT_NE(result.describe().find("历史题目.txt"), std::string::npos);
}

TEST(HistoryAppend, AppendsInPlaceWhenOnlyTheFileIsWritable)
{
    if (const std::string why = testing::whyWriteBitsDoNotBind(); !why.empty())
        GTEST_SKIP() << why;
    TempFolder folder;
    const fs::path file = folder / u8"历史题目.txt";
    writeBytes(file, "2016/7/27|1| 1＋2\r\n");
    testing::setMode(folder.path(), fs::perms(0555));
    const IoResult result = appendHistoryLine(file, "2016/7/28|2| 3＋4");
    testing::setMode(folder.path(), fs::perms(0755));
    EXPECT_TRUE(result) << result.reason;
    EXPECT_EQ(fileBytes(file), "2016/7/27|1| 1＋2\r\n2016/7/28|2| 3＋4\r\n");
}

TEST(HistoryAppend, KeepsEveryByteAlreadyInTheFile)
{
    TempFolder folder;
    const fs::path file = folder / u8"历史题目.txt";
    const std::string gbkLines = "2016/7/27|1| \xBF\xDA\xCB\xE3\r\n2016/7/28|2| \xB9\xC0\xCB\xE3\n";
    writeBytes(file, gbkLines);
    ASSERT_TRUE(appendHistoryLine(file, "2016/7/28|2| 3＋4"));
    EXPECT_EQ(fileBytes(file), gbkLines + "2016/7/28|2| 3＋4\r\n");
}

TEST(HistoryAppend, NeverCreatesAnEmptyFileOrSplitsALine)
{
    TempFolder folder;
    const fs::path file = folder / u8"历史题目.txt";
    EXPECT_FALSE(appendHistoryLine(file, ""));
    EXPECT_FALSE(appendHistoryLine(file, "2016/7/27|1| 1＋2\r\n2016/7/27|1| 3＋4"));
    EXPECT_FALSE(fs::exists(file));
}

TEST(HistoryAppend, StartsANewLineAfterALineWithoutItsEnd)
{
    TempFolder folder;
    const fs::path file = folder / u8"历史题目.txt";
    writeBytes(file, "2016/7/27|1| 1＋2");
    ASSERT_TRUE(appendHistoryLine(file, "2016/7/28|2| 3＋4"));
    EXPECT_EQ(texts(readHistoryFile(file)),
              (std::vector<std::string>{"2016/7/27|1| 1＋2", "2016/7/28|2| 3＋4"}));
}

TEST(HistoryRead, AcceptsCrLfAndLfAndALastLineWithoutEnd)
{
    TempFolder folder;
    const fs::path file = folder / u8"历史题目.txt";
    writeBytes(file, "\xEF\xBB\xBF"
                     "a|1| x\r\nb|2| y\n\r\nc|3| z");
    const HistoryRead read = readHistoryFile(file);
    ASSERT_TRUE(read.result);
    EXPECT_EQ(texts(read), (std::vector<std::string>{"a|1| x", "b|2| y", "", "c|3| z"}));
    EXPECT_EQ(read.lines[0].bytes, "\xEF\xBB\xBF"
                                   "a|1| x"); // written back as it was
}

TEST(HistoryRead, TellsAMissingFileFromAnUnreadableOne)
{
    TempFolder folder;
    EXPECT_EQ(readHistoryFile(folder / u8"历史题目.txt").result.status, IoStatus::Missing);
    fs::create_directory(folder / u8"历史题目.txt");
    const HistoryRead read = readHistoryFile(folder / u8"历史题目.txt");
    EXPECT_EQ(read.result.status, IoStatus::Failed);
    EXPECT_FALSE(read.result.reason.empty());
}

TEST(HistoryReplace, WritesTheLinesKeepsTheModeAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const fs::path file = folder / u8"历史题目.txt";
    writeBytes(file, "old\r\n");
    testing::setMode(file, fs::perms(0640));
    writeBytes(folder / u8".历史题目.txt.Ab12Cd", "left by a killed rewrite");
    writeBytes(folder / "notes.txt", "not ours");

    HistoryFileLock lock(file);
    ASSERT_TRUE(replaceHistoryFile(file, {"a|1| x", "b|2| y"}));
    EXPECT_EQ(fileBytes(file), "a|1| x\r\nb|2| y\r\n");
    if (testing::modeBitsKept()) { // Windows keeps only the read-only attribute
        EXPECT_EQ(testing::modeOf(file), fs::perms(0640));
    }

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        names.push_back(testing::utf8Name(entry.path()));
    std::sort(names.begin(), names.end());
    // The lock file stays: removing it would let two savers lock two different files.
    EXPECT_EQ(names, (std::vector<std::string>{".历史题目.txt.lock", "notes.txt", "历史题目.txt"}));
}

} // namespace
} // namespace quill
