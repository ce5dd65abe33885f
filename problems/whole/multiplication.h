#pragma once

// Multiplication items such as 7×8, 2.5×4 or 25%×12.

#include <string>

namespace quill
{

struct Application;

// One multiplication item from the range s..e; the pair stays in the operand registers.
std::string makeMultiplicationItem(Application& app, int s, int e);

} // namespace quill
