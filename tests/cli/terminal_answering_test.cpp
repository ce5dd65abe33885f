#include "cli/answer_line_reading.h"
#include "cli/command_line.h"
#include "cli/terminal_answering.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quill
{
namespace
{

struct Answered {
    int status;
    std::vector<std::string> lines;
    std::string err;
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

Answered answer(std::vector<std::string> args, const std::string& input)
{
    args.insert(args.begin(), "answer");
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCommandLine(args, in, out, err);
    return {status, linesOf(out.str()), err.str()};
}

// The items a run of `answer` asks, each passed over with an empty line:
// "第 3 题（…）：45÷9＝没有作答，下一题。" gives 45÷9.
std::vector<std::string> askedItems(const std::vector<std::string>& args)
{
    const Answered answered = answer(args, std::string(10000, '\n'));
    EXPECT_EQ(answered.status, exitOk) << answered.err;
    std::vector<std::string> items;
    for (const std::string& line : answered.lines) {
        const size_t colon = line.find("：");
        const size_t equals = line.find("＝");
        if (colon != std::string::npos && equals != std::string::npos)
            items.push_back(line.substr(colon + 3, equals - colon - 3));
    }
    return items;
}

constexpr std::string_view rightAnswerIs = "正确答案是：";

// Answers every item with 0, then with the answers the wrong ones were told: a pupil who
// types what the program says is right must score 100, whatever the kind of item.
TEST(TerminalAnswering, TheAnswersItTellsAreTheAnswersItAccepts)
{
    const std::vector<std::vector<std::string>> settings = {
        {"--grade", "0"},
        {"--grade", "5", "--ops", "div", "--no-exact"}, // quotients with remainders
        {"--numbers", "decimal", "--places", "2", "--keep", "1"},
        {"--numbers", "percent", "--ops", "add,sub"},
    };
    for (std::vector<std::string> args : settings) {
        for (const char* seed : {"1", "2", "3"}) {
            args.insert(args.end(), {"--count", "12", "--seed", seed});
            std::string guesses;
            for (int i = 0; i < 12; ++i)
                guesses += "0 0\n"; // a quotient and a remainder where one is asked
            const Answered guessed = answer(args, guesses);
            ASSERT_EQ(guessed.status, exitOk);
            ASSERT_EQ(guessed.lines.size(), 13u);
            std::string told;
            for (std::size_t i = 0; i < 12; ++i) {
                const std::string& line = guessed.lines[i];
                const std::size_t at = line.find(rightAnswerIs);
                told += (at == std::string::npos ? "0 0" : line.substr(at + rightAnswerIs.size())) +
                        "\n";
            }
            const Answered right = answer(args, told);
            ASSERT_EQ(right.lines.size(), 13u);
            for (std::size_t i = 0; i < 12; ++i)
                EXPECT_TRUE(right.lines[i].ends_with(rightAnswerMessage)) << right.lines[i];
            EXPECT_EQ(right.lines.back(), "共 12 题；正确 12 题；得分：100 分");
            args.resize(args.size() - 4);
        }
    }
}

TEST(TerminalAnswering, BlankLinesAndTheEndOfInputLeaveItemsUnanswered)
{
    const std::vector<std::string> args = {"--grade", "5", "--ops",  "div", "--no-exact",
                                           "--count", "4", "--seed", "2"};
    // 27÷8, 17÷4, 10÷6, …: a missing remainder asks again, a blank line passes over.
    const Answered answered = answer(args, "3\n\n4……1\n");
    ASSERT_EQ(answered.status, exitOk);
    const std::vector<std::string> expected = {
        "第 1 题（商和余数用……隔开）：27÷8＝" + std::string(remainderMissingMessage),
        "第 1 题（商和余数用……隔开）：27÷8＝" + std::string(skippedItemMessage),
        "第 2 题（商和余数用……隔开）：17÷4＝" + std::string(rightAnswerMessage),
        "第 3 题（商和余数用……隔开）：10÷6＝",
        "共 4 题；正确 1 题；得分：25 分",
    };
    EXPECT_EQ(answered.lines, expected);
}

// The set `answer` asks is the set `generate --kind oral` prints, for any options and seed.
TEST(TerminalAnswering, AsksExactlyTheItemsOfTheOralSetOfTheSameSeed)
{
    const std::vector<std::vector<std::string>> settings = {
        {},
        {"--grade", "2"},
        {"--grade", "5", "--ops", "div", "--no-exact"},
        {"--grade", "12", "--ops", "mul,div", "--to", "1000"},
        {"--numbers", "decimal", "--places", "2", "--keep", "1"},
        {"--numbers", "percent", "--ops", "add,div"},
        {"--zero-end", "--count", "40"},
        {"--round-tens", "--grade", "7", "--cap-results"},
        {"--kind", "oral", "--ops", "add", "--to", "20", "--count", "30"},
    };
    for (const std::vector<std::string>& options : settings)
        for (const char* seed : {"1", "2", "3"}) {
            std::vector<std::string> args = options;
            args.insert(args.end(), {"--seed", seed});
            std::vector<std::string> printing = {"generate", "--kind", "oral", "--print"};
            printing.insert(printing.end(), args.begin(), args.end());
            std::istringstream none;
            std::ostringstream printed, err;
            ASSERT_EQ(runCommandLine(printing, none, printed, err), exitOk) << err.str();
            const std::vector<std::string> asked = askedItems(args);
            EXPECT_FALSE(asked.empty());
            EXPECT_EQ(asked, linesOf(printed.str())) << testing::PrintToString(args);
        }
}

TEST(TerminalAnswering, KindsThatCannotBeAnsweredAreRefusedWithTheReason)
{
    const std::vector<std::vector<std::string>> refused = {
        {"--kind", "vertical"},   {"--kind", "estimation"}, {"--kind", "steps"},
        {"--kind", "laws"},       {"--kind", "equations"},  {"--kind", "units"},
        {"--numbers", "fraction"}};
    for (const std::vector<std::string>& args : refused) {
        const Answered answered = answer(args, "1\n");
        EXPECT_EQ(answered.status, exitUsage) << args.back();
        EXPECT_TRUE(answered.lines.empty()) << args.back();
        EXPECT_TRUE(answered.err.starts_with("上机答题只出")) << answered.err;
    }
}

struct InputCase {
    const char* name;
    std::string input;
    int status;
    std::string message; // on stdout or stderr
};

class AnswerInput : public ::testing::TestWithParam<InputCase>
{
};

// Input that cannot hold answers ends the answering at once, with the score so far; a line
// as long as allowed, and a script that never writes the remainder, are answered to the end.
TEST_P(AnswerInput, EndsOnInputThatCannotBeAnswers)
{
    const InputCase& c = GetParam();
    const Answered answered = answer(
        {"--grade", "5", "--ops", "div", "--no-exact", "--count", "4", "--seed", "2"}, c.input);
    EXPECT_EQ(answered.status, c.status);
    std::string told = answered.err;
    for (const std::string& line : answered.lines)
        told += line + "\n";
    EXPECT_NE(told.find(c.message), std::string::npos) << told;
    ASSERT_FALSE(answered.lines.empty());
    EXPECT_TRUE(answered.lines.back().starts_with("共 4 题；正确 ")) << answered.lines.back();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AnswerInput,
    ::testing::Values(
        InputCase{"zeroBytes", std::string(100000, '\0'), exitFailed, "第 1 行含有空字符"},
        InputCase{"nulAfterAnAnswer", std::string("3……3\n7\0\n", 12), exitFailed,
                  "第 2 行含有空字符"},
        InputCase{"overlongLine", std::string(longestAnswerLine + 1, '7') + "\n", exitFailed,
                  "第 1 行超过 4096 个字节"},
        InputCase{"lineOfTheLongestLength",
                  std::string(longestAnswerLine - 3, ' ') + "7 1\n" + std::string(3, '\n'), exitOk,
                  "第 1 题（商和余数用……隔开）：27÷8＝加油哦！"},
        InputCase{"remainderNeverGiven", std::string(20, '3') + "\n3\n3\n3\n3\n3\n3\n3\n3\n",
                  exitOk,
                  "第 4 题（商和余数用……隔开）：" /* reached: two lines at most per item */}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TerminalAnswering, OptionsThatWriteOrSaveAreRefused)
{
    for (const char* option : {"--out", "--print", "--answers", "--no-save"}) {
        std::vector<std::string> args = {option};
        if (std::string_view(option) == "--out")
            args.push_back("folder");
        EXPECT_EQ(answer(args, "").status, exitUsage) << option;
    }
}

} // namespace
} // namespace quill
