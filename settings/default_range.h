#pragma once

// The range the boxes hold until the user types one: 1 to 100, and while 分数 is ticked a
// range whose fractions the chosen grade can work with. At 1 to 100 fraction items reach
// answers like 928/2077, which no class works out. 约分 keeps 1 to 100: its answers are
// smaller than its items, and a small range holds too few fractions to reduce (nine below 10).

#include <string_view>

namespace quill
{

struct ExerciseSettings;

struct RangeTexts {
    std::string_view start;
    std::string_view end;
};

inline constexpr RangeTexts plainDefaultRange{"1", "100"};

// By grade list index: up to 三年级 1–10, 四年级 and 五年级 1–12, 六年级 and 小学阶段综合 1–20.
RangeTexts fractionDefaultRange(int gradeIndex);

// What the boxes hold for these settings (number type, kind, grade) while the user has typed
// no range.
RangeTexts defaultRange(const ExerciseSettings& settings);

} // namespace quill
