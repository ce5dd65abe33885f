#pragma once

#include <cstddef>
#include <string_view>

namespace quill
{

// The length of the well-formed UTF-8 sequence at the start of `text` (no overlong forms, no
// surrogates, nothing above U+10FFFF), its code point in `codePoint`; 0 when there is none.
std::size_t utf8Sequence(std::string_view text, char32_t& codePoint);

} // namespace quill
