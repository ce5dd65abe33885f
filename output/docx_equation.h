#pragma once

#include "output/docx_document.h"

#include <optional>
#include <string>
#include <string_view>

namespace quill
{

// An equation field code such as "EQ \F(3,8) +  \F(1,8) ＝ \F(1,2)" as paragraph content
// that every word processor draws: each fraction, and each pair of brackets around one,
// becomes Office Math; the text between them stays ordinary runs in `format`, so signs
// and "＝" look like the rest of the cell. Empty when the code is not an EQ field built of
// text, brackets and \F(numerator,denominator).
std::optional<std::string> equationXml(std::string_view code, const RunFormat& format);

} // namespace quill
