#include "base/version.h"
#include "cli/command_line.h"
#include "support/gbk.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace quill
{
namespace
{

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
    for (const char* option :
         {"--kind",    "--numbers", "--ops",         "--from",        "--to",        "--grade",
          "--count",   "--columns", "--font-size",   "--row-height",  "--font",      "--places",
          "--keep",    "--exact",   "--no-exact",    "--zero-middle", "--zero-end",  "--round-tens",
          "--fill-in", "--easy",    "--cap-results", "--steps",       "--closeness", "--laws",
          "--units",   "--answers", "--no-borders",  "--no-save",     "--seed",      "--out",
          "--print"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    // Every history error message points to this.
    const Result historyHelp = run({"history", "--help"});
    EXPECT_EQ(historyHelp.status, exitOk);
    EXPECT_NE(historyHelp.out.find("--history"), std::string::npos);
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

TEST(CommandLine, PrintsAnswerKeysInTheFormOfTheAnswerSheet)
{
    const auto answerOf = [](const std::string& line) { return line.substr(line.find('\t') + 1); };
    const Result division =
        print({"--answers", "--ops", "div", "--grade", "5", "--no-exact", "--numbers", "decimal",
               "--places", "0", "--count", "12", "--seed", "4"});
    ASSERT_EQ(division.lines().size(), 12u) << division.err;
    for (const std::string& line : division.lines())
        EXPECT_TRUE(answerOf(line).starts_with("＝") || answerOf(line).starts_with("=") ||
                    answerOf(line).starts_with("≈"))
            << line;

    const Result estimation =
        print({"--answers", "--kind", "estimation", "--count", "10", "--seed", "4"});
    for (const std::string& line : estimation.lines()) {
        ASSERT_TRUE(answerOf(line).starts_with("≈")) << line;
        EXPECT_EQ(std::stoi(answerOf(line).substr(3)) % 10, 0) << line;
    }

    const Result steps = print({"--answers", "--kind", "steps", "--count", "6", "--seed", "4"});
    ASSERT_EQ(steps.lines().size(), 6u);
    for (const std::string& line : steps.lines())
        EXPECT_NO_THROW(std::stod(answerOf(line))) << line;

    const Result equations =
        print({"--answers", "--kind", "equations", "--count", "6", "--seed", "4"});
    ASSERT_EQ(equations.lines().size(), 6u);
    for (const std::string& line : equations.lines()) {
        EXPECT_NE(line.find('X'), std::string::npos) << line;
        EXPECT_EQ(answerOf(line).find('X'), std::string::npos) << line;
    }
}

TEST(CommandLine, PrintsUnitQuestionsAndTheirAnswers)
{
    // The menu items go by either name; both lists give the same set.
    const Result questions =
        print({"--kind", "units", "--units", "jine", "--count", "8", "--seed", "3"});
    ASSERT_EQ(questions.status, exitOk) << questions.err;
    EXPECT_EQ(print({"--kind", "units", "--units", "money", "--count", "8", "--seed", "3"}).out,
              questions.out);
    const Result answers =
        print({"--kind", "units", "--units", "money", "--count", "8", "--seed", "3", "--answers"});
    const std::vector<std::string> asked = questions.lines(), answered = answers.lines();
    ASSERT_EQ(asked.size(), 8u);
    ASSERT_EQ(answered.size(), 8u);
    for (size_t k = 0; k < 8; ++k) {
        EXPECT_TRUE(std::regex_match(asked[k], std::regex("[0-9.]+ (元|角|分)＝（ ）(元|角|分)")))
            << asked[k];
        EXPECT_TRUE(std::regex_match(answered[k], std::regex(asked[k] + "\t[0-9.]+")))
            << answered[k];
    }
    EXPECT_EQ(print({"--kind", "units", "--units", "furlongs"}).status, exitUsage);
}

// --no-easy clears the 简易简便 that 简便计算 ticks: key values then only end in 0 (A＋C here).
TEST(CommandLine, PrintsLawExpressionsAndTheirAnswers)
{
    const std::vector<std::string> law = {"--kind",  "laws", "--laws", "jfjh", "--no-easy",
                                          "--count", "6",    "--seed", "5"};
    const Result questions = print(law);
    ASSERT_EQ(questions.status, exitOk) << questions.err;
    std::vector<std::string> withAnswers = law;
    withAnswers.push_back("--answers");
    const std::vector<std::string> asked = questions.lines(), answered = print(withAnswers).lines();
    ASSERT_EQ(asked.size(), 6u);
    ASSERT_EQ(answered.size(), 6u);
    bool notTens = false;
    for (size_t k = 0; k < 6; ++k) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(asked[k], m, std::regex("(\\d+)＋(\\d+)＋(\\d+)")))
            << asked[k];
        const int a = std::stoi(m[1]), b = std::stoi(m[2]), c = std::stoi(m[3]);
        EXPECT_EQ((a + c) % 10, 0) << asked[k];
        notTens = notTens || (a + c != 10 && a + c != 100);
        EXPECT_EQ(answered[k], asked[k] + "\t" + std::to_string(a + b + c));
    }
    EXPECT_TRUE(notTens) << "outside easy mode any sum ending in 0 will do";
    EXPECT_EQ(print({"--kind", "laws", "--laws", "chuffp"}).status, exitUsage)
        << "除法性质（分配除） has no items";
}

TEST(CommandLine, FamiliesNotYetAvailableAreRefused)
{
    const Result r = print({"--numbers", "fraction"});
    EXPECT_EQ(r.status, exitUsage);
    EXPECT_TRUE(r.out.empty());
}

class HistoryCommand : public ::testing::Test
{
protected:
    testing::TempFolder folder;
    std::string file = (folder / "历史题目.txt").string();

    Result history(std::vector<std::string> args)
    {
        args.insert(args.begin(), "history");
        args.insert(args.end(), {"--history", file, "--out", folder.path().string()});
        return run(args);
    }
};

TEST_F(HistoryCommand, GeneratedSetsAreListedLoadedAndDeleted)
{
    for (const char* kind : {"oral", "vertical", "equations"}) {
        const Result r = run({"generate", "--kind", kind, "--count", "4", "--seed", "9",
                              "--history", file, "--out", folder.path().string()});
        ASSERT_EQ(r.status, exitOk) << r.err;
        EXPECT_EQ(r.lines().size(), 1u) << "the question document's path";
    }
    const Result listed = history({"list"});
    ASSERT_EQ(listed.lines().size(), 3u);
    EXPECT_NE(listed.lines()[0].find("1\t"), std::string::npos);
    EXPECT_NE(listed.lines()[0].find("口算"), std::string::npos);
    EXPECT_NE(listed.lines()[2].find("解方程"), std::string::npos);

    const Result loaded = history({"load", "3", "--answers"});
    EXPECT_EQ(loaded.status, exitOk) << loaded.err;
    EXPECT_EQ(loaded.lines().size(), 2u) << "question and answer documents";

    EXPECT_EQ(history({"delete", "2"}).status, exitOk);
    const Result after = history({"list"});
    ASSERT_EQ(after.lines().size(), 2u);
    EXPECT_NE(after.lines()[1].find("解方程"), std::string::npos);
}

TEST_F(HistoryCommand, BadIndexesLeaveTheFileUntouched)
{
    ASSERT_EQ(run({"generate", "--count", "3", "--history", file, "--out", folder.path().string()})
                  .status,
              exitOk);
    const std::string before = testing::fileBytes(file);
    for (const char* index : {"0", "2", "-1", "x", "1x"}) {
        const Result r = history({"delete", index});
        EXPECT_EQ(r.status, exitUsage) << index;
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(history({"load", index}).status, exitUsage) << index;
    }
    EXPECT_EQ(history({"delete"}).status, exitUsage);
    EXPECT_EQ(history({"rename", "1"}).status, exitUsage);
    EXPECT_EQ(testing::fileBytes(file), before);
}

TEST_F(HistoryCommand, AGbkHistoryFileIsListedAndLoaded)
{
    std::ofstream(file, std::ios::binary) << testing::toGbk(
        "2016/7/27|1| 37＋48 63－27\r\n2016/7/28|6| 12＋5＋8＝25| X＋5＋8＝25\r\n");
    const Result listed = history({"list"});
    EXPECT_EQ(listed.lines(), (std::vector<std::string>{"1\t2016/7/27口算", "2\t2016/7/28解方程"}));
    const Result loaded = history({"load", "2"});
    EXPECT_EQ(loaded.status, exitOk) << loaded.err;
    ASSERT_EQ(loaded.lines().size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(loaded.lines()[0]));
    EXPECT_NE(loaded.lines()[0].find("解方程"), std::string::npos);
}

TEST_F(HistoryCommand, PrintingSavesNothing)
{
    EXPECT_EQ(run({"generate", "--print", "--history", file}).status, exitOk);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(history({"list"}).out.empty());
}

} // namespace
} // namespace quill
