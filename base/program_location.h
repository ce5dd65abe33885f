#pragma once

#include <filesystem>

namespace quill
{

// The folder of the running program (the history file lives beside it when it may).
std::filesystem::path programDirectory();

// True when `programDir` holds one of the two programs as installed: the command line with
// the window program in ../libexec/quillmere/, or the window program with the command line
// in ../../bin/. A build folder or an unpacked copy keeps both programs side by side.
bool isInstalledCopy(const std::filesystem::path& programDir);

// True when `file` is a program this user may start.
bool isProgramFile(const std::filesystem::path& file);

} // namespace quill
