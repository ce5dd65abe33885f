#include "records/pupil_records.h"
#include "support/temp_folder.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quill
{
namespace
{

using testing::TempFolder;

std::vector<std::string> mistakeItems(PupilRecords& records, std::string_view pupil,
                                      std::string_view since = "")
{
    std::vector<std::string> items;
    for (const MistakeRecord& mistake : records.mistakes(pupil, since))
        items.push_back(mistake.item);
    return items;
}

void answerSet(PupilRecords& records, std::string_view pupil,
               const std::vector<AnswerRecord>& answers)
{
    ASSERT_TRUE(records.beginSet(pupil, "--count\n4\n", static_cast<int>(answers.size())))
        << records.result().describe();
    for (const AnswerRecord& answer : answers)
        ASSERT_TRUE(records.recordAnswer(answer)) << records.result().describe();
}

TEST(PupilRecords, SetsAndMistakesReadBackAsWritten)
{
    TempFolder folder;
    const auto file = folder / "记录" / std::string(recordsFileName);
    {
        PupilRecords records(file);
        answerSet(records, "小明",
                  {{"3＋4", "7", true, 2}, {"9－5", "3", false, 4}, {"6×7", "41", false, 5}});
        ASSERT_TRUE(records.finishSet(1, 11));
        answerSet(records, "小红", {{"3＋4", "8", false, 1}});
    }
    struct stat info {
    };
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    PupilRecords reopened(file);
    ASSERT_TRUE(reopened.result()) << reopened.result().describe();
    EXPECT_EQ(reopened.pupils(), (std::vector<std::string>{"小红", "小明"}));
    const auto sets = reopened.sets("小明");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].itemCount, 3);
    EXPECT_EQ(sets[0].rightCount, 1);
    EXPECT_EQ(sets[0].seconds, 11);
    EXPECT_TRUE(sets[0].finished);
    EXPECT_EQ(sets[0].options, "--count\n4\n");
    EXPECT_EQ(reopened.sets("").size(), 2u);
    EXPECT_EQ(mistakeItems(reopened, "小明"), (std::vector<std::string>{"9－5", "6×7"}));
    EXPECT_EQ(mistakeItems(reopened, "小红"), (std::vector<std::string>{"3＋4"}));
    EXPECT_TRUE(mistakeItems(reopened, "小明", "9999-01-01").empty());

    // Answered right since: no longer a mistake; wrong again after right: a mistake again.
    answerSet(reopened, "小明", {{"9－5", "4", true, 1}, {"3＋4", "6", false, 1}});
    EXPECT_EQ(mistakeItems(reopened, "小明"), (std::vector<std::string>{"6×7", "3＋4"}));
}

struct DamagedFile {
    const char* name;
    std::string bytes;
    const char* reason;
};

class DamagedRecords : public ::testing::TestWithParam<DamagedFile>
{
};

TEST_P(DamagedRecords, AreReportedAndLeftAsTheyAre)
{
    TempFolder folder;
    const auto file = folder / "r.sqlite";
    std::ofstream(file, std::ios::binary) << GetParam().bytes;
    PupilRecords records(file);
    EXPECT_FALSE(records.result());
    EXPECT_NE(recordsUnusableMessage(records.result()).find(GetParam().reason), std::string::npos)
        << recordsUnusableMessage(records.result());
    EXPECT_FALSE(records.beginSet("小明", "", 1));
    EXPECT_FALSE(records.recordAnswer({"3＋4", "7", true, 1}));
    EXPECT_TRUE(records.mistakes("小明", "").empty());
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), GetParam().bytes);
}

std::string newerSchema()
{
    TempFolder folder;
    const auto file = folder / "n.sqlite";
    {
        PupilRecords records(file);
    }
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    bytes[60 + 3] = 9; // user_version, a big-endian integer at offset 60 of the header
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedRecords,
                         ::testing::Values(DamagedFile{"Text", std::string(5000, 'x'), "损坏"},
                                           DamagedFile{
                                               "TornHeader",
                                               std::string("SQLite format 3\0\x10\x00", 18) +
                                                   std::string(4000, '\xff'),
                                               "损坏"},
                                           DamagedFile{"NewerVersion", newerSchema(), "更新版本"}),
                         [](const auto& info) { return info.param.name; });

TEST(PupilRecords, AFolderInTheDatabasesPlaceIsReported)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "r.sqlite");
    PupilRecords records(folder / "r.sqlite");
    EXPECT_FALSE(records.result());
    EXPECT_FALSE(records.beginSet("小明", "", 1));
}

TEST(PupilRecords, ADatabaseLockedByAnotherProgramIsReportedAfterTheWait)
{
    TempFolder folder;
    const auto file = folder / "r.sqlite";
    {
        PupilRecords created(file);
    }
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    PupilRecords records(file);
    EXPECT_FALSE(records.beginSet("小明", "", 1));
    EXPECT_NE(recordsUnusableMessage(records.result()).find("占用"), std::string::npos)
        << recordsUnusableMessage(records.result());
    sqlite3_close(other);
}

// Children that record `count` answers each as `pupil-N`, all at once.
void recordInChildren(const std::filesystem::path& file, int children, int count)
{
    std::vector<pid_t> pids;
    for (int child = 0; child < children; ++child) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            PupilRecords records(file);
            bool ok = records.beginSet("pupil-" + std::to_string(child), "", count);
            for (int i = 0; ok && i < count; ++i)
                ok = records.recordAnswer({std::to_string(i) + "＋1", "0", false, 0});
            if (!ok)
                std::fprintf(stderr, "%s\n", records.result().describe().c_str());
            ::_exit(ok ? 0 : 1);
        }
        pids.push_back(pid);
    }
    for (const pid_t pid : pids) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a child failed to record";
    }
}

TEST(PupilRecords, TwoProgramsRecordAtOnce)
{
    TempFolder folder;
    const auto file = folder / "r.sqlite";
    recordInChildren(file, 2, 300);
    PupilRecords records(file);
    EXPECT_EQ(mistakeItems(records, "pupil-0").size(), 300u);
    EXPECT_EQ(mistakeItems(records, "pupil-1").size(), 300u);
}

TEST(PupilRecords, AKillWhileRecordingLeavesAReadableDatabase)
{
    TempFolder folder;
    const auto file = folder / "r.sqlite";
    std::size_t announcedInAll = 0;
    for (const int delayMicroseconds : {0, 2000, 7000, 20000}) {
        int announce[2];
        ASSERT_EQ(::pipe(announce), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(announce[0]);
            PupilRecords records(file);
            records.beginSet("小明", "", 0);
            for (int i = 0;; ++i)
                if (records.recordAnswer(
                        {std::to_string(delayMicroseconds) + "-" + std::to_string(i), "1", false,
                         0}))
                    (void)!::write(announce[1], "r", 1);
        }
        ::close(announce[1]);
        ::usleep(delayMicroseconds);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        char buffer[4096];
        for (ssize_t got; (got = ::read(announce[0], buffer, sizeof buffer)) > 0;)
            announcedInAll += static_cast<std::size_t>(got);
        ::close(announce[0]);

        PupilRecords records(file);
        ASSERT_TRUE(records.result()) << records.result().describe();
        // Every answer the child was told was stored is there, each under its own item.
        EXPECT_GE(records.mistakes("小明", "").size(), announcedInAll);
        EXPECT_TRUE(records.beginSet("小明", "", 1));
        EXPECT_TRUE(records.recordAnswer({"after", "1", false, 0}));
    }
}

} // namespace
} // namespace quill
