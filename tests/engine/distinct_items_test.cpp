#include "engine/class_sheets.h"
#include "engine/distinct_items.h"
#include "engine/generation_run.h"
#include "engine/settings_interlocks.h"
#include "support/recording_environment.h"
#include "support/sets.h"
#include "support/test_application.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <unordered_set>

namespace quill
{
namespace
{

using testing::RecordingEnvironment;
using testing::TestApplication;
using S = ExerciseSettings;

TEST(DistinctItems, AnItemRepeatsOnlyAnEqualItem)
{
    DistinctItems listed;
    std::vector<bool> added;
    for (const SetItem& item : testing::listItems(1, " 12÷1 2÷1 12÷1 13＋45 3＋4 45＋13 3＋4"))
        added.push_back(listed.add(item));
    EXPECT_EQ(added, (std::vector<bool>{true, true, false, true, true, true, false}));
    EXPECT_EQ(listed.count(), 5u);
}

void onlyDivision(TestApplication& t, int grade, const char* rangeEnd, const char* count,
                  bool avoidTrivial = false)
{
    S& s = t.app.settings;
    s.grade.index = grade;
    clickKindOption(s, ExerciseKind::Oral, t.notifier);
    s.addition.checked = s.subtraction.checked = s.multiplication.checked = false;
    s.rangeEnd.text = rangeEnd;
    s.itemCount.text = count;
    s.avoidTrivial.checked = avoidTrivial;
}

// Only 除法 from 1 to 2 allows 1÷1, 2÷1 and 2÷2, all trivial: three are drawn (the rule
// against trivial items gives way before the count is judged), four are refused at once with
// that number, and the progress bar stops.
TEST(DistinctItemsRun, MoreItemsThanTheSettingsAllowAreRefusedWithTheirNumber)
{
    RecordingEnvironment env;
    TestApplication enough(4), tooMany(4);
    onlyDivision(enough, 0, "2", "3", true);
    onlyDivision(tooMany, 0, "2", "4", true);
    ASSERT_EQ(generateExercises(enough.app, env), RunOutcome::Completed);
    EXPECT_EQ(testing::listOf(enough.app.set).size(), std::string(" 1÷1 2÷1 2÷2").size());
    EXPECT_EQ(generateExercises(tooMany.app, env), RunOutcome::Refused);
    EXPECT_EQ(env.progressStops, env.progressStarts);
    EXPECT_EQ(std::ranges::count(tooMany.notifier.messages, tooFewItemsMessage(3, 4)), 1);
    EXPECT_TRUE(tooMany.app.set.empty());
    EXPECT_EQ(drawOnScreenSet(tooMany.app, env), RunOutcome::Refused);
    EXPECT_EQ(drawPreviewSet(tooMany.app, env), RunOutcome::Refused);
    EXPECT_TRUE(tooMany.app.set.empty()) << "no part of a set to preview";
}

// The first grades divide within the tables, though not up to 81 (8÷2 lies inside 18÷2, so
// a filter of texts would run out early): as many as the settings allow are drawn, and one
// more is refused with their number rather than drawn until a time limit.
TEST(DistinctItemsRun, AGradeOneDivisionSetTakesEveryItemItAllows)
{
    RecordingEnvironment env;
    TestApplication probe(7);
    onlyDivision(probe, 1, "100", "81");
    ASSERT_EQ(generateExercises(probe.app, env), RunOutcome::Refused);
    const std::string told = probe.notifier.messages.back();
    const std::string start = "这些设置下只有";
    ASSERT_TRUE(told.starts_with(start)) << told;
    const int allowed = std::stoi(told.substr(start.size()));
    EXPECT_GT(allowed, 60);

    TestApplication all(8);
    onlyDivision(all, 1, "100", std::to_string(allowed).c_str());
    ASSERT_EQ(generateExercises(all.app, env), RunOutcome::Completed);
    const std::vector<std::string> texts = testing::textsOf(all.app.set);
    EXPECT_EQ(std::set(texts.begin(), texts.end()).size(), static_cast<size_t>(allowed));
}

// Over many sets of a small setting every allowed item comes, and none far less often than
// its share: the draw does not starve items it could give.
TEST(DistinctItemsRun, EveryAllowedItemComesAboutAsOftenAsTheOthers)
{
    RecordingEnvironment env;
    std::map<std::string, int> counts;
    int drawn = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        TestApplication t(seed);
        onlyDivision(t, 1, "100", "20");
        ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
        for (const std::string& text : testing::textsOf(t.app.set))
            ++counts[text];
        drawn += static_cast<int>(t.app.set.size());
    }
    TestApplication all(1);
    onlyDivision(all, 1, "100", "81");
    ASSERT_EQ(generateExercises(all.app, env), RunOutcome::Refused);
    const std::string told = all.notifier.messages.back();
    const int allowed = std::stoi(told.substr(std::string("这些设置下只有").size()));
    EXPECT_EQ(static_cast<int>(counts.size()), allowed);
    const double share = static_cast<double>(drawn) / allowed;
    for (const auto& [text, count] : counts)
        EXPECT_GT(count, share / 3) << text << " came " << count << " times of " << share;
}

// How many distinct items grade one's division up to 100 allows (fewer than 81), as a run
// told it.
int allowedDivisions()
{
    RecordingEnvironment env;
    TestApplication probe(3);
    onlyDivision(probe, 1, "100", "81");
    EXPECT_EQ(generateExercises(probe.app, env), RunOutcome::Refused);
    const std::string told = probe.notifier.messages.back();
    return std::stoi(told.substr(std::string("这些设置下只有").size()));
}

// A batch of 20 sets whose settings allow 20 × count distinct items repeats none of them
// (drawn alone, 20 sets of a twentieth each would share many). Once the batch has used what
// the settings allow, a further set takes earlier items again, and says so.
TEST(DistinctItemsRun, ABatchRepeatsNoItemWhileTheSettingsAllowOthers)
{
    RecordingEnvironment env;
    const int allowed = allowedDivisions();
    const int count = allowed / 20;
    ASSERT_GE(count, 3);
    std::unordered_set<std::string> earlier;
    std::multiset<std::string> drawn;
    for (unsigned day = 0; day < 20; ++day) {
        TestApplication t(100 + day);
        onlyDivision(t, 1, "100", std::to_string(count).c_str());
        ASSERT_EQ(generateBatchSet(t.app, env, earlier), RunOutcome::Completed) << day;
        EXPECT_EQ(std::ranges::count(t.notifier.messages, earlierItemsRepeatedMessage), 0);
        for (const std::string& text : testing::textsOf(t.app.set))
            drawn.insert(text);
    }
    EXPECT_EQ(drawn.size(), static_cast<size_t>(20 * count));
    EXPECT_EQ(std::set(drawn.begin(), drawn.end()).size(), drawn.size());
    EXPECT_EQ(earlier.size(), drawn.size());

    TestApplication last(99);
    const int fresh = allowed - static_cast<int>(drawn.size());
    onlyDivision(last, 1, "100", std::to_string(fresh + 1).c_str());
    ASSERT_EQ(generateBatchSet(last.app, env, earlier), RunOutcome::Completed);
    EXPECT_EQ(std::ranges::count(last.notifier.messages, earlierItemsRepeatedMessage), 1);
    EXPECT_EQ(static_cast<int>(earlier.size()), allowed);
}

// A class of 30 under settings whose fresh items run out after about ten pupils is told that
// earlier items repeat once, not once for each later pupil, and is told nothing twice. The
// next class run on the same application is told it again: each run starts afresh.
TEST(DistinctItemsRun, AClassIsToldEachNoticeOnce)
{
    RecordingEnvironment env;
    const int count = allowedDivisions() / 10;
    TestApplication t(8);
    onlyDivision(t, 1, "100", std::to_string(count).c_str());
    for (int run = 0; run < 2; ++run) {
        t.notifier.messages.clear();
        std::vector<PupilSheet> sheets;
        ASSERT_EQ(generateClassSheets(t.app, env, classPupils({}, 30), sheets),
                  RunOutcome::Completed);
        ASSERT_EQ(sheets.size(), 30u);
        const std::vector<std::string>& told = t.notifier.messages;
        EXPECT_EQ(std::ranges::count(told, earlierItemsRepeatedMessage), 1) << run;
        EXPECT_EQ(std::set(told.begin(), told.end()).size(), told.size()) << run;
    }
}

} // namespace
} // namespace quill
