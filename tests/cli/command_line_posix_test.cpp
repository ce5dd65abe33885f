#include "cli/command_line.h"
#include "support/child_process.h"
#include "support/temp_folder.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The command line's answers to what only POSIX has: SIGINT, fifos and /dev/zero. Each run
// goes in a forked child, so a hang or a signal ends only the child.

namespace quill
{
namespace
{

using Result = testing::ChildRun;

// A command line run in a child process that may take at most ten seconds (status 142,
// SIGALRM, when it hung); `meanwhile` gets the child's id while it runs.
Result runInChild(const std::vector<std::string>& args,
                  const std::function<void(pid_t)>& meanwhile = {})
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {-1, {}, {}};
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        std::istringstream in;
        std::ostringstream out, err;
        const int status = runCommandLine(args, in, out, err);
        const std::string text = err.str();
        ::write(pipeEnds[1], text.data(), text.size());
        ::_exit(status);
    }
    ::close(pipeEnds[1]);
    if (meanwhile)
        meanwhile(child);
    std::string err;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        err.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = -1;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), {}, err};
}

int exitWithin10s(const std::vector<std::string>& args)
{
    return runInChild(args).status;
}

class PosixHistoryCommand : public ::testing::Test
{
protected:
    testing::TempFolder folder;
    std::string file = (folder / "历史题目.txt").string();
};

// Ten thousand exact divisions of four-place percentages up to 1000, which are still found by
// redrawing, take far longer than a third of a second.
TEST_F(PosixHistoryCommand, CtrlCStopsTheDrawWritesNothingAndSaysSo)
{
    const Result interrupted =
        runInChild({"generate",  "--kind",    "oral",         "--ops",
                    "div",       "--numbers", "percent",      "--places",
                    "4",         "--exact",   "--to",         "1000",
                    "--count",   "10000",     "--out",        folder.path().string(),
                    "--history", file,        "--time-limit", "0"},
                   [](pid_t child) {
                       ::usleep(300000);
                       ::kill(child, SIGINT);
                   });
    EXPECT_EQ(interrupted.status, exitInterrupted);
    EXPECT_TRUE(interrupted.err.ends_with("出题已被 Ctrl+C 终止，什么都没写。\n"))
        << interrupted.err;
    // The terminal speaks of its own keys and options, never of the window's buttons.
    EXPECT_EQ(interrupted.err.find("点击"), std::string::npos) << interrupted.err;
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(PosixHistoryCommand, SpecialFilesAreRefusedAtOnceAndNothingIsWritten)
{
    const std::string pipe = (folder / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    for (const std::string& special : {std::string("/dev/zero"), pipe}) {
        for (const char* action : {"list", "load", "delete"})
            EXPECT_EQ(exitWithin10s({"history", action, "1", "--history", special}), exitFailed)
                << special << " " << action;
        EXPECT_EQ(
            exitWithin10s({"generate", "--history", special, "--out", (folder / "docs").string()}),
            exitFailed)
            << special;
    }
    // Refused before the worksheet is written, so a second try makes no duplicate.
    EXPECT_FALSE(std::filesystem::exists(folder / "docs"));
}

} // namespace
} // namespace quill
