#include "engine/generation_run.h"
#include "engine/saved_set_loading.h"
#include "engine/settings_interlocks.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "history/saved_set_load.h"
#include "problems/units/unit_item.h"
#include "settings/exercise_kinds.h"
#include "support/document_environment.h"
#include "support/recording_environment.h"
#include "support/sets.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace quill
{
namespace
{

using testing::RecordingEnvironment;
using testing::TestApplication;

class GenerationRun : public ::testing::Test
{
protected:
    TestApplication t;
    RecordingEnvironment env;
    ExerciseSettings& s = t.app.settings;
    testing::TempFolder folder;
    testing::DocumentEnvironment docs; // for runs that write documents

    void saveIntoFolder() { docs.history = folder / "历史题目.txt"; }

    std::vector<std::string> items() const { return testing::textsOf(t.app.set); }
    std::string list() const { return testing::listOf(t.app.set); }
};

TEST_F(GenerationRun, RefusesARangeThatDoesNotRise)
{
    t.app.set = testing::listItems(1, " 1＋2");
    s.rangeStart.text = "5";
    s.rangeEnd.text = "5";
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused);
    s.rangeStart.text = "1";
    s.rangeEnd.text = "";
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused);
    EXPECT_EQ(t.notifier.messages,
              (std::vector<std::string>{"结束数字要大于起始数字！", "结束数字要大于起始数字！"}));
    EXPECT_EQ(env.focusRequests, 2);
    EXPECT_EQ(list(), " 1＋2") << "nothing else changes";
    EXPECT_TRUE(env.waits.empty());
}

TEST_F(GenerationRun, RefusesRangesAndCountsBeyondWhatTheGeneratorsHold)
{
    s.rangeEnd.text = "40000";
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused);
    s.rangeStart.text = "0";
    s.rangeEnd.text = "32767";
    EXPECT_EQ(drawOnScreenSet(t.app, env), RunOutcome::Refused) << "32768 numbers";
    s.rangeStart.text = "1";
    s.itemCount.text = "10001";
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused);
    ASSERT_EQ(t.notifier.messages.size(), 3u);
    EXPECT_EQ(t.notifier.messages[2], "题量不能超过10000题！");
    EXPECT_TRUE(t.app.set.empty());
}

TEST_F(GenerationRun, DrawsExactlyTheCountOfDistinctItems)
{
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    const auto list = items();
    ASSERT_EQ(list.size(), 24u);
    // Every item is new to the list drawn before it, substrings included.
    std::string before;
    for (const std::string& item : list) {
        EXPECT_EQ(before.find(item), std::string::npos) << item;
        before += " " + item;
    }
    EXPECT_EQ(env.waits, std::vector<double>{1});
    EXPECT_EQ(env.progressStarts, 1);
    EXPECT_EQ(env.progressStops, 1);
    EXPECT_EQ(env.refreshes, 1);
    EXPECT_EQ(t.notifier.messages,
              (std::vector<std::string>{"正在出题中，请耐心等待！", "出题完毕！"}));
}

TEST_F(GenerationRun, PicksOnlyTheTickedOperations)
{
    s.addition.checked = s.subtraction.checked = s.multiplication.checked = false;
    s.itemCount.text = "30";
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    for (const std::string& item : items())
        EXPECT_NE(item.find("÷"), std::string::npos) << item;

    s.addition.checked = true;
    s.division.checked = false;
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed)
        << "a pick for 10 of 39 selectors still finishes";
    EXPECT_EQ(items().size(), 30u);
    for (const std::string& item : items())
        EXPECT_NE(item.find("＋"), std::string::npos) << item;
}

