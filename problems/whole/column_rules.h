#pragma once

// Carrying and borrowing judged the way a pupil works a column sum: the numbers are written
// one above the other, aligned at the point (a percent is its number without the %), and a
// column carries when its digits come to ten or more, borrows when the top digit is the
// smaller. Any such column counts.

#include "settings/exercise_settings.h"

namespace quill
{

struct OperandPair;

// Some column of first + second comes to ten or more.
bool sumCarries(double first, double second);

// Some column of first − second takes from the next: its top digit is below the bottom one.
bool differenceBorrows(double first, double second);

// 凑十: two one-digit numbers whose sum crosses ten (8＋5; 6＋4 only makes it).
bool makesTen(double first, double second);

// 破十: a teen less a one-digit number that borrows (13－8).
bool breaksTen(double first, double second);

bool sumObeys(ColumnRule rule, const OperandPair& pair);
bool differenceObeys(ColumnRule rule, const OperandPair& pair);

} // namespace quill
