#include "engine/saved_set_loading.h"
#include "engine/settings_interlocks.h"
#include "support/document_environment.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::DocumentEnvironment;
using testing::TestApplication;

class SavedSetLoading : public ::testing::Test
{
protected:
    TestApplication t;
    DocumentEnvironment env;
    ExerciseSettings& s = t.app.settings;

    std::string cell(size_t document, int row, int column)
    {
        return env.documents.at(document).content.cells[{row, column}].text;
    }
};

TEST_F(SavedSetLoading, AnEquationLineLoadsBothListsAndSelectsEquations)
{
    const std::string line = "2026/1/2|6| 12＋5＋8＝25 6×4－9＝15| X＋5＋8＝25 6X－9＝15";
    ASSERT_EQ(loadSavedSet(t.app, env, line), RunOutcome::Completed);
    EXPECT_EQ(t.app.set, (ExerciseSet{EquationItem{"X＋5＋8", "12＋5＋8", ItemValue::read("25")},
                                      EquationItem{"6X－9", "6×4－9", ItemValue::read("15")}}));
    EXPECT_TRUE(s.equationsOption.selected);
    EXPECT_EQ(env.waits, std::vector<double>{1});
    ASSERT_EQ(env.documents.size(), 1u);
    EXPECT_EQ(cell(0, 1, 1), "X＋5＋8＝25");
    EXPECT_EQ(cell(0, 1, 2), "6X－9＝15");
    EXPECT_EQ(t.notifier.messages,
              (std::vector<std::string>{"正在出题中，请耐心等待！", "出题完毕！"}));
}

TEST_F(SavedSetLoading, RefusesEmptySetsAndSetsLargerThanARunMayDraw)
{
    std::string huge;
    for (int k = 0; k <= 10000; ++k)
        huge += " 1＋" + std::to_string(k);
    const std::pair<const char*, std::string> rows[] = {
        {"empty", "2026/1/2|3| "},
        {"spaces only", "2026/1/2|1|    "},
        {"10001 items", "2026/1/2|3|" + huge},
        {"10001 equations", "2026/1/2|6| 1＋2＝3|" + huge},
    };
    for (const auto& [name, line] : rows) {
        t.notifier.messages.clear();
        EXPECT_EQ(loadSavedSet(t.app, env, line), RunOutcome::Refused) << name;
        EXPECT_TRUE(env.documents.empty()) << name;
        ASSERT_EQ(t.notifier.messages.size(), 1u) << name;
        EXPECT_NE(t.notifier.messages[0].find("无法载入"), std::string::npos) << name;
    }
    huge.resize(huge.rfind(' '));
    EXPECT_EQ(loadSavedSet(t.app, env, "2026/1/2|3|" + huge), RunOutcome::Completed);
}

TEST_F(SavedSetLoading, WritesTheAnswerSheetWhenAnswersAreTicked)
{
    s.answerSheet.checked = true;
    ASSERT_EQ(loadSavedSet(t.app, env, "2026/1/2|3| 37＋48 56÷7"), RunOutcome::Completed);
    ASSERT_EQ(env.documents.size(), 2u);
    EXPECT_FALSE(env.documents[0].name.answers);
    EXPECT_TRUE(env.documents[1].name.answers);
    EXPECT_EQ(env.documents[0].name.kind, "竖式计算");
    EXPECT_EQ(cell(1, 1, 1), "37＋48＝85");
    EXPECT_EQ(cell(1, 1, 2), "56÷7＝8");
}

TEST_F(SavedSetLoading, EverySetRestoresItsOwnKind)
{
    ASSERT_EQ(loadSavedSet(t.app, env, "2026/1/2|1| 3＋4 9－2"), RunOutcome::Completed);
    EXPECT_TRUE(s.oralOption.selected);
    EXPECT_EQ(s.itemCount.text, "80") << "the kind's click effects apply";
    EXPECT_TRUE(env.waits.empty()) << "oral sets were always written without a pause";
    ASSERT_EQ(loadSavedSet(t.app, env, "2026/1/2|4| 12＋5＋8＝25 (3＋4)×5＝35"),
              RunOutcome::Completed);
    EXPECT_TRUE(s.stepsOption.selected);
    EXPECT_EQ(cell(1, 1, 1), "12＋5＋8＝")
        << "a reloaded step-by-step question shows the saved question";
    ASSERT_EQ(loadSavedSet(t.app, env, "2026/1/2|5| 25×4×7＝700 37＋45＋63＝145"),
              RunOutcome::Completed);
    EXPECT_TRUE(s.lawsOption.selected);
    EXPECT_EQ(env.documents.at(2).name.kind, "简便计算");
    EXPECT_EQ(cell(2, 1, 2), "37＋45＋63") << "written by the simplified-calculation writer";
}

// No fraction item has a blank to fill: the window is left with settings it can draw again.
TEST_F(SavedSetLoading, AFractionSetClearsFillIn)
{
    selectKind(s, ExerciseKind::Oral, t.notifier);
    s.fillIn.checked = true;
    ASSERT_EQ(loadSavedSet(t.app, env, "2026/1/2|8| 3＋8＋1＋8"), RunOutcome::Completed);
    EXPECT_TRUE(s.fractions.checked);
    EXPECT_FALSE(s.fillIn.checked);
}

TEST_F(SavedSetLoading, AStopWhileASheetIsTypedIsNotAnnouncedAsFinished)
{
    t.stopAfter(2);
    EXPECT_EQ(loadSavedSet(t.app, env, "2016/7/27|7| 5//米//500//厘米 1//元//10//角 2//元//20//角"),
              RunOutcome::Stopped);
    ASSERT_EQ(env.documents.size(), 1u);
    EXPECT_EQ(env.documents[0].content.cells.size(), 1u);
    EXPECT_FALSE(t.notifier.saw("出题完毕！"));
}

TEST_F(SavedSetLoading, MalformedLinesAreRefusedClearly)
{
    for (const char* line : {"no bars at all", "2026/1/2|x| 1＋2", "2026/1/2|6| 1＋2＝3", ""}) {
        t.notifier.messages.clear();
        EXPECT_EQ(loadSavedSet(t.app, env, line), RunOutcome::Refused) << line;
        EXPECT_EQ(t.notifier.messages,
                  std::vector<std::string>{"这条保存的练习格式不对，无法载入！"});
    }
    EXPECT_TRUE(env.documents.empty());
}

} // namespace
} // namespace quill
