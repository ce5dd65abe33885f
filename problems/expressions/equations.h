#pragma once

#include <string>
#include <string_view>

namespace quill
{

struct Workspace;

// The item with the unknown "X" in place of one of its numbers: 12＋5 gives X＋5 or 12＋X,
// 6×4 gives 6X, 56÷7 gives X÷7 or (unless 简易方程 is ticked) 56÷X. Empty without an
// operator.
std::string equationLeftSide(Workspace& work, std::string_view item);

// The item with a blank "______" in place of one of its two numbers. Empty without an
// operator.
std::string fillInItem(Workspace& work, std::string_view item);

// Extend every item of a drawn list by one operation with a freshly drawn number and hide
// one number of the result as X. Appends " equation＝value" per item to the run's equationList and
// returns " complete expression＝value" per item. A stop returns the entries finished so far.
std::string buildEquations(Workspace& work, std::string_view listText, int s, int e);

} // namespace quill
