#pragma once

#include <filesystem>

namespace quill
{

// The folder of the running program (the history file lives beside it when it may).
std::filesystem::path programDirectory();

} // namespace quill
