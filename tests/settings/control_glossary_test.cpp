#include "settings/control_glossary.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace quill;

namespace
{

// The caption a fresh settings model shows for a member, when it has one.
std::string modelCaption(const SettingMember& member)
{
    const ExerciseSettings s;
    return std::visit(
        [&](auto field) -> std::string {
            using Field = decltype(field);
            if constexpr (std::is_same_v<Field, OptionButton ExerciseSettings::*> ||
                          std::is_same_v<Field, CheckBox ExerciseSettings::*> ||
                          std::is_same_v<Field, MenuItem ExerciseSettings::*>)
                return (s.*field).caption;
            else
                return {};
        },
        member);
}

} // namespace

TEST(ControlGlossary, NamesEveryControlOnceAndAgreesWithTheModel)
{
    std::set<std::pair<std::string_view, std::string_view>> controls;
    std::set<std::string_view> fields;
    for (const GlossaryEntry& entry : controlGlossary()) {
        EXPECT_TRUE(controls.insert({entry.form, entry.control}).second) << entry.control;
        EXPECT_TRUE(fields.insert(entry.field).second) << entry.field;
        const std::string caption = modelCaption(entry.member);
        if (!caption.empty()) {
            EXPECT_EQ(std::string(entry.caption).substr(0, caption.size()), caption)
                << entry.control << " shows its first meaning first";
        }
        if (!std::holds_alternative<std::monostate>(entry.member)) {
            EXPECT_EQ(controlName(entry.member), entry.control);
        }
        EXPECT_EQ(controlName(entry.field, entry.form), entry.control);
        if (const auto* item = std::get_if<MenuItem ExerciseSettings::*>(&entry.member)) {
            EXPECT_EQ(entry.control, (ExerciseSettings().**item).name)
                << "a menu item's control name is its command-line spelling";
        }
    }
    ExerciseSettings s;
    for (const CheckBox* box : s.checkBoxes())
        EXPECT_NE(std::find_if(controlGlossary().begin(), controlGlossary().end(),
                               [&](const GlossaryEntry& e) {
                                   return modelCaption(e.member) == box->caption;
                               }),
                  controlGlossary().end())
            << box->caption;
    EXPECT_EQ(controlName("noSuchPart"), std::string_view());
}
