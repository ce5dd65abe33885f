#pragma once

// Text from outside (paths, option values, lines of the history file) is shown to the user
// in messages and on the terminal. Control characters in it could move the cursor, recolour
// the terminal or split one message across lines, so they are shown as escapes instead.

#include <string>
#include <string_view>

namespace quill
{

// `text` with every control character, invalid UTF-8 byte and direction override written
// as an escape: "\n", "\t", "\x1B", "\u{202E}". A backslash itself stays as it is.
std::string printableText(std::string_view text);

// The same for a message of several lines: its line breaks stay line breaks.
std::string printableLines(std::string_view text);

} // namespace quill
