#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quill
{

// Hands the user over to `program` with `args` (UTF-8, its own name excluded): on POSIX this
// process becomes it; on Windows it is started, and this process may end. Returns 0 when
// this process may end, else the C library's error number of the failure.
int handOverTo(const std::filesystem::path& program, const std::vector<std::string>& args);

// The command-line text that the C runtime on Windows splits back into exactly `args` (its
// rules: quotes around arguments with spaces, tabs or quotes; backslashes doubled only before
// a quote).
std::string windowsCommandLine(const std::vector<std::string>& args);

} // namespace quill
