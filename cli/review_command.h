#pragma once

// `quillmere review --pupil NAME`: a worksheet of the items the pupil answered wrong and has
// not answered right since (错题练习), topped up with fresh items of the same kind to --count.

#include <iosfwd>
#include <string>
#include <vector>

namespace quill
{

int runReviewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string reviewHelpText();

// "2026-12-01" from "2026-12-01" or "2026/12/1"; throws UsageError for anything else.
std::string sinceDate(const std::string& text);

} // namespace quill
