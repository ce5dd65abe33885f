#pragma once

#include "base/install_layout.h"

#include <filesystem>
#include <optional>

namespace quill
{

// The window program: beside this one (a build folder, or bin/ of an installation), else
// in the installation's libexec/quillmere/.
std::optional<std::filesystem::path> windowProgram(const std::filesystem::path& programDir);

// Replaces this process with the window program, handing on the arguments (`argv[0]`
// excluded). Returns only when that failed, with the exit status to use; the reason has
// been printed.
int startWindow(char** argv);

} // namespace quill
