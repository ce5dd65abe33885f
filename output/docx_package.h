#pragma once

#include "output/docx_parts.h"

#include <optional>
#include <string>
#include <vector>

namespace quill
{

// The parts packed as a ZIP archive, in the given order, in memory. Empty, with the
// reason in `error`, if the archive could not be made.
std::optional<std::string> packDocx(const std::vector<DocxPart>& parts, std::string& error);

} // namespace quill
