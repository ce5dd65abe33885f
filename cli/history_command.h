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

// `quillmere key CODE` with --history FILE, --out DIR, --format: writes again the pupil's sheet
// saved with that code, and its key.
std::string keyHelpText();
int runKeyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quill
