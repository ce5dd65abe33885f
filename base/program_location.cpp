#include "base/program_location.h"

#include "base/install_layout.h"

namespace quill
{

bool isInstalledCopy(const std::filesystem::path& programDir)
{
    if (programDir.empty())
        return false;
    // Side by side means a build folder or an unpacked copy, wherever that may be.
    const bool hasCommandLine = isProgramFile(programDir / commandLineProgramName);
    const bool hasWindow = isProgramFile(programDir / windowProgramName);
    if (hasCommandLine && hasWindow)
        return false;
    return (hasCommandLine &&
            isProgramFile(programDir / installedWindowDirFromBin / windowProgramName)) ||
           (hasWindow &&
            isProgramFile(programDir / installedBinFromWindowDir / commandLineProgramName));
}

} // namespace quill
