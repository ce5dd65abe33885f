#pragma once

// Addition and subtraction items such as 37＋48 and 63－27.

#include <string>

namespace quill
{

struct Workspace;

// One addition item from the range s..e; the pair stays in the operand registers.
std::string makeAdditionItem(Workspace& work, int s, int e);

// One subtraction item from the range s..e; never a negative difference.
std::string makeSubtractionItem(Workspace& work, int s, int e);

} // namespace quill