TEST_F(GenerationRun, DividesExactlyWhenTheKindAsksForIt)
{
    s.addition.checked = s.subtraction.checked = s.multiplication.checked = false;
    s.exactOrProper.checked = false;
    s.wholeNumbers.checked = false; // written division then gives terminating, non-whole quotients
    s.itemCount.text = "40";
    s.rangeEnd.text = "1000";
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    bool remainder = false;
    for (const std::string& item : items()) {
        const auto sign = item.find("÷");
        const double a = std::stod(item.substr(0, sign)), b = std::stod(item.substr(sign + 2));
        remainder |= std::fmod(a, b) != 0;
    }
    EXPECT_TRUE(remainder) << "written division without 能够整除 and 整数 has non-whole quotients";

    s.verticalOption.selected = false;
    s.equationsOption.selected = true;
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    for (const std::string& item : items()) {
        const auto sign = item.find("÷");
        const double a = std::stod(item.substr(0, sign)), b = std::stod(item.substr(sign + 2));
        EXPECT_EQ(std::fmod(a, b), 0) << item;
    }
}

TEST_F(GenerationRun, AStopEndsTheDrawWithoutAnnouncingAnything)
{
    s.itemCount.text = "10000";
    t.stopAfter(200);
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Stopped);
    EXPECT_LT(items().size(), 200u) << "only the items drawn before the stop";
    EXPECT_EQ(env.progressStops, 1);
    EXPECT_EQ(env.refreshes, 1) << "the saved list is refilled after a stop too";
    EXPECT_FALSE(t.notifier.saw("出题完毕！"));
}

TEST_F(GenerationRun, WritesMatchingQuestionAndAnswerSheetsThenSaves)
{
    saveIntoFolder();
    s.answerSheet.checked = true;
    s.exactOrProper.checked = false; // divisions with remainders get redrawn for column working
    s.addition.checked = s.subtraction.checked = s.multiplication.checked = false;
    s.grade.index = 5;
    ASSERT_EQ(generateExercises(t.app, docs), RunOutcome::Completed);
    ASSERT_EQ(docs.documents.size(), 2u);
    const auto& questions = docs.documents[0].content.cells;
    const auto& answers = docs.documents[1].content.cells;
    for (int k = 0; k < 24; ++k) {
        const std::pair<int, int> at{2 * (k / 4) + 1, k % 4 + 1};
        const std::string question = questions.at(at).text;
        ASSERT_TRUE(question.ends_with("＝")) << question;
        EXPECT_TRUE(answers.at(at).text.starts_with(question))
            << question << " / " << answers.at(at).text;
    }
    EXPECT_EQ(docs.waits, (std::vector<double>{1, 3}));
    EXPECT_EQ(t.notifier.messages.back(), "当前计算内容保存完毕！");
    EXPECT_NE(testing::fileBytes(*docs.history).find("|3| "), std::string::npos);
}

TEST_F(GenerationRun, AHistoryThatCannotTakeTheSetStopsTheRunBeforeAnyDocument)
{
    std::ofstream(folder / "file") << "x";
    docs.history = folder / "file" / "历史题目.txt"; // a folder that is a file cannot hold it
    EXPECT_EQ(generateExercises(t.app, docs), RunOutcome::Failed);
    EXPECT_FALSE(t.notifier.saw("当前计算内容保存完毕！"));
    EXPECT_NE(t.notifier.messages.back().find("历史记录无法保存"), std::string::npos);
    EXPECT_TRUE(docs.documents.empty());
}

TEST_F(GenerationRun, SettingsThatCanNeverBeMetAreRefusedBeforeTheRunStarts)
{
    setText(s, s.rangeEnd, "2"); // 1 to 2: 16 different items for 24
    t.notifier.messages.clear();
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused);
    EXPECT_TRUE(env.waits.empty());
    EXPECT_EQ(env.progressStarts, 0);
    ASSERT_EQ(t.notifier.messages.size(), 1u);
    EXPECT_NE(t.notifier.messages[0].find("最多只能出16道不同的题"), std::string::npos);

    // The first grades divide within the tables: 81 divisions of 1 to 100, whatever the range.
    setText(s, s.rangeEnd, "100");
    s.grade.index = 1;
    s.addition.checked = s.subtraction.checked = s.multiplication.checked = false;
    setText(s, s.itemCount, "82");
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused);
    EXPECT_TRUE(t.notifier.saw("这样的设置最多只能出81道不同的题，比题量82少，永远出不完！"
                               "请扩大数据范围、多选几种运算或减少题量。"));
}

