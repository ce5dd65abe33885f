#include "cli/answer_line_reading.h"
#include "cli/command_line.h"
#include "cli/terminal_answering.h"
#include "engine/answering_session.h"

#include <algorithm>
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

// The summary's first line, "共 4 题；正确 1 题；得分：25 分；用时：0分0秒", without the time.
std::string scoreOf(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        if (line.starts_with("共 "))
            return line.substr(0, line.find("；用时："));
    return "no summary";
}

// Answers every item with 0, then with the answers the wrong ones were told: a pupil who
// types what the program says is right must score 100, whatever the kind of item.
TEST(TerminalAnswering, TheAnswersItTellsAreTheAnswersItAccepts)
{
    struct Guessed {
        std::vector<std::string> args;
        std::string guess; // a quotient and a remainder where one is asked
    };
    const std::vector<Guessed> settings = {
        {{"--grade", "0"}, "0"},
        {{"--grade", "5", "--ops", "div", "--no-exact"}, "0 0"},
        {{"--numbers", "decimal", "--places", "2", "--keep", "1"}, "0"},
        {{"--numbers", "percent", "--ops", "add,sub"}, "0"},
        {{"--numbers", "fraction"}, "0"},
    };
    for (auto [args, guess] : settings) {
        for (const char* seed : {"1", "2", "3"}) {
            args.insert(args.end(), {"--count", "12", "--seed", seed});
            std::string guesses;
            for (int i = 0; i < 12; ++i)
                guesses += guess + "\n";
            const Answered guessed = answer(args, guesses);
            ASSERT_EQ(guessed.status, exitOk);
            ASSERT_GE(guessed.lines.size(), 13u);
            std::string told;
            for (std::size_t i = 0; i < 12; ++i) {
                const std::string& line = guessed.lines[i];
                const std::size_t at = line.find(rightAnswerIs);
                told += (at == std::string::npos ? guess : line.substr(at + rightAnswerIs.size())) +
                        "\n";
            }
            const Answered right = answer(args, told);
            ASSERT_EQ(right.lines.size(), 13u);
            for (std::size_t i = 0; i < 12; ++i)
                EXPECT_TRUE(right.lines[i].ends_with(rightAnswerMessage)) << right.lines[i];
            EXPECT_EQ(scoreOf(right.lines), "共 12 题；正确 12 题；得分：100 分");
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
    };
    ASSERT_GT(answered.lines.size(), expected.size());
    EXPECT_EQ(std::vector(answered.lines.begin(), answered.lines.begin() + 4), expected);
    EXPECT_EQ(scoreOf(answered.lines), "共 4 题；正确 1 题；得分：25 分");
    const std::vector<std::string> wrong = {"做错的题：", "27÷8＝3……3（没有作答）",
                                            "10÷6＝1……4（没有作答）"};
    EXPECT_EQ(std::vector(answered.lines.begin() + 5, answered.lines.begin() + 8), wrong);
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
        {"--kind", "vertical"}, {"--kind", "estimation"}, {"--kind", "steps"},
        {"--kind", "laws"},     {"--kind", "equations"},  {"--kind", "units"}};
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
    EXPECT_TRUE(scoreOf(answered.lines).starts_with("共 4 题；正确 ")) << told;
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

// Words are refused with the reason and asked again; a script that only types words still
// comes to the end of the set.
TEST(TerminalAnswering, LinesThatAreNoAnswerAreAskedAgain)
{
    const std::vector<std::string> args = {"--ops", "add", "--count", "2", "--seed", "4"};
    const Answered told = answer(args, "\n\n");
    const std::string first = told.lines.at(4).substr(0, told.lines.at(4).find("（"));
    const std::string right = first.substr(first.find("＝") + std::string_view("＝").size());
    const Answered answered = answer(args, "abc\n" + right + "\n" + std::string(5, 'x') + "\n");
    ASSERT_EQ(answered.status, exitOk);
    EXPECT_TRUE(answered.lines.at(0).ends_with("“abc”不是答案：答案里只能有数字、小数点、"
                                               "分数线“/”、百分号“%”，每个数最多一个小数点。"
                                               "请再写一次！"))
        << answered.lines.at(0);
    EXPECT_TRUE(answered.lines.at(1).ends_with(rightAnswerMessage)) << answered.lines.at(1);
    EXPECT_EQ(scoreOf(answered.lines), "共 2 题；正确 1 题；得分：50 分");

    std::string words;
    for (int i = 0; i < 20; ++i)
        words += "twelve\n";
    const Answered wordy = answer(args, words);
    EXPECT_EQ(wordy.status, exitOk);
    EXPECT_EQ(scoreOf(wordy.lines), "共 2 题；正确 0 题；得分：0 分");
    EXPECT_EQ(std::count(wordy.lines.begin(), wordy.lines.end(), stillNotAnAnswerMessage), 2)
        << "each item passed over after three refused lines";
}

// A fraction answer not in lowest terms is asked again, and the mark is not lost.
TEST(TerminalAnswering, AFractionNotInLowestTermsIsAskedAgain)
{
    const std::vector<std::string> args = {"--numbers", "fraction", "--count", "1", "--seed", "3"};
    const Answered told = answer(args, "\n");
    ASSERT_EQ(told.lines.size(), 4u);
    const std::string wrong = told.lines[3]; // "12/19×10/14＝60/133（没有作答）"
    const std::size_t equals = wrong.find("＝") + std::string_view("＝").size();
    const std::string right = wrong.substr(equals, wrong.find("（") - equals);
    const std::size_t slash = right.find('/');
    ASSERT_NE(slash, std::string::npos) << right;
    const std::string doubled = std::to_string(2 * std::stol(right.substr(0, slash))) + "/" +
                                std::to_string(2 * std::stol(right.substr(slash + 1)));
    const Answered answered = answer(args, doubled + "\n" + right + "\n");
    ASSERT_EQ(answered.status, exitOk);
    EXPECT_TRUE(answered.lines.at(0).ends_with(notReducedMessage)) << answered.lines.at(0);
    EXPECT_TRUE(answered.lines.at(1).ends_with(rightAnswerMessage)) << answered.lines.at(1);
    EXPECT_EQ(scoreOf(answered.lines), "共 1 题；正确 1 题；得分：100 分");
}

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
