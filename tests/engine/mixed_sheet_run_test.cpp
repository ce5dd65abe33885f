#include "engine/generate_options.h"
#include "engine/mixed_sheet_run.h"
#include "engine/saved_set_loading.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "history/mixed_history_line.h"
#include "problems/trivial_items.h"
#include "problems/whole/column_rules.h"
#include "support/document_environment.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <set>

namespace quill
{
namespace
{

using testing::DocumentEnvironment;
using testing::TestApplication;

const std::vector<std::vector<std::string>> threeParts = {
    {"--grade", "1", "--kind", "oral", "--to", "20", "--count", "20", "--ops", "add", "--carry",
     "yes", "--columns", "5"},
    {"--kind", "vertical", "--ops", "mul", "--count", "10", "--columns", "3", "--font-size", "14"},
    {"--kind", "steps", "--count", "4", "--columns", "2"},
};

std::vector<SheetPart> partsOf(const std::vector<std::vector<std::string>>& options,
                               Notifier& notifier)
{
    std::vector<SheetPart> parts;
    for (const std::vector<std::string>& own : options)
        parts.push_back(sheetPart(own, notifier));
    return parts;
}

std::string headingsOf(const testing::RecordingWordProcessor& document)
{
    std::string headings;
    for (const std::string& call : document.calls)
        if (call.starts_with("type ") && call.find("、") != std::string::npos)
            headings += call.substr(5) + " ";
    return headings;
}

// Each part keeps its own kind, count and rules, and no item appears twice on the sheet.
TEST(MixedSheetRun, EveryPartKeepsItsOwnRulesOverSeeds)
{
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        TestApplication t(seed);
        DocumentEnvironment env;
        std::vector<SheetPart> parts = partsOf(threeParts, t.notifier);
        t.app.settings.answerSheet.checked = true;
        ASSERT_EQ(generateMixedSheet(t.app, env, parts), RunOutcome::Completed) << seed;
        ASSERT_EQ(parts[0].set.size(), 20u);
        ASSERT_EQ(parts[1].set.size(), 10u);
        ASSERT_EQ(parts[2].set.size(), 4u);
        std::set<std::string> seen;
        for (const SheetPart& part : parts)
            for (const SetItem& item : part.set) {
                EXPECT_TRUE(seen.insert(itemText(item)).second) << seed << " " << itemText(item);
                EXPECT_FALSE(isTrivialItem(item, part.settings, part.settings.kind()))
                    << seed << " " << itemText(item);
            }
        for (const SetItem& item : parts[0].set) {
            const auto& sum = std::get<OperationItem>(item);
            ASSERT_EQ(sum.operation, Operation::Addition) << sum.text();
            EXPECT_TRUE(sumCarries(sum.terms[0].amount.toDouble(), sum.terms[1].amount.toDouble()))
                << sum.text();
            EXPECT_LE(sum.terms[0].amount.toDouble(), 20) << sum.text();
        }
        for (const SetItem& item : parts[1].set)
            EXPECT_EQ(std::get<OperationItem>(item).operation, Operation::Multiplication);
        for (const SetItem& item : parts[2].set)
            EXPECT_TRUE(std::holds_alternative<StepItem>(item));

        ASSERT_EQ(env.documents.size(), 2u);
        for (const auto& document : env.documents) {
            EXPECT_EQ(headingsOf(document.content), "一、口算 二、竖式计算 三、脱式计算 ");
            // Each table in its own columns: 20 items in 5, 10 in 3 with working rows, 4 in 2.
            EXPECT_EQ(document.content.callsStartingWith("table "),
                      (std::vector<std::string>{"table 4 5", "table 8 3", "table 4 2"}));
        }
        EXPECT_EQ(env.documents[0].name.kind, "混合练习");
        EXPECT_TRUE(env.documents[1].name.answers);
    }
}

// The history keeps the sheet as one line; loading it writes the same two documents.
TEST(MixedSheetRun, ASavedSetLoadsToIdenticalSheets)
{
    for (std::uint64_t seed : {3u, 17u, 40u}) {
        testing::TempFolder folder;
        TestApplication t(seed);
        DocumentEnvironment drawn;
        drawn.history = folder / "历史题目.txt";
        t.app.settings.answerSheet.checked = true;
        std::vector<SheetPart> parts = partsOf(threeParts, t.notifier);
        ASSERT_EQ(generateMixedSheet(t.app, drawn, parts), RunOutcome::Completed);

        const HistoryRead read = readHistoryFile(*drawn.history);
        ASSERT_EQ(read.lines.size(), 1u);
        const std::string& line = read.lines[0].text;
        EXPECT_TRUE(hasHistoryLineForm(line)) << line;
        EXPECT_NE(savedSetEntry(line).find("混合练习"), std::string::npos);

        TestApplication loader(seed + 1);
        loader.app.settings.answerSheet.checked = true;
        DocumentEnvironment loaded;
        ASSERT_EQ(loadSavedSet(loader.app, loaded, line), RunOutcome::Completed);
        ASSERT_EQ(loaded.documents.size(), 2u);
        for (std::size_t k = 0; k < 2; ++k)
            EXPECT_EQ(loaded.documents[k].content.calls, drawn.documents[k].content.calls) << k;
    }
}

TEST(MixedSheetRun, AnItemOfAnEarlierPartIsNeverDrawnAgain)
{
    // Both parts draw from the same 36 凑十 sums; together they need 30 of them.
    const std::vector<std::string> sums = {"--grade", "1",  "--ops",   "add",
                                           "--count", "15", "--carry", "make-ten"};
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        TestApplication t(seed);
        DocumentEnvironment env;
        std::vector<SheetPart> parts = partsOf({sums, sums}, t.notifier);
        ASSERT_EQ(generateMixedSheet(t.app, env, parts), RunOutcome::Completed);
        std::set<std::string> seen;
        for (const SheetPart& part : parts)
            for (const SetItem& item : part.set)
                EXPECT_TRUE(seen.insert(itemText(item)).second) << itemText(item);
    }
}