TEST_F(GenerationRun, StopLabelSetsTheFlagAndSaysSo)
{
    requestStop(t.app, env);
    EXPECT_TRUE(t.app.run.stopRequested);
    EXPECT_EQ(env.progressStops, 1);
    EXPECT_EQ(t.notifier.messages, std::vector<std::string>{"出题终止，请点击再次出题！"});
}

// Every fraction kind draws distinct items, writes its sheets without any keystroke notice
// and saves under its own history kind, from which the same sheets load back.
TEST_F(GenerationRun, FractionSetsOfEveryKindAreWrittenSavedAndLoadBack)
{
    saveIntoFolder();
    const std::pair<ExerciseKind, int> kinds[] = {{ExerciseKind::Oral, 8},
                                                  {ExerciseKind::Estimation, 9},
                                                  {ExerciseKind::Vertical, 8},
                                                  {ExerciseKind::Steps, 8}};
    clickCheck(s, s.fractions, t.notifier);
    s.answerSheet.checked = true;
    for (const auto& [kind, historyKind] : kinds) {
        selectKind(s, kind, t.notifier);
        s.itemCount.text = "12";
        t.notifier.messages.clear();
        docs.documents.clear();
        ASSERT_EQ(generateExercises(t.app, docs), RunOutcome::Completed);
        const std::vector<std::string> drawn = items();
        EXPECT_EQ(std::set<std::string>(drawn.begin(), drawn.end()).size(), 12u);
        EXPECT_EQ(t.notifier.messages,
                  (std::vector<std::string>{"正在出题中，请耐心等待！", "出题完毕！",
                                            "当前计算内容保存完毕！"}));
        ASSERT_EQ(docs.documents.size(), 2u);
        const auto written = docs.documents[1].content.cells;

        std::ifstream in(folder / "历史题目.txt");
        std::string line, last;
        while (std::getline(in, line))
            last = line.substr(0, line.find('\r')); // the file's lines end with CR LF
        const std::string kindField = "|" + std::to_string(historyKind) + "|";
        ASSERT_NE(last.find(kindField), std::string::npos) << last;
        const std::string saved = last.substr(last.find(kindField) + kindField.size());
        EXPECT_EQ(saved.substr(0, saved.find('|')), list()) << "saved as written";
        // Loaded under another kind, the set comes back as the sheets it was written as.
        docs.documents.clear();
        selectKind(s, kind == ExerciseKind::Vertical ? ExerciseKind::Oral : ExerciseKind::Vertical,
                   t.notifier);
        ASSERT_EQ(loadSavedSet(t.app, docs, last), RunOutcome::Completed);
        EXPECT_TRUE(s.option(kind).selected);
        ASSERT_EQ(docs.documents.size(), 2u);
        for (const auto& [at, cell] : written)
            EXPECT_EQ(docs.documents[1].content.cells[at].text, cell.text) << cell.text;
    }
}

TEST_F(GenerationRun, TheSameSeedGivesTheSameSet)
{
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    TestApplication again(1);
    ASSERT_EQ(generateExercises(again.app, env), RunOutcome::Completed);
    EXPECT_EQ(again.app.set, t.app.set);
}

// Whatever a run draws, its history line reads back to the same items: the sheets written
// from a reloaded set are those of the drawn one. Every kind, with each number type it takes.
TEST_F(GenerationRun, EverySetReadsBackFromItsHistoryLineAsDrawn)
{
    int sets = 0;
    for (const ExerciseKindRow& row : exerciseKinds())
        for (CheckBox ExerciseSettings::*numbers :
             {&ExerciseSettings::wholeNumbers, &ExerciseSettings::decimals,
              &ExerciseSettings::fractions, &ExerciseSettings::percentages})
            for (const unsigned seed : {1u, 2u}) {
                TestApplication run(seed);
                ExerciseSettings& settings = run.app.settings;
                clickKindOption(settings, row.kind, run.notifier);
                if (!(settings.*numbers).enabled)
                    continue;
                setCheck(settings, settings.*numbers, true, run.notifier);
                settings.itemCount.text = "12";
                if (generateExercises(run.app, env) != RunOutcome::Completed)
                    continue;
                const int kind = historyKindOf(settings);
                const std::string line =
                    historyLineText("2026/1/2", kind, savedTextOf(kind, run.app.set));
                ExerciseSet drawn = run.app.set;
                for (SetItem& item : drawn) // the blank of 填数 is drawn anew for each sheet
                    if (auto* operation = std::get_if<OperationItem>(&item))
                        operation->blank.reset();
                EXPECT_EQ(savedSetItems(parseHistoryLine(line)), drawn) << line;
                ++sets;
            }
    EXPECT_GE(sets, 20);
}

