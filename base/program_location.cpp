#include "base/program_location.h"

#include "base/install_layout.h"

#include <system_error>
#include <unistd.h>

namespace quill
{

namespace
{

bool isProgram(const std::filesystem::path& file)
{
    return ::access(file.c_str(), X_OK) == 0;
}

} // namespace

std::filesystem::path programDirectory()
{
    std::error_code error;
    // Linux names the running program here; elsewhere fall back to the working folder.
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path())
        return program.parent_path();
    return std::filesystem::current_path(error);
}

bool isInstalledCopy(const std::filesystem::path& programDir)
{
    if (programDir.empty())
        return false;
    // Side by side means a build folder or an unpacked copy, wherever that may be.
    const bool hasCommandLine = isProgram(programDir / commandLineProgramName);
    const bool hasWindow = isProgram(programDir / windowProgramName);
    if (hasCommandLine && hasWindow)
        return false;
    return (hasCommandLine &&
            isProgram(programDir / installedWindowDirFromBin / windowProgramName)) ||
           (hasWindow &&
            isProgram(programDir / installedBinFromWindowDir / commandLineProgramName));
}

} // namespace quill
