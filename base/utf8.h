#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace quill
{

// The length of the well-formed UTF-8 sequence at the start of `text` (no overlong forms, no
// surrogates, nothing above U+10FFFF), its code point in `codePoint`; 0 when there is none.
std::size_t utf8Sequence(std::string_view text, char32_t& codePoint);

// A path from UTF-8 text. A plain narrow string would be read in the ANSI code page on
// Windows, which cannot hold every name.
std::filesystem::path pathFromUtf8(std::string_view text);

// The path as UTF-8 text, for messages and lists; path::string() gives the ANSI code page on
// Windows.
std::string utf8Text(const std::filesystem::path& path);

// How many characters the text holds; a byte that starts no sequence counts as one.
std::size_t characterCount(std::string_view text);

// The text without spaces, tabs and line ends at either end.
std::string_view trimmed(std::string_view text);

} // namespace quill
