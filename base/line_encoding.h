#pragma once

// History lines are written in UTF-8; history files may also hold lines in GBK. Each line
// is judged on its own, so a file that mixes both (old lines, new saves) reads correctly.

#include <cstddef>
#include <string>
#include <string_view>

namespace quill
{

bool isValidUtf8(std::string_view bytes);

// Whether the bytes are text in an encoding history lines are written in: UTF-8 or GBK.
bool isHistoryEncoding(std::string_view bytes);

// Whether the bytes are UTF-8 but for a character cut short at the very end, as a write
// stopped in mid-character leaves them.
bool isCutUtf8(std::string_view bytes);

// The line as UTF-8: taken as is when it already is UTF-8, otherwise converted from GBK.
// Bytes that are neither become U+FFFD, so a damaged line is still listed and never dropped.
std::string decodeHistoryBytes(std::string_view bytes);

// The first `count` characters (not bytes) of a UTF-8 text.
std::string firstCharacters(std::string_view utf8, std::size_t count);

} // namespace quill
