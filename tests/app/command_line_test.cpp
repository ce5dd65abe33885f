#include "app/command_line.h"

#include "app/version.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quill {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;

    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        std::istringstream stream(out);
        for (std::string line; std::getline(stream, line);)
            result.push_back(line);
        return result;
    }
};

Result run(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int status = runCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

Result print(std::vector<std::string> args)
{
    args.insert(args.begin(), "generate");
    args.push_back("--print");
    return run(args);
}

TEST(CommandLine, TellsWhichArgumentsAreForIt)
{
    EXPECT_FALSE(wantsCommandLine({}));
    EXPECT_TRUE(wantsCommandLine({"generate"}));
    EXPECT_TRUE(wantsCommandLine({"history", "list"}));
    EXPECT_TRUE(wantsCommandLine({"--version"}));
    EXPECT_FALSE(wantsCommandLine({"-style", "fusion"}));
}

TEST(CommandLine, HelpAndVersion)
{
    const Result version = run({"--version"});
    EXPECT_EQ(version.status, exitOk);
    EXPECT_EQ(version.out, std::string("Quillmere ") + versionText + "\n");
    const Result help = run({"generate", "--help"});
    EXPECT_EQ(help.status, exitOk);
    for (const char* option : {"--kind", "--numbers", "--ops", "--from", "--to", "--grade", "--count",
                               "--columns", "--font-size", "--row-height", "--font", "--places",
                               "--keep", "--exact", "--no-exact", "--zero-middle", "--zero-end",
                               "--round-tens", "--fill-in", "--easy", "--cap-results", "--steps",
                               "--closeness", "--laws", "--units", "--answers", "--no-borders",
                               "--no-save", "--seed", "--out", "--print"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST(CommandLine, BadOptionsExitWithTwoAndPrintNothing)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"generate", "--bogus"},
             {"generate", "--count", "abc"},
             {"generate", "--count", "-3"},
             {"generate", "--count"},
             {"generate", "--grade", "13"},
             {"generate", "--kind", "poetry"},
             {"generate", "--ops", "add,,div"},
             {"generate", "--print=yes"},
             {"generate", "--font", "Comic Sans"},
             {"generate", "--kind", "steps", "--fill-in", "--print"},
             {"generate", "--from", "50", "--to", "10", "--print"},
             {"generate", "--to", "40000", "--print"},
             {"frobnicate"}}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, exitUsage) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
        EXPECT_FALSE(r.err.empty()) << args.back();
    }
}

TEST(CommandLine, ASeedRepeatsTheSetAndIsAlwaysReported)
{
    const Result first = print({"--seed", "77"});
    const Result second = print({"--seed=77"});
    ASSERT_EQ(first.status, exitOk);
    EXPECT_EQ(first.out, second.out);
    EXPECT_EQ(first.lines().size(), 24u);
    EXPECT_NE(first.err.find("77"), std::string::npos);
    const Result unseeded = print({});
    EXPECT_NE(unseeded.err.find("--seed "), std::string::npos);
}

TEST(CommandLine, OptionsApplyInTheOrderOfClicks)
{
    // 口算 sets 80 items for four columns; five columns then give 105.
    EXPECT_EQ(print({"--columns", "5", "--kind", "oral", "--seed", "1"}).lines().size(), 105u);
    // An explicit count wins over the count the kind sets.
    EXPECT_EQ(print({"--kind", "oral", "--count", "7", "--seed", "1"}).lines().size(), 7u);
}

TEST(CommandLine, OperationsAndGradeShapeTheItems)
{
    const Result r = print({"--ops", "add", "--grade", "1", "--count", "15", "--seed", "3"});
    ASSERT_EQ(r.status, exitOk);
    for (const std::string& item : r.lines()) {
        const auto plus = item.find("＋");
        ASSERT_NE(plus, std::string::npos) << item;
        EXPECT_LE(std::stoi(item.substr(0, plus)) + std::stoi(item.substr(plus + 3)), 20) << item;
    }
}

TEST(CommandLine, ValidationRepairsAreReported)
{
    const Result r = print({"--row-height", "5", "--count", "3", "--seed", "2"});
    EXPECT_EQ(r.status, exitOk);
    EXPECT_NE(r.err.find("行距请不要少于20磅！"), std::string::npos);
}

TEST(CommandLine, FamiliesNotYetAvailableAreRefused)
{
    const Result r = print({"--numbers", "fraction"});
    EXPECT_EQ(r.status, exitUsage);
    EXPECT_TRUE(r.out.empty());
}

} // namespace
} // namespace quill
