#pragma once

// `quillmere records list [--pupil NAME]`: the sets each pupil answered and, for one pupil,
// the items still to practise.

#include <iosfwd>
#include <string>
#include <vector>

namespace quill
{

int runRecordsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string recordsHelpText();

} // namespace quill
