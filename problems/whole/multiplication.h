#pragma once

// Multiplication items such as 7×8, 2.5×4 or 25%×12.

#include <string>

namespace quill
{

struct Workspace;

// One multiplication item from the range s..e; the pair stays in the operand registers.
std::string makeMultiplicationItem(Workspace& work, int s, int e);

} // namespace quill
