#include "base/program_location.h"

#include <system_error>
#include <unistd.h>

namespace quill
{

std::filesystem::path programDirectory()
{
    std::error_code error;
    // Linux names the running program here; elsewhere fall back to the working folder.
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path())
        return program.parent_path();
    return std::filesystem::current_path(error);
}

bool isProgramFile(const std::filesystem::path& file)
{
    return ::access(file.c_str(), X_OK) == 0;
}

} // namespace quill
