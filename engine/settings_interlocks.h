#pragma once

// What clicking a control does to the other controls. A value changed by code has the same
// effects as the user's click: choosing 解方程 ticks 整数, and ticking 整数 clears 分数.

#include "settings/exercise_settings.h"

#include <string>

namespace quill
{

class Notifier;

// A click on a kind option: select it and apply its effects, even when already selected.
void clickKindOption(ExerciseSettings& settings, ExerciseKind kind, Notifier& notifier);

// Select a kind from code: the effects apply only when it was not selected before.
void selectKind(ExerciseSettings& settings, ExerciseKind kind, Notifier& notifier);

// Set a check box from code; a change of value runs its click handler.
void setCheck(ExerciseSettings& settings, CheckBox& box, bool checked, Notifier& notifier);

// A click on a check box: toggle it and run its click handler. A tick that would ask for
// items no sheet can show (分数 with 填数) is refused with the reason.
void clickCheck(ExerciseSettings& settings, CheckBox& box, Notifier& notifier);

// Replace the text of a number box; a change of 列数 adjusts 题量 under some kinds, and a
// changed range box is the user's range from then on.
void setText(ExerciseSettings& settings, NumberBox& box, const std::string& text);

// Choose an entry of a drop-down list; a new grade shows its fraction range while 分数 is
// ticked and the user has typed no range (as ticking 分数 or choosing a kind does).
void setChoice(ExerciseSettings& settings, DropDown& list, int index);

// Toggle a law or unit menu item. Returns true when the unit menu should open again (after
// 体积).
bool clickMenuItem(ExerciseSettings& settings, MenuItem& item);

} // namespace quill
