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
