#pragma once

// The short code in the corner of a pupil's sheet, read aloud to find its key: letters and
// digits that cannot be mistaken for one another (no 0/O, no 1/I).

#include "base/random_source.h"

#include <string>
#include <vector>

namespace quill
{

inline constexpr std::size_t sheetCodeLength = 5;

// `count` different codes drawn from `random`.
std::vector<std::string> drawSheetCodes(RandomSource& random, std::size_t count);

} // namespace quill
