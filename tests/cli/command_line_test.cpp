#include "base/utf8.h"
#include "base/version.h"
#include "cli/command_line.h"
#include "engine/generate_options.h"
#include "output/pdf_drawing.h"
#include "settings/exercise_kinds.h"
#include "support/child_process.h"
#include "support/gbk.h"
#include "support/platform.h"
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

Result run(std::vector<std::string> args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCommandLine(args, in, out, err);
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
         {"--kind",        "--numbers",      "--ops",        "--from",      "--to",
          "--grade",       "--count",        "--columns",    "--font-size", "--row-height",
          "--font",        "--places",       "--keep",       "--exact",     "--no-exact",
          "--zero-middle", "--zero-end",     "--round-tens", "--fill-in",   "--easy",
          "--cap-results", "--steps",        "--closeness",  "--laws",      "--units",
          "--answers",     "--no-borders",   "--no-save",    "--seed",      "--out",
          "--print",       "--allow-trivial"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    // Every history error message points to this.
    const Result historyHelp = run({"history", "--help"});
    EXPECT_EQ(historyHelp.status, exitOk);
    EXPECT_NE(historyHelp.out.find("--history"), std::string::npos);
}

// The kinds come from the kind table: each is listed, chosen by every one of its names, and
// refused for answering unless the table says its items can be answered.
TEST(CommandLine, EveryKindIsListedAndChosenByEachOfItsNames)
{
    const std::string help = run({"generate", "--help"}).out;
    for (const ExerciseKindRow& row : exerciseKinds()) {
        const std::string listed = std::string(row.commandName) + " " + std::string(row.caption);
        EXPECT_NE(help.find(listed), std::string::npos) << listed;
        for (const std::string_view name : {row.commandName, row.caption, row.fractionCaption}) {
            if (!name.empty()) {
                EXPECT_EQ(parseGenerateOptions({"--kind", std::string(name)}).kind, row.kind)
                    << name;
            }
        }
        const Result answering = run({"answer", "--kind", std::string(row.commandName)});
        if (row.answeredOnScreen) {
            EXPECT_EQ(answering.status, exitOk) << row.commandName;
        } else {
            EXPECT_EQ(answering.status, exitUsage) << row.commandName;
            EXPECT_NE(answering.err.find(row.caption), std::string::npos) << answering.err;
        }
    }
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
             // Items no sheet can show: fractions have no blank to fill and no law items.
             {"generate", "--numbers", "fraction", "--fill-in", "--print"},
             {"generate", "--kind", "laws", "--numbers", "fraction", "--print"},
             {"generate", "--from", "50", "--to", "10", "--print"},
             {"generate", "--to", "40000", "--print"},
             {"generate", "--part", " \t ", "--print"},
             {"generate", "--recipe"},
             {"generate", "--recipe", "/nonexistent/配方.toml", "--print"},
             {"answer", "--part", "--count 5"},
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
    // An explicit count wins over the count the kind sets, and over the repair of the columns.
    EXPECT_EQ(print({"--kind", "oral", "--count", "7", "--seed", "1"}).lines().size(), 7u);
    EXPECT_EQ(print({"--columns", "11", "--count", "100", "--seed", "1"}).lines().size(), 100u);
}

TEST(CommandLine, SaysWhichOfTwoConflictingOptionsWins)
{
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--kind", "oral", "--laws", "jfjh"}, "--laws 只用于简便计算"},
        {{"--units", "money"}, "--units 只用于单位换算"},
        {{"--out", "somewhere"}, "--out 不起作用"},
        {{"--history", "somewhere"}, "--history 不起作用"},
        {{"--zero-middle", "--zero-end"}, "--zero-middle、--zero-end 只能选一个，用 --zero-end。"},
        {{"--round-tens", "--zero-middle"},
         "--zero-middle、--round-tens 只能选一个，用 --round-tens。"},
    };
    for (auto [args, note] : rows) {
        args.insert(args.end(), {"--count", "2", "--seed", "5"});
        const Result r = print(args);
        EXPECT_EQ(r.status, exitOk) << note;
        EXPECT_NE(r.err.find(note), std::string::npos) << r.err;
    }
}

