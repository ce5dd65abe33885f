#include "engine/generate_options.h"
#include "engine/settings_options.h"
#include "support/recording_notifier.h"

#include <algorithm>
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

// Option groups a command line may give, each drawn with one of its values.
const std::vector<std::vector<std::vector<std::string>>> optionGroups = {
    {{"--grade", "0"}, {"--grade", "1"}, {"--grade", "5"}, {"--grade", "12"}},
    {{"--kind", "oral"},
     {"--kind", "estimation"},
     {"--kind", "vertical"},
     {"--kind", "steps"},
     {"--kind", "equations"}},
    {{"--numbers", "whole"}, {"--numbers", "decimal"}, {"--numbers", "percent"}},
    {{"--ops", "add"}, {"--ops", "sub,mul"}, {"--ops", "add,sub,div"}},
    {{"--from", "5", "--to", "60"}, {"--from", "10", "--to", "20"}, {"--to", "1000"}},
    {{"--count", "12"}, {"--count", "40"}},
    {{"--columns", "3"}, {"--columns", "5"}},
    {{"--font-size", "14"}, {"--row-height", "36"}},
    {{"--font", "楷体"}, {"--font", "黑体"}},
    {{"--places", "2"}, {"--keep", "1"}, {"--keep", "0"}},
    {{"--no-exact"}, {"--exact"}},
    {{"--zero-middle"}, {"--zero-end"}, {"--round-tens"}},
    {{"--fill-in"}, {"--cap-results"}, {"--allow-trivial"}, {"--no-borders"}},
    {{"--easy"}, {"--no-easy"}, {"--steps", "4"}},
    {{"--carry", "yes"}, {"--carry", "no"}, {"--borrow", "yes"}, {"--borrow", "break-ten"}},
    {{"--closeness", "0"}, {"--closeness", "90"}},
    {{"--layout", "large"}, {"--layout", "standard"}},
};

// Settings made by any drawn command line are made again by the options read off them.
TEST(SettingsOptions, OptionsReadOffSettingsMakeThemAgain)
{
    std::mt19937 random(29);
    int made = 0;
    for (int trial = 0; trial < 600; ++trial) {
        std::vector<std::string> args;
        for (const auto& group : optionGroups)
            if (random() % 3 == 0) {
                const auto& chosen = group[random() % group.size()];
                args.insert(args.end(), chosen.begin(), chosen.end());
            }
        ExerciseSettings settings;
        testing::RecordingNotifier notifier;
        try {
            applyGenerateOptions(parseGenerateOptions(args), settings, notifier);
        } catch (const UsageError&) {
            continue; // a combination the kind refuses
        }
        ++made;
        const auto options = generateOptionsOf(settings);
        ASSERT_TRUE(options) << ::testing::PrintToString(args);
        ExerciseSettings again;
        applyGenerateOptions(parseGenerateOptions(*options), again, notifier);
        EXPECT_TRUE(sameSheetSettings(again, settings)) << ::testing::PrintToString(args);
    }
    EXPECT_GT(made, 200);
}

// A box holding more than digits has no option that makes it: refused, never changed.
TEST(SettingsOptions, SettingsNoOptionMakesHaveNone)
{
    ExerciseSettings settings;
    settings.columns.text = "4.5";
    EXPECT_FALSE(generateOptionsOf(settings));
    ExerciseSettings other;
    other.fontSize.text = "12";
    EXPECT_FALSE(sameSheetSettings(settings, other));
    EXPECT_TRUE(sameSheetSettings(other, other));
}

} // namespace
} // namespace quill
