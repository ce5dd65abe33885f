#include "engine/generate_options.h"
#include "engine/settings_options.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>
#include <random>

namespace quill
{
namespace
{

// What a user sees of the settings: the value of every enabled control.
std::string visibleState(ExerciseSettings s)
{
    std::string state = std::to_string(static_cast<int>(s.kind()));
    for (const CheckBox* box : s.checkBoxes())
        state += box->enabled ? (box->checked ? " 1" : " 0") : " -";
    for (const NumberBox* box : {&s.rangeStart, &s.rangeEnd, &s.itemCount, &s.columns,
                                 &s.fontSize, &s.rowHeight})
        state += " " + box->text;
    for (const DropDown* list : {&s.grade, &s.operandPlaces, &s.answerPlaces, &s.font,
                                 &s.documentFormat, &s.pageLayout, &s.stepCount, &s.carry,
                                 &s.borrow})
        state += list->enabled ? " " + std::to_string(list->index) : " -";
    for (const MenuItem* item : s.lawItems())
        state += item->checked ? "L" : "l";
    for (const MenuItem* item : s.unitItems())
        state += item->checked ? "U" : "u";
    return state + " " + std::to_string(s.closeness);
}

// Settings reached by random options, turned into options and applied to fresh settings,
// show every enabled control as it was.
TEST(SettingsOptions, ApplyingTheOptionsOfSettingsGivesTheSameSettings)
{
    const std::vector<std::vector<std::string>> pool = {
        {"--kind", "oral"},      {"--kind", "estimation"}, {"--kind", "steps"},
        {"--kind", "laws"},      {"--kind", "equations"},  {"--kind", "units"},
        {"--grade", "3"},        {"--grade", "9"},         {"--numbers", "decimal"},
        {"--numbers", "fraction"}, {"--numbers", "percent"}, {"--ops", "add,mul"},
        {"--ops", "div"},        {"--from", "20"},         {"--to", "300"},
        {"--count", "37"},       {"--columns", "3"},       {"--font-size", "14"},
        {"--row-height", "44"},  {"--font", "黑体"},       {"--places", "3"},
        {"--keep", "2"},         {"--no-exact"},           {"--zero-middle"},
        {"--round-tens"},        {"--fill-in"},            {"--easy"},
        {"--no-easy"},           {"--cap-results"},        {"--allow-trivial"},
        {"--steps", "4"},        {"--carry", "yes"},       {"--borrow", "no"},
        {"--closeness", "80"},   {"--laws", "distributive,noShortcut"},
        {"--units", "money,area"}, {"--no-borders"},       {"--answers"},
        {"--format", "both"},    {"--layout", "dense"},    {"--layout", "large"},
    };
    std::mt19937 random(29);
    int checked = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> options;
        for (int n = std::uniform_int_distribution(1, 6)(random); n > 0; --n) {
            const auto& pick = pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
            options.insert(options.end(), pick.begin(), pick.end());
        }
        testing::RecordingNotifier notifier;
        ExerciseSettings clicked;
        try {
            applyGenerateOptions(parseGenerateOptions(options), clicked, notifier);
        } catch (const UsageError&) {
            continue; // a control the kind disables
        }
        const std::vector<std::string> back = settingsOptions(clicked);
        ExerciseSettings again;
        ASSERT_NO_THROW(applyGenerateOptions(parseGenerateOptions(back), again, notifier))
            << ::testing::PrintToString(options) << " -> " << ::testing::PrintToString(back);
        EXPECT_EQ(visibleState(again), visibleState(clicked))
            << ::testing::PrintToString(options) << " -> " << ::testing::PrintToString(back);
        ++checked;
    }
    EXPECT_GT(checked, 200);
    EXPECT_TRUE(settingsOptions(ExerciseSettings()).empty());
}

} // namespace
} // namespace quill