// The on-screen set is the oral set of the same seed, drawn in full even after a stopped run,
// and settings with too few distinct items are refused rather than drawn for ever.
TEST_F(GenerationRun, AfterAStopTheOnScreenSetIsFullAndTheOralRunsSet)
{
    t.stopAfter(1);
    generateExercises(t.app, env);
    t.app.eventPump = nullptr;
    clickKindOption(s, ExerciseKind::Oral, t.notifier);
    t.app.random.seed(7);
    ASSERT_EQ(drawOnScreenSet(t.app, env), RunOutcome::Completed);
    const std::string onScreen = list();
    EXPECT_EQ(items().size(), static_cast<size_t>(s.itemCount.value()));
    t.app.random.seed(7);
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    EXPECT_EQ(list(), onScreen);

    s.rangeStart.text = "1";
    s.rangeEnd.text = "3";
    s.subtraction.checked = s.multiplication.checked = s.division.checked = false;
    s.itemCount.text = "20";
    EXPECT_EQ(drawOnScreenSet(t.app, env), RunOutcome::Refused);
    EXPECT_TRUE(t.notifier.messages.back().starts_with("这样的设置最多只能出9道不同的题"))
        << t.notifier.messages.back();
}

class UnitConversionRun : public GenerationRun
{
protected:
    void SetUp() override { clickKindOption(s, ExerciseKind::Units, t.notifier); }

    void tickOnly(std::initializer_list<MenuItem*> wanted)
    {
        for (MenuItem* item : s.unitItems())
            if (item->checked != (std::find(wanted.begin(), wanted.end(), item) != wanted.end()))
                clickMenuItem(s, *item);
    }
};

TEST_F(UnitConversionRun, DrawsFromTheTickedFamiliesOnly)
{
    tickOnly({&s.mass});
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    ASSERT_EQ(items().size(), 40u);
    const std::set<std::string> massUnits{"克", "千克", "吨"};
    for (const std::string& text : items()) {
        const UnitItem item = parseUnitItem(text);
        EXPECT_TRUE(massUnits.contains(item.unit) && massUnits.contains(item.answerUnit)) << text;
    }
}

// Up to 二年级下学期 mass converts only 克 to 千克, never to a whole number: under 整数 the
// run draws the other families and says so, and with mass alone it refuses to start.
TEST_F(UnitConversionRun, FamiliesWithoutWholeAnswersArePassedOverOrRefused)
{
    s.grade.index = 3;
    ASSERT_TRUE(s.wholeNumbers.checked);
    tickOnly({&s.mass, &s.money});
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    const std::set<std::string> moneyUnits{"元", "角", "分"};
    for (const std::string& text : items())
        EXPECT_TRUE(moneyUnits.contains(parseUnitItem(text).unit)) << text;
    EXPECT_TRUE(t.notifier.saw("所选年级的“质量”换算没有整数答案，这次不出这类题。"));

    tickOnly({&s.mass});
    t.notifier.messages.clear();
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused);
    EXPECT_TRUE(t.notifier.saw("所选年级的“质量”换算没有整数答案，请勾选别的单位！"));

    s.wholeNumbers.checked = false;
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    const std::set<std::string> earlyMassUnits{"克", "千克"};
    for (const std::string& text : items())
        EXPECT_TRUE(earlyMassUnits.contains(parseUnitItem(text).unit)) << text;
}

