#pragma once

// What the settings let a run draw, worked out before it starts: settings it could draw for
// ever without meeting are refused with the reason, and ticked choices that cannot be drawn
// are left out with a note. Settings this cannot foresee are left to the user's stop (or the
// command line's time limit).

#include "problems/draw.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quill
{

struct ExerciseSettings;
struct LawShape;

struct DrawPlan {
    std::optional<std::string> refusal;           // why the run must not start
    std::vector<std::string> notes;               // what the run leaves out, to tell the user
    std::vector<const LawShape*> lawFormsLeftOut; // forms of law items never drawn
    std::array<bool, 4> operationsLeftOut{};      // ticked ＋ － × ÷ never drawn
};

// 生成练习 draws the kind's items; 上机答题 one-operation items, whatever the kind options.
enum class DrawPurpose { Sheets, OnScreen };

DrawPlan planDraw(const ExerciseSettings& settings, Range range, DrawPurpose purpose);

} // namespace quill
