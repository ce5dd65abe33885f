#pragma once

// A class list for one sheet per pupil: a text file, one name a line, in UTF-8 or GBK as
// teachers' spreadsheets save it. Names are trimmed and blank lines skipped; anything that
// cannot be a list of names is refused as a whole, so no sheet goes to a garbled name.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// The most sheets of one class, named or counted (份数).
inline constexpr std::size_t mostPupils = 100;
inline constexpr std::size_t longestPupilName = 20; // characters
// A list of 100 names fits many times over; a larger file is no list and is not read whole.
inline constexpr std::size_t largestRosterBytes = 64 * 1024;

struct Roster {
    std::vector<std::string> names; // UTF-8, in the file's order
    std::optional<std::string> refusal; // why the file is no list; then `names` is empty
};

// The names in the bytes of a list file.
Roster rosterFromBytes(std::string_view bytes);

// The names in the file, or why it cannot be read as a list.
Roster readRoster(const std::filesystem::path& file);

} // namespace quill