// A kind that draws from the items ticked in its menu.
struct MenuPath {
    std::string name;
    ExerciseKind kind;
    MenuItem ExerciseSettings::*someItem;
    std::string noChoiceMessage;
    PopupMenu menu;
};

class MenuChoiceRun : public GenerationRun, public ::testing::WithParamInterface<MenuPath>
{
protected:
    void untickAll()
    {
        for (MenuItem* item : s.unitItems())
            if (item->checked)
                clickMenuItem(s, *item);
        for (MenuItem* item : s.lawItems())
            if (item->checked)
                clickMenuItem(s, *item);
    }
};

// Before every round: with none ticked from the start (also after choosing the kind again,
// which resets its count of ticked items), or once the last is unticked during the draw.
TEST_P(MenuChoiceRun, WithoutATickedItemTheRunTellsTheUserAndOpensTheMenu)
{
    const MenuPath& path = GetParam();
    untickAll();
    clickKindOption(s, ExerciseKind::Oral, t.notifier);
    clickKindOption(s, path.kind, t.notifier);
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Stopped);
    EXPECT_EQ(t.notifier.messages.back(), path.noChoiceMessage);

    MenuItem& item = s.*path.someItem;
    clickMenuItem(s, item);
    auto rounds = std::make_shared<int>(0);
    t.app.eventPump = [this, rounds, &item] {
        if (++*rounds == 20)
            clickMenuItem(s, item);
    };
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Stopped);
    EXPECT_LT(items().size(), 20u);
    EXPECT_EQ(env.menus, (std::vector<PopupMenu>{path.menu, path.menu}));
    EXPECT_EQ(env.refreshes, 0) << "no documents, no save, no list refresh";
    EXPECT_FALSE(t.notifier.saw("出题完毕！"));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MenuChoiceRun,
    ::testing::Values(MenuPath{"units", ExerciseKind::Units, &ExerciseSettings::money,
                               "请选择单位转换的类型！", PopupMenu::Units},
                      MenuPath{"laws", ExerciseKind::Laws, &ExerciseSettings::additionCommutative,
                               "请选择简便计算的类型！", PopupMenu::Laws}),
    [](const auto& info) { return info.param.name; });

TEST_F(UnitConversionRun, SavesKindSevenAndLoadsItBackToTheSameSheets)
{
    saveIntoFolder();
    s.answerSheet.checked = true;
    ASSERT_EQ(generateExercises(t.app, docs), RunOutcome::Completed);
    const HistoryRead saved = readHistoryFile(*docs.history);
    ASSERT_EQ(saved.lines.size(), 1u);
    const std::string line = saved.lines[0].text;
    EXPECT_EQ(line.substr(line.find("|7|") + 3), list());

    // Loaded under another kind and after a stopped run, it switches back with the kind's
    // click effects and fills every cell.
    clickKindOption(s, ExerciseKind::Vertical, t.notifier);
    t.app.run.stopRequested = true;
    t.notifier.messages.clear();
    ASSERT_EQ(loadSavedSet(t.app, docs, line), RunOutcome::Completed);
    EXPECT_TRUE(s.unitsOption.selected);
    EXPECT_EQ(s.columns.text, "2");
    EXPECT_EQ(s.itemCount.text, "40");
    ASSERT_EQ(docs.documents.size(), 4u);
    const auto cellTexts = [&](size_t document) {
        std::vector<std::string> texts;
        for (const auto& [at, cell] : docs.documents[document].content.cells)
            texts.push_back(cell.text);
        return texts;
    };
    for (size_t d = 0; d < 2; ++d) {
        EXPECT_EQ(cellTexts(d).size(), 40u);
        EXPECT_EQ(cellTexts(d + 2), cellTexts(d));
    }
}

TEST_F(UnitConversionRun, AStopWhileTheSheetIsTypedIsNeitherAnnouncedNorSaved)
{
    saveIntoFolder();
    s.answerSheet.checked = true;
    t.app.eventPump = [&] {
        if (docs.progressStops > 0)
            t.app.run.stopRequested = true; // the progress line is gone: the sheet is being typed
    };
    EXPECT_EQ(generateExercises(t.app, docs), RunOutcome::Stopped);
    ASSERT_EQ(docs.documents.size(), 1u) << "the stopped question sheet, no answer sheet";
    EXPECT_FALSE(t.notifier.saw("出题完毕！"));
    EXPECT_FALSE(std::filesystem::exists(*docs.history));
}