TEST(CommandLine, ControlCharactersNeverReachTheTerminal)
{
    const Result badValue = run({"generate", "--kind", "\x1B[2J\nx"});
    EXPECT_EQ(badValue.status, exitUsage);
    EXPECT_NE(badValue.err.find("\\x1B[2J\\nx"), std::string::npos) << badValue.err;
    const Result badCommand = run({"\x07"
                                   "bell"});
    EXPECT_EQ(badCommand.err.find('\x07'), std::string::npos);
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

// 1×1, 1×2 and 2×1 are all there is: drawn anyway with a word on stderr, which
// --allow-trivial, asking for them, does without.
TEST(CommandLine, TrivialItemsAreAvoidedUnlessAllowed)
{
    const std::vector<std::string> onlyTrivial = {"--kind", "oral",    "--ops", "mul",    "--to",
                                                  "2",      "--count", "2",     "--seed", "5"};
    const Result avoided = print(onlyTrivial);
    ASSERT_EQ(avoided.status, exitOk);
    EXPECT_EQ(avoided.lines().size(), 2u);
    EXPECT_NE(avoided.err.find("避不开简单题"), std::string::npos) << avoided.err;
    std::vector<std::string> allowing = onlyTrivial;
    allowing.push_back("--allow-trivial");
    const Result allowed = print(allowing);
    ASSERT_EQ(allowed.status, exitOk);
    EXPECT_EQ(allowed.err.find("简单题"), std::string::npos) << allowed.err;
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
        const int estimate = std::stoi(answerOf(line).substr(3)); // tens, or ones below 10
        EXPECT_TRUE(estimate >= 10 ? estimate % 10 == 0 : estimate > 0) << line;
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
        EXPECT_TRUE(std::regex_match(answerOf(line), std::regex("X＝\\d+(\\.\\d+)?"))) << line;
    }
}

