#pragma once

// The glossary of the main window: each control by its short name (kept as its Qt object
// name, by which tests and other readers of the window find it), the setting or window part
// it stands for, and the caption the user reads. Code uses the field names; the short names
// live here and as object names only.

#include "settings/exercise_settings.h"

#include <span>
#include <string_view>
#include <variant>

namespace quill
{

using SettingMember =
    std::variant<std::monostate, OptionButton ExerciseSettings::*, CheckBox ExerciseSettings::*,
                 NumberBox ExerciseSettings::*, DropDown ExerciseSettings::*,
                 int ExerciseSettings::*, MenuItem ExerciseSettings::*>;

inline constexpr std::string_view mainForm = "Form1";
inline constexpr std::string_view answeringForm = "Form2";
inline constexpr std::string_view pupilNameForm = "Form3";
inline constexpr std::string_view recordsForm = "Form4";

struct GlossaryEntry {
    std::string_view control; // "Check13"
    std::string_view field;   // "zeroInMiddle": the setting, or the window's name for the part
    std::string_view caption; // "中间有零"; a box with two meanings lists both
    SettingMember member{};   // the setting; none for parts of the window only
    std::string_view form = mainForm; // the window holding the control
};

std::span<const GlossaryEntry> controlGlossary();

// The control name of a setting or of a part of a window ("generateButton" -> "Command1").
// Empty when the glossary does not list it.
std::string_view controlName(const SettingMember& member);
std::string_view controlName(std::string_view field, std::string_view form = mainForm);

} // namespace quill