class LawRun : public GenerationRun
{
protected:
    void SetUp() override { clickKindOption(s, ExerciseKind::Laws, t.notifier); }
};

// Only 除法性质（加括号变符号） ticked: every item is P÷A÷B＝C; saved as kind 5 and loaded under
// another kind, the set comes back as the same sheets.
TEST_F(LawRun, DrawsTheTickedLawSavesKindFiveAndLoadsItBack)
{
    for (MenuItem* item : s.lawItems())
        if (item->checked != (item == &s.divisionBrackets))
            clickMenuItem(s, *item);
    saveIntoFolder();
    s.answerSheet.checked = true;
    ASSERT_EQ(generateExercises(t.app, docs), RunOutcome::Completed);
    ASSERT_EQ(items().size(), 24u);
    const std::regex form(R"([\d.]+÷[\d.]+÷[\d.]+＝[\d.]+)");
    for (const std::string& item : items())
        EXPECT_TRUE(std::regex_match(item, form)) << item;
    const std::string line = readHistoryFile(*docs.history).lines.at(0).text;
    EXPECT_EQ(line.substr(line.find("|5|") + 3), list());

    clickKindOption(s, ExerciseKind::Vertical, t.notifier);
    ASSERT_EQ(loadSavedSet(t.app, docs, line), RunOutcome::Completed);
    EXPECT_TRUE(s.lawsOption.selected);
    ASSERT_EQ(docs.documents.size(), 4u);
    for (size_t d = 0; d < 2; ++d)
        EXPECT_EQ(docs.documents[d + 2].content.callsStartingWith("type "),
                  docs.documents[d].content.callsStartingWith("type "));
    EXPECT_EQ(docs.documents[1].content.cellText(1, 1), items()[0]);
}

// With decimals, some laws have forms no draw can make in practice (乘除混合's Q÷A×B, any
// product law at three places). A run leaves such forms out or, with none left, is refused
// at once with the reason; it never draws until stopped.
TEST_F(LawRun, FinishesOrIsRefusedAtOnceWhateverThePlaces)
{
    s.wholeNumbers.checked = false;
    s.decimals.checked = true;
    s.itemCount.text = "8";
    for (MenuItem* law : {&s.multiplyDivideMixed, &s.multiplicationCommutative, &s.divisionReorder,
                          &s.additionCommutative}) {
        for (MenuItem* item : s.lawItems())
            item->checked = item == law;
        for (const int places : {1, 3}) {
            s.operandPlaces.index = places;
            t.notifier.messages.clear();
            t.stopAfter(2'000'000); // far more draws than any finishable set of 8 needs
            const RunOutcome outcome = generateExercises(t.app, env);
            const std::string where = law->caption + " " + std::to_string(places);
            ASSERT_NE(outcome, RunOutcome::Stopped) << where;
            if (outcome == RunOutcome::Refused) {
                ASSERT_FALSE(t.notifier.messages.empty()) << where;
                EXPECT_NE(t.notifier.messages.back().find("凑不出"), std::string::npos) << where;
                EXPECT_NE(t.notifier.messages.back().find(law->caption), std::string::npos);
            } else {
                EXPECT_EQ(items().size(), 8u) << where;
            }
            if (law == &s.multiplyDivideMixed && places == 1) { // some of its forms stay
                ASSERT_EQ(outcome, RunOutcome::Completed);
                const std::string& note = t.notifier.messages.front();
                EXPECT_NE(note.find("“乘除混合 Q÷A×B”"), std::string::npos) << note;
                // Q÷A×B and A÷B×C read alike: with both left out, only A×B÷C is drawn.
                for (const std::string& item : items()) {
                    if (note.find("A÷B×C") != std::string::npos) {
                        EXPECT_LT(item.find("×"), item.find("÷")) << item;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace quill
