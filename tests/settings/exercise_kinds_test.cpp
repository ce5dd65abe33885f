// The kind table's promises to its readers: names that pick one kind each, history numbers
// that load a set under a kind that saves it the same way again, and switches that never
// pull a control both ways.

#include "settings/control_glossary.h"
#include "settings/exercise_kinds.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace quill
{
namespace
{

ExerciseSettings choosing(ExerciseKind kind, bool fractions)
{
    ExerciseSettings s;
    for (const ExerciseKindRow& row : exerciseKinds())
        (s.*row.option).selected = row.kind == kind;
    s.fractions.checked = fractions;
    return s;
}

TEST(ExerciseKinds, EachKindHasOneRowAndNamesNoOtherKindShares)
{
    std::set<ExerciseKind> kinds;
    std::set<std::string_view> names;
    const ExerciseSettings fresh;
    for (const ExerciseKindRow& row : exerciseKinds()) {
        EXPECT_TRUE(kinds.insert(row.kind).second) << row.caption;
        EXPECT_EQ(&kindRow(row.kind), &row);
        EXPECT_EQ(optionMember(row.kind), row.option);
        for (std::string_view name : {row.commandName, row.caption, row.fractionCaption}) {
            if (!name.empty()) {
                EXPECT_TRUE(names.insert(name).second) << name << " names two kinds";
            }
        }
        EXPECT_EQ(controlName(row.option), row.control);
        EXPECT_EQ(controlName(row.field), row.control);
        EXPECT_EQ((fresh.*row.option).caption, row.caption);
    }
    EXPECT_EQ(fresh.kind(), ExerciseKind::Vertical);
}

// Save, load, save again: the same number, so a reloaded set is saved as what it was.
TEST(ExerciseKinds, ASetLoadsUnderAKindThatSavesItUnderTheSameNumber)
{
    std::set<int> numbers;
    for (const HistoryKind& kind : historyKinds()) {
        EXPECT_TRUE(numbers.insert(kind.number).second) << kind.number;
        EXPECT_GE(kind.number, 1) << "0 stands for a line of no known kind";
        EXPECT_FALSE(kind.label.empty()) << kind.number;
    }
    for (const ExerciseKindRow& row : exerciseKinds())
        for (const bool fractions : {false, true}) {
            const HistoryKind& saved = historyKindFor(choosing(row.kind, fractions));
            EXPECT_TRUE(numbers.count(saved.number)) << row.caption;
            const std::optional<SavedSetKind> loaded = savedSetKind(saved.number);
            ASSERT_TRUE(loaded) << row.caption;
            EXPECT_EQ(loaded->fractions, fractions) << row.caption;
            EXPECT_EQ(historyKindFor(choosing(loaded->kind, loaded->fractions)).number,
                      saved.number)
                << row.caption << (fractions ? " with fractions" : "");
        }
    EXPECT_FALSE(savedSetKind(0));
}

TEST(ExerciseKinds, NoControlIsBothEnabledAndDisabledAndNumberTypesStayApart)
{
    using S = ExerciseSettings;
    const std::vector<SwitchedControl> numberTypes = {&S::wholeNumbers, &S::decimals, &S::fractions,
                                                      &S::percentages};
    const auto contains = [](const std::vector<SwitchedControl>& list, SwitchedControl control) {
        return std::find(list.begin(), list.end(), control) != list.end();
    };
    for (const ExerciseKindRow& row : exerciseKinds()) {
        std::vector<SwitchedControl> switched;
        for (const ControlSwitches* switches : {&row.numberTypes, &row.controls})
            for (const auto* list : {&switches->enables, &switches->disables})
                for (const SwitchedControl control : *list) {
                    EXPECT_FALSE(contains(switched, control)) << row.caption;
                    switched.push_back(control);
                    EXPECT_EQ(contains(numberTypes, control), switches == &row.numberTypes)
                        << row.caption;
                }
    }
}

} // namespace
} // namespace quill
