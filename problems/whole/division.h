#pragma once

// Division items such as 56÷7, 47÷5 or 7.5÷3. The items show neither quotient nor remainder.

#include <string>

namespace quill
{

struct Workspace;

// One division that comes out even; the pair stays in the operand registers.
std::string makeExactDivisionItem(Workspace& work, int s, int e);

// One division that may leave a remainder or, in the upper grades, a terminating decimal
// quotient. The first grades get exact table divisions.
std::string makeDivisionItem(Workspace& work, int s, int e);

} // namespace quill
