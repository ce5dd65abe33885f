// The history path under hostile conditions: special files, links, read-only files, files
// too large to be a history, and a folder that cannot be listed.

#include "history/history_file.h"
#include "history/saved_sets.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quill
{
namespace
{

namespace fs = std::filesystem;
using testing::fileBytes;
using testing::TempFolder;
using testing::writeBytes;

constexpr std::string_view aLine = "2016/7/27|1| 1＋2";
constexpr uid_t nobody = 65534;

struct stat statOf(const fs::path& path)
{
    struct stat info {
    };
    ::lstat(path.c_str(), &info);
    return info;
}

class HistoryPath : public ::testing::Test
{
protected:
    TempFolder folder;
    fs::path file = folder / "历史题目.txt";

    // Saving, deleting and checking all refuse, and leave the path as it was.
    void expectRefusedEverywhere(const fs::path& path, const std::string& why)
    {
        const struct stat before = statOf(path);
        EXPECT_FALSE(checkHistoryTarget(path)) << why;
        const IoResult saved = appendHistoryLine(path, aLine);
        EXPECT_FALSE(saved) << why;
        EXPECT_GT(static_cast<unsigned char>(saved.reason.front()), 0x7F) << saved.reason;
        SavedSets sets(path);
        sets.refresh();
        EXPECT_FALSE(sets.deleteSavedSet(std::nullopt)) << why;
        const struct stat after = statOf(path);
        EXPECT_EQ(after.st_ino, before.st_ino) << why;
        EXPECT_EQ(after.st_mode, before.st_mode) << why;
        EXPECT_EQ(after.st_size, before.st_size) << why;
    }
};

TEST_F(HistoryPath, RefusesEverythingThatIsNotAWritableHistory)
{
    writeBytes(folder / "a.docx", std::string("PK\x03\x04\x14\x00\x06\x00", 8) + "word/\r\n");
    expectRefusedEverywhere(folder / "a.docx", "a document");
    writeBytes(folder / "notes.txt", std::string(aLine) + "\r\nsome note\r\n");
    expectRefusedEverywhere(folder / "notes.txt", "a history with a note in it");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0644), 0);
    expectRefusedEverywhere(folder / "pipe", "a pipe, which must not block either");
    fs::create_directory(folder / "folder");
    expectRefusedEverywhere(folder / "folder", "a folder");
    writeBytes(folder / "read-only", std::string(aLine) + "\r\n");
    ::chmod((folder / "read-only").c_str(), 0444);
    expectRefusedEverywhere(folder / "read-only", "a read-only file, even for the superuser");
    fs::create_symlink("read-only", folder / "link-to-read-only");
    expectRefusedEverywhere(folder / "link-to-read-only", "a link to a read-only file");
    if (::geteuid() == 0) {
        // A null device of our own: were it replaced, the system's stays untouched.
        ASSERT_EQ(::mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        expectRefusedEverywhere(folder / "null", "a character device");
    }
    EXPECT_FALSE(checkHistoryTarget(""));
    EXPECT_FALSE(appendHistoryLine("", aLine));
}

TEST_F(HistoryPath, ReadsNothingTooLargeToBeAHistory)
{
    const std::pair<std::string, std::function<void(const fs::path&)>> rows[] = {
        {"a 65 MB file", [](const fs::path& p) { fs::resize_file(p, (65u << 20)); }},
        {"a 5 MB line", [](const fs::path& p) { writeBytes(p, "a|1|" + std::string(5u << 20, '7')); }},
    };
    for (const auto& [name, make] : rows) {
        writeBytes(file, "");
        make(file);
        const HistoryRead read = readHistoryFile(file);
        EXPECT_FALSE(read.result) << name;
        EXPECT_TRUE(read.lines.empty()) << name;
        EXPECT_FALSE(appendHistoryLine(file, aLine)) << name;
    }
    // A file just below the limit may not be pushed past it either.
    fs::resize_file(file, largestHistoryFile - 4);
    EXPECT_FALSE(appendHistoryLine(file, aLine));
    EXPECT_EQ(fs::file_size(file), largestHistoryFile - 4);
}

TEST_F(HistoryPath, ReadsCrLfAndCrAndLfLineEndsAlike)
{
    writeBytes(file, "a|1| x\rb|2| y\r\nc|3| z\nd|4| w\r");
    SavedSets sets(file);
    ASSERT_TRUE(sets.refresh());
    EXPECT_EQ(sets.lines(), (std::vector<std::string>{"a|1| x", "b|2| y", "c|3| z", "d|4| w"}));
    ASSERT_TRUE(appendHistoryLine(file, aLine));
    ASSERT_TRUE(sets.refresh());
    EXPECT_EQ(sets.lines().size(), 5u);
}

TEST_F(HistoryPath, ALinkedHistoryIsChangedWhereItLives)
{
    fs::create_directory(folder / "elsewhere");
    const fs::path target = folder / "elsewhere" / "target.txt";
    writeBytes(target, "a|1| x\r\n2016/7/26|2| y\r\n");
    fs::create_symlink("elsewhere/target.txt", file);
    fs::create_symlink(folder / "elsewhere" / "new.txt", folder / "dangling");

    ASSERT_TRUE(appendHistoryLine(file, aLine));
    ASSERT_TRUE(appendHistoryLine(folder / "dangling", aLine));
    SavedSets sets(file);
    sets.refresh();
    ASSERT_TRUE(sets.deleteSavedSet(0));

    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling"));
    EXPECT_EQ(fileBytes(target), "2016/7/26|2| y\r\n" + std::string(aLine) + "\r\n");
    EXPECT_EQ(fileBytes(folder / "elsewhere" / "new.txt"), std::string(aLine) + "\r\n");
}

// A rename would leave the other names with the old file, and a rewrite in place is not
// crash-safe: a delete is refused, while a save appends where every name sees it.
TEST_F(HistoryPath, AHardLinkedHistoryTakesSavesButRefusesDeletes)
{
    writeBytes(file, std::string(aLine) + "\r\n");
    fs::create_hard_link(file, folder / "second-name.txt");
    ASSERT_TRUE(appendHistoryLine(folder / "second-name.txt", "2016/7/28|2| 3＋4"));
    const std::string both = std::string(aLine) + "\r\n2016/7/28|2| 3＋4\r\n";
    EXPECT_EQ(fileBytes(file), both);

    SavedSets sets(file);
    sets.refresh();
    const IoResult deleted = sets.deleteSavedSet(0);
    EXPECT_EQ(deleted.status, IoStatus::Refused);
    EXPECT_NE(deleteMessage(deleted).find("硬链接"), std::string::npos);
    EXPECT_EQ(fileBytes(file), both);
    EXPECT_EQ(statOf(file).st_ino, statOf(folder / "second-name.txt").st_ino);
}

// Runs `work` in a child process, as the user nobody when the tests run as the superuser so
// that folder permissions count; returns its exit status.
int inChild(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(90);
        ::_exit(work());
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

// A save and a delete in a child process (see inChild): 0 when the save was made and the delete
// refused with a reason containing `why`, otherwise which of them went wrong.
int saveAndRefusedDelete(const fs::path& history, const std::string& why)
{
    return inChild([&] {
        int wrong = appendHistoryLine(history, "2016/7/28|2| 3＋4") ? 0 : 1;
        SavedSets sets(history);
        sets.refresh();
        const IoResult deleted = sets.deleteSavedSet(0);
        wrong |= deleted.status == IoStatus::Refused ? 0 : 2;
        wrong |= deleteMessage(deleted).find(why) != std::string::npos ? 0 : 4;
        return wrong;
    });
}

// A delete rewrites through a new file renamed over the old one; where the folder takes no new
// file it is refused, and a save appends in place. The superuser's child runs as nobody, in a
// folder that nobody cannot write.
TEST_F(HistoryPath, AFolderThatTakesNoNewFileTakesSavesButRefusesDeletes)
{
    const fs::path closed = folder / "closed";
    fs::create_directory(closed);
    const fs::path history = closed / "历史题目.txt";
    const std::string before = std::string(aLine) + "\r\n";
    writeBytes(history, before);
    ::chmod(folder.path().c_str(), 0711);
    if (::geteuid() == 0)
        ASSERT_EQ(::chown(history.c_str(), nobody, nobody), 0);
    else
        ::chmod(closed.c_str(), 0555);

    EXPECT_EQ(saveAndRefusedDelete(history, "文件夹不能新建文件"), 0);
    ::chmod(closed.c_str(), 0755);
    EXPECT_EQ(fileBytes(history), before + "2016/7/28|2| 3＋4\r\n");
}

struct stat ownedBy(const fs::path& file, uid_t user, gid_t group, mode_t mode)
{
    if (::chown(file.c_str(), user, group) != 0 || ::chmod(file.c_str(), mode) != 0)
        ADD_FAILURE() << "cannot give " << file << " away";
    return statOf(file);
}

void expectSameOwnerAndMode(const struct stat& before, const fs::path& file,
                            const std::string& after)
{
    const struct stat now = statOf(file);
    EXPECT_EQ(now.st_uid, before.st_uid) << after;
    EXPECT_EQ(now.st_gid, before.st_gid) << after;
    EXPECT_EQ(now.st_mode, before.st_mode) << after;
}

TEST_F(HistoryPath, TheSuperuserSavesAndDeletesWithoutTakingTheFileFromItsOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a file to another user";
    writeBytes(file, std::string(aLine) + "\r\n");
    const struct stat before = ownedBy(file, 4242, 4343, 0600);
    ASSERT_TRUE(appendHistoryLine(file, "2016/7/28|2| 3＋4"));
    expectSameOwnerAndMode(before, file, "after a save");
    EXPECT_NE(statOf(file).st_ino, before.st_ino) << "saved by a rename";
    SavedSets sets(file);
    sets.refresh();
    ASSERT_TRUE(sets.deleteSavedSet(0));
    expectSameOwnerAndMode(before, file, "after a delete");
    EXPECT_EQ(fileBytes(file), "2016/7/28|2| 3＋4\r\n");
}

// A user who may write another user's file but cannot give a new one its owner appends in
// place and deletes nothing.
TEST_F(HistoryPath, AnotherUsersFileTakesSavesButRefusesDeletes)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can make a file of another user";
    writeBytes(file, std::string(aLine) + "\r\n");
    ::chmod(folder.path().c_str(), 0777);
    const struct stat before = ownedBy(file, 4242, 4343, 0666);
    EXPECT_EQ(saveAndRefusedDelete(file, "文件属于其他用户"), 0);
    expectSameOwnerAndMode(before, file, "after a save and a delete");
    EXPECT_EQ(statOf(file).st_ino, before.st_ino);
    EXPECT_EQ(fileBytes(file), std::string(aLine) + "\r\n2016/7/28|2| 3＋4\r\n");
}

TEST_F(HistoryPath, ALockHoldsInAFolderThatCannotBeListed)
{
    const fs::path shut = folder / "shut";
    fs::create_directory(shut);
    ::chmod(folder.path().c_str(), 0711);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(shut.c_str(), nobody, nobody), 0);
    }
    ::chmod(shut.c_str(), 0333);
    const fs::path history = shut / "历史题目.txt";
    ASSERT_EQ(inChild([&] { return appendHistoryLine(history, aLine) ? 0 : 1; }), 0);

    int locked[2];
    ASSERT_EQ(::pipe(locked), 0);
    // The holder writes behind the lock's back after a pause; a save that did not wait for
    // the lock would come first, or be lost under the rename.
    const pid_t holder = ::fork();
    if (holder == 0)
        ::_exit(inChild([&] {
            const HistoryFileLock lock(history);
            if (!lock.result() || ::write(locked[1], "L", 1) != 1)
                return 1;
            ::usleep(300000);
            const int fd = ::open(history.c_str(), O_WRONLY | O_APPEND);
            const std::string held = "2016/7/27|1| held\r\n";
            return fd >= 0 && ::write(fd, held.data(), held.size()) == ssize_t(held.size()) ? 0 : 1;
        }));
    char signal = 0;
    ASSERT_EQ(::read(locked[0], &signal, 1), 1);
    EXPECT_EQ(inChild([&] { return appendHistoryLine(history, "2016/7/28|2| 3＋4") ? 0 : 1; }), 0);
    int status = -1;
    ::waitpid(holder, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    ::chmod(shut.c_str(), 0755);
    EXPECT_EQ(fileBytes(history),
              std::string(aLine) + "\r\n2016/7/27|1| held\r\n2016/7/28|2| 3＋4\r\n");
}

} // namespace
} // namespace quill
