#pragma once

// WordprocessingML for runs: character formats, text and fields.

#include "output/docx_document.h"

#include <string>
#include <string_view>

namespace quill
{

// <w:rPr> of a format: the font for Latin and East-Asian text alike, bold, size.
void appendRunProperties(std::string& out, const RunFormat& format);

// One <w:r> holding `text`; tabs become <w:tab/>.
void appendTextRun(std::string& out, std::string_view text, const RunFormat& format);

// A field with code `code` and no cached result, for the word processor to work out.
void appendFieldRuns(std::string& out, std::string_view code, const RunFormat& format);

} // namespace quill
