#pragma once

#include "base/install_layout.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quill
{

// The window program: beside this one (a build folder, or bin/ of an installation), else
// in the installation's libexec/quillmere/.
std::optional<std::filesystem::path> windowProgram(const std::filesystem::path& programDir);

// Hands over to the window program with the arguments (see handOverTo). Returns when that
// failed, with the exit status to use (the reason has been printed), or where this process
// may end after starting it (Windows).
int startWindow(const std::vector<std::string>& args);

} // namespace quill
