#pragma once

// The three number forms a teacher can ask for: a zero in the middle (105, 2008), an operand
// ending in zero (30, 120), and a result of whole tens, hundreds or thousands (30, 700).

#include <string_view>

namespace quill
{

struct DrawnOperands;

// "?0?", "?00?", "?000?" or "?0000?": 3 to 6 characters, all but the first and last "0".
bool hasZeroInTheMiddle(std::string_view text);

// The number written ends with "0": "30" and "30%" do, "35%" and "3.5" do not.
bool endsInZero(std::string_view text);

// The shortest text of the value is "?0", "?00", "?000" or "?0000".
bool isWholeTens(double value);

// The shortest text of either operand's value has a zero in the middle.
bool eitherHasZeroInTheMiddle(const DrawnOperands& operands);

// Either operand, exactly as held, ends in zero.
bool eitherEndsInZero(const DrawnOperands& operands);

} // namespace quill
