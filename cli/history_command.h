#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quill
{

// `quillmere history list | load N | delete N` with --history FILE, --answers, --out DIR.
// Entries are numbered from 1 as `list` shows them.
int runHistoryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string historyHelpText();

} // namespace quill