// A part that cannot be drawn in full refuses the whole sheet: nothing written, nothing saved.
// The third part finds only 16 of the 36 凑十 sums left.
TEST(MixedSheetRun, APartThatRunsShortWritesNothing)
{
    testing::TempFolder folder;
    TestApplication t;
    DocumentEnvironment env;
    env.history = folder / "历史题目.txt";
    std::vector<SheetPart> parts =
        partsOf({{"--kind", "oral", "--count", "5"},
                 {"--grade", "1", "--ops", "add", "--carry", "make-ten", "--count", "20"},
                 {"--grade", "1", "--ops", "add", "--carry", "make-ten", "--count", "20"}},
                t.notifier);
    EXPECT_EQ(generateMixedSheet(t.app, env, parts), RunOutcome::Refused);
    EXPECT_NE(t.notifier.messages.back().find("只有16道不同的题"), std::string::npos)
        << t.notifier.messages.back();
    EXPECT_TRUE(env.documents.empty());
    EXPECT_FALSE(std::filesystem::exists(*env.history));
}

struct Refusal {
    const char* name;
    std::vector<std::string> args;
    const char* says;
};

const Refusal refusals[] = {
    {"EmptyPart", {"--part", "  "}, "--part 不能是空的"},
    {"OutInsidePart", {"--part", "--kind oral --out x"}, "--part 里不能有 --out"},
    {"SeedInsidePart", {"--part", "--seed=4"}, "--part 里不能有 --seed"},
    {"PartInsidePart", {"--part", "--part x"}, "--part 里不能有 --part"},
    {"UnknownOptionInPart", {"--part", "--kind oral --colour red"}, "未知的选项：--colour"},
    {"FractionPart", {"--part", "--numbers fraction"}, "不能放进混合练习"},
    {"LawsPart", {"--part", "--kind laws"}, "“简便计算”不能放进混合练习"},
    {"UnitsPart", {"--part", "--kind units"}, "“单位换算”不能放进混合练习"},
    {"DensePart", {"--part", "--kind oral --layout dense"}, "一页100题"},
    {"SharedDense", {"--layout", "dense", "--part", "--kind oral"}, "一页100题"},
};