// 填数: the questions as their sheet asks them; the key adds the number for each blank.
TEST(CommandLine, PrintsFillInQuestionsAndTheNumbersForTheirBlanks)
{
    std::vector<std::string> options = {"--kind", "vertical", "--fill-in", "--count",
                                        "12",     "--seed",   "6"};
    const Result questions = print(options);
    options.push_back("--answers");
    const Result answers = print(options);
    const std::vector<std::string> asked = questions.lines(), keys = answers.lines();
    ASSERT_EQ(asked.size(), 12u) << questions.err;
    ASSERT_EQ(keys.size(), 12u) << answers.err;
    const std::string sign = "(＋|－|×|÷)";
    const std::regex question("(______" + sign + "[0-9.]+|[0-9.]+" + sign + "______)＝.+");
    for (size_t k = 0; k < 12; ++k) {
        EXPECT_TRUE(std::regex_match(asked[k], question)) << asked[k];
        const std::string& key = keys[k];
        EXPECT_TRUE(key.starts_with(asked[k] + "\t") &&
                    std::regex_match(key.substr(asked[k].size() + 1), std::regex("[0-9.]+")))
            << key;
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

    // The terminal points to its option, never to the window's mouse-over menu.
    const std::string hint = "单位换算的单位可用 --units 选择";
    const Result allUnits = print({"--kind", "units", "--count", "8", "--seed", "3"});
    EXPECT_NE(allUnits.err.find(hint), std::string::npos) << allUnits.err;
    EXPECT_EQ(questions.err.find(hint), std::string::npos) << questions.err;
    for (const Result* r : {&allUnits, &questions})
        EXPECT_EQ(r->err.find("鼠标"), std::string::npos) << r->err;
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

TEST(CommandLine, PrintsFractionItemsAndReducedAnswers)
{
    const Result questions = print({"--numbers", "fraction", "--count", "10", "--seed", "5"});
    ASSERT_EQ(questions.status, exitOk) << questions.err;
    const Result answers =
        print({"--numbers", "fraction", "--count", "10", "--seed", "5", "--answers"});
    ASSERT_EQ(questions.lines().size(), 10u);
    ASSERT_EQ(answers.lines().size(), 10u);
    const std::string number = "\\d+(/\\d+)?";
    for (size_t k = 0; k < 10; ++k) {
        EXPECT_TRUE(
            std::regex_match(questions.lines()[k], std::regex(number + "(＋|－|×|÷)" + number)))
            << questions.lines()[k];
        EXPECT_TRUE(std::regex_match(answers.lines()[k],
                                     std::regex(questions.lines()[k] + "\t＝" + number)))
            << answers.lines()[k];
    }
    const Result reductions = print({"--numbers", "fraction", "--kind", "约分", "--answers"});
    EXPECT_TRUE(std::regex_search(reductions.out, std::regex("^\\d+/\\d+\t＝\\d+/\\d+\n")));
    // What a greyed box would refuse is refused here too.
    EXPECT_EQ(print({"--numbers", "fraction", "--kind", "equations"}).status, exitUsage);
}

// The largest number the printed items show.
long largestNumber(const std::string& text)
{
    long largest = 0;
    const std::regex number("\\d+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        largest = std::max(largest, std::stol(it->str()));
    return largest;
}

TEST(CommandLine, FractionsKeepToTheGradesRangeUnlessOneIsGiven)
{
    const std::vector<std::string> fractions = {"--numbers", "fraction", "--kind",  "oral",
                                                "--seed",    "4",        "--grade", "3"};
    const auto largestWith = [&](std::vector<std::string> args) {
        args.insert(args.begin(), fractions.begin(), fractions.end());
        const Result r = print(args);
        EXPECT_EQ(r.status, exitOk) << r.err;
        return largestNumber(r.out);
    };
    EXPECT_LE(largestWith({}), 9);
    EXPECT_GT(largestWith({"--to", "60"}), 20);
    EXPECT_LE(largestWith({"--from", "2"}), 9) << "the grade's end stays";
}

class HistoryCommand : public ::testing::Test
{
protected:
    testing::TempFolder folder;
    std::string file = testing::utf8Path(folder / "历史题目.txt");

    Result history(std::vector<std::string> args)
    {
        args.insert(args.begin(), "history");
        args.insert(args.end(), {"--history", file, "--out", testing::utf8Path(folder.path())});
        return run(args);
    }
};

TEST_F(HistoryCommand, GeneratedSetsAreListedLoadedAndDeleted)
{
    for (const char* kind : {"oral", "vertical", "equations"}) {
        const Result r = run({"generate", "--kind", kind, "--count", "4", "--seed", "9",
                              "--history", file, "--out", testing::utf8Path(folder.path())});
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
    if (pdfAvailable()) { // not in the Windows build
        const Result asPdf = history({"load", "1", "--answers", "--format", "both"});
        EXPECT_EQ(asPdf.status, exitOk) << asPdf.err;
        ASSERT_EQ(asPdf.lines().size(), 4u) << "both sheets as .docx and PDF";
        EXPECT_TRUE(asPdf.lines()[1].ends_with(".pdf")) << asPdf.out;
    }
    EXPECT_EQ(history({"load", "1", "--format", "odt"}).status, exitUsage);

    EXPECT_EQ(history({"delete", "2"}).status, exitOk);
    const Result after = history({"list"});
    ASSERT_EQ(after.lines().size(), 2u);
    EXPECT_NE(after.lines()[1].find("解方程"), std::string::npos);
}

TEST_F(HistoryCommand, BadIndexesLeaveTheFileUntouched)
{
    ASSERT_EQ(run({"generate", "--count", "3", "--history", file, "--out",
                   testing::utf8Path(folder.path())})
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
    testing::writeBytes(
        file,
        testing::toGbk("2016/7/27|1| 37＋48 63－27\r\n2016/7/28|6| 12＋5＋8＝25| X＋5＋8＝25\r\n"));
    const Result listed = history({"list"});
    EXPECT_EQ(listed.lines(), (std::vector<std::string>{"1\t2016/7/27口算", "2\t2016/7/28解方程"}));
    const Result loaded = history({"load", "2"});
    EXPECT_EQ(loaded.status, exitOk) << loaded.err;
    ASSERT_EQ(loaded.lines().size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(pathFromUtf8(loaded.lines()[0])));
    EXPECT_NE(loaded.lines()[0].find("解方程"), std::string::npos);
}

TEST(CommandLine, SettingsThatCanNeverBeMetAreRefusedAtOnce)
{
    const std::pair<const char*, std::vector<std::string>> rows[] = {
        {"36 distinct items for 10000", {"--count", "10000", "--from", "1", "--to", "3"}},
        {"simple equations with subtraction only", {"--kind", "equations", "--ops", "sub"}},
        {"simple equations with division only", {"--kind", "equations", "--ops", "div,sub"}},
        {"early step expressions with multiplication only",
         {"--kind", "steps", "--ops", "mul", "--grade", "3"}},
        {"fractions ending in zero below 10",
         {"--numbers", "fraction", "--grade", "3", "--zero-end"}},
    };
    for (const auto& [name, args] : rows) {
        const Result r = print(args);
        EXPECT_EQ(r.status, exitUsage) << name;
        EXPECT_TRUE(r.out.empty()) << name;
        EXPECT_NE(r.err.find("！"), std::string::npos) << name;
    }
    // As many items as there are pairs passes the first count, but other rules leave fewer:
    // the draw finds out at once and says how many, without a time limit.
    const Result fewer = print({"--count", "9", "--from", "1", "--to", "3", "--ops", "add"});
    EXPECT_EQ(fewer.status, exitUsage);
    EXPECT_NE(fewer.err.find("这些设置下只有"), std::string::npos) << fewer.err;
}

// Ten thousand exact divisions of four-place percentages up to 1000, which are still found by
// redrawing, take far longer than a second: the built program, run with a time limit of one,
// stops and writes nothing.
TEST_F(HistoryCommand, ATimeLimitStopsTheDrawWritesNothingAndSaysSo)
{
    const testing::ChildRun timedOut = testing::runChild(
        testing::builtProgram(),
        {"generate",  "--kind",    "oral",         "--ops",
         "div",       "--numbers", "percent",      "--places",
         "4",         "--exact",   "--to",         "1000",
         "--count",   "10000",     "--out",        testing::utf8Path(folder.path()),
         "--history", file,        "--time-limit", "1"},
        "", folder.path());
    EXPECT_EQ(timedOut.status, exitTimedOut);
    std::string err = timedOut.err;
    std::erase(err, '\r'); // a Windows console's line ends
    EXPECT_TRUE(err.ends_with("出题超过了 --time-limit 的 1 秒还没出完，已停止，什么都没写。"
                              "请放宽设置，或加大 --time-limit（0 为不限）。\n"))
        << err;
    // The terminal speaks of its own keys and options, never of the window's buttons.
    EXPECT_EQ(err.find("点击"), std::string::npos) << err;
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(HistoryCommand, ListsAndPathsArePrintedWithTheirControlCharactersEscaped)
{
    testing::writeBytes(file, "2016/7/27\x1B[31m|1| 1＋2\r\n");
    const Result listed = history({"list"});
    EXPECT_EQ(listed.out, "1\t2016/7/27\\x1B口算\n"); // the first ten characters of the date
    if (testing::onWindows)
        GTEST_SKIP() << "Windows file names cannot hold control characters";
    const std::string odd = testing::utf8Path(folder / "new\nline");
    const Result written = run({"generate", "--count", "2", "--no-save", "--out", odd});
    ASSERT_EQ(written.status, exitOk) << written.err;
    ASSERT_EQ(written.lines().size(), 1u);
    EXPECT_NE(written.out.find("new\\nline/"), std::string::npos);
}

TEST_F(HistoryCommand, ASavedSetThatCannotBeWrittenIsAFailureNotABadOption)
{
    testing::writeBytes(file, "no bars at all\r\n2016/7/27|3| \r\n");
    for (const char* index : {"1", "2"}) {
        const Result r = history({"load", index});
        EXPECT_EQ(r.status, exitFailed) << index;
        EXPECT_TRUE(r.out.empty()) << index;
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"历史题目.txt"});
}

TEST_F(HistoryCommand, AFileThatIsNoHistoryIsRefusedAndLeftAsItWas)
{
    constexpr char docx[] = "PK\x03\x04\x14\x00\x06\x00[Content_Types].xml\r\n\x8D";
    constexpr char binary[] = "\x7F"
                              "ELF\x02\x01\x01\x00\r\n\x03\x00>\x00\xC8";
    const std::pair<std::string, std::string> rows[] = {
        {"a.docx", std::string(docx, sizeof docx - 1)},
        {"some.bin", std::string(binary, sizeof binary - 1)},
    };
    for (const auto& [name, bytes] : rows) {
        const std::string path = testing::utf8Path(folder / name);
        testing::writeBytes(path, bytes);
        const std::string refusal = "“" + path + "”：不是本程序的历史记录，未作改动";
        const Result deleted = run({"history", "delete", "1", "--history", path});
        EXPECT_EQ(deleted.status, exitFailed) << name;
        EXPECT_EQ(deleted.err, refusal + "\n") << name;
        const Result generated = run({"generate", "--count", "3", "--history", path, "--out",
                                      testing::utf8Path(folder / "docs")});
        EXPECT_EQ(generated.status, exitFailed) << name;
        EXPECT_NE(generated.err.find(refusal), std::string::npos) << generated.err;
        EXPECT_EQ(testing::fileBytes(path), bytes) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "docs"));
}

TEST_F(HistoryCommand, ATornLastLineIsSkippedWithANoticeAndTheNextSaveWritesOverIt)
{
    testing::writeBytes(file, "2016/7/27|1| 1＋2\r\n2026/3/1|3");
    const Result listed = history({"list"});
    EXPECT_EQ(listed.status, exitOk);
    EXPECT_EQ(listed.out, "1\t2016/7/27口算\n");
    EXPECT_EQ(listed.err, "“" + file + "”的最后一行不完整（保存时被中断），已略过\n");

    ASSERT_EQ(run({"generate", "--count", "2", "--history", file, "--out",
                   testing::utf8Path(folder.path())})
                  .status,
              exitOk);
    const Result after = history({"list"});
    EXPECT_TRUE(after.err.empty()) << after.err;
    EXPECT_EQ(after.lines().size(), 2u);
    const std::string bytes = testing::fileBytes(file);
    EXPECT_TRUE(bytes.starts_with("2016/7/27|1| 1＋2\r\n")) << bytes;
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2) << "the torn line written over";
}

TEST_F(HistoryCommand, DeletingFromAMissingFileSaysSo)
{
    const Result r = history({"delete", "1"});
    EXPECT_EQ(r.status, exitFailed);
    EXPECT_EQ(r.err, "历史记录错误，删除失败！\n");
}

TEST_F(HistoryCommand, PrintingSavesNothing)
{
    EXPECT_EQ(run({"generate", "--print", "--history", file}).status, exitOk);
    EXPECT_FALSE(std::filesystem::exists(pathFromUtf8(file)));
    EXPECT_TRUE(history({"list"}).out.empty());
}

} // namespace
} // namespace quill
