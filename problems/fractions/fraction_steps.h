#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill
{

struct Workspace;

struct FractionStepList {
    // Every item of the list, extended where the builder got to it ("(3＋8＋1＋8)×5").
    std::vector<std::string> expressions;
    // " expression＝value" per extended item, the value exact and reduced ("＝5/2").
    std::string entries;
};

// 脱式计算 with fractions: every item of the drawn list gets one more operation, picked among
// the ticked ones, with a whole number from s..e. A sum or difference that is then multiplied
// or divided goes into brackets. A stop ends the walk; items not reached stay as drawn.
FractionStepList buildFractionSteps(Workspace& work, std::string_view list, int s, int e);

} // namespace quill