class MixedSheetRefusal : public ::testing::TestWithParam<Refusal>
{
};

TEST_P(MixedSheetRefusal, SaysWhyBeforeAnythingIsDrawn)
{
    TestApplication t;
    try {
        const GenerateOptions options = parseGenerateOptions(GetParam().args);
        partsOf(partOptions(sharedPartOptions(GetParam().args), options.parts), t.notifier);
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().says), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Options, MixedSheetRefusal, ::testing::ValuesIn(refusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MixedSheetOptions, SharedOptionsComeFirstAndRunOptionsStayOutside)
{
    const std::vector<std::string> args = {
        "--grade",   "5", "--part",  "--kind oral --count 7",
        "--seed",    "9", "--out=x", "--answers",
        "--columns", "3", "--part",  "--kind\tsteps  --count 2 "};
    const GenerateOptions options = parseGenerateOptions(args);
    ASSERT_EQ(options.parts.size(), 2u);
    EXPECT_EQ(options.parts[1], (std::vector<std::string>{"--kind", "steps", "--count", "2"}));
    const auto parts = partOptions(sharedPartOptions(args), options.parts);
    EXPECT_EQ(parts[0], (std::vector<std::string>{"--grade", "5", "--columns", "3", "--kind",
                                                  "oral", "--count", "7"}));
}

// An old reader finds no kind number in a mixed line and leaves the whole file alone; this
// reader lists it, and a line cut short during its save is recognised as torn.
TEST(MixedHistoryLine, ReadsBackWhatItWroteAndToleratesCuts)
{
    const std::string line = mixedHistoryLineText(
        "2026/12/10", {{"--kind", "oral"}, {"--kind", "steps", "--count", "2"}},
        {"1| 3＋5 7×8|carry=yes", "4| 3＋4×2＝11 9－6÷3＝7"});
    const auto parts = parseMixedHistoryLine(line);
    ASSERT_TRUE(parts);
    ASSERT_EQ(parts->size(), 2u);
    EXPECT_EQ((*parts)[1].options.size(), 4u);
    EXPECT_EQ((*parts)[0].line.drawnWith, "carry=yes");
    EXPECT_EQ((*parts)[1].line.savedList, " 3＋4×2＝11 9－6÷3＝7");
    EXPECT_TRUE(hasHistoryLineForm(line));
    for (std::size_t cut = 1; cut < line.find("mixed|") + 6; ++cut)
        EXPECT_TRUE(couldBeCutHistoryLine(line.substr(0, cut))) << cut;
    // A part without options, a kind that is no kind, a missing list: not loadable.
    for (const std::string broken :
         {"2026/12/10|mixed|‖1| 3＋5", "2026/12/10|mixed|--kind oral‖99| 3＋5",
          "2026/12/10|mixed|--kind oral", "2026/12/10|mixed|--kind oral‖1"})
        EXPECT_FALSE(parseMixedHistoryLine(broken)) << broken;
}

TEST(MixedHistoryLine, ABrokenLineIsRefusedAndWritesNothing)
{
    TestApplication t;
    DocumentEnvironment env;
    std::string tooLong = "2026/12/10|mixed|--kind oral‖1|";
    for (int k = 0; k < 10001; ++k)
        tooLong += " 1＋2";
    const std::pair<std::string, std::string> lines[] = {
        {"2026/12/10|mixed|--kind oral‖99| 3＋5", "混合练习格式不对"},
        {"2026/12/10|mixed|--kind laws‖1| 3＋5", "混合练习格式不对"},
        {"2026/12/10|mixed|--kind oral‖1| 3＋5‖--kind steps‖4|  ", "是空的"},
        {tooLong, "超过了10000题"},
    };
    for (const auto& [line, says] : lines) {
        EXPECT_EQ(loadSavedSet(t.app, env, line), RunOutcome::Refused) << says;
        EXPECT_NE(t.notifier.messages.back().find(says), std::string::npos)
            << t.notifier.messages.back();
    }
    EXPECT_TRUE(env.documents.empty());
}

} // namespace
} // namespace quill
