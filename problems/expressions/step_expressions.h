#pragma once

#include <string>
#include <string_view>

namespace quill
{

struct Workspace;

// Turn every item of a drawn list into a step-by-step expression by appending one more
// operation with a freshly drawn number ("4步" in 脱式步数: two more), and work out its
// value. Returns " expression＝value" per finished item; itemTexts keeps the expressions,
// stepAnswers their values. A stop returns the entries finished so far.
std::string buildStepExpressions(Workspace& work, std::string_view listText, int s, int e);

} // namespace quill
