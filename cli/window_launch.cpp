#include "cli/window_launch.h"

#include "base/desktop.h"
#include "base/io_result.h"
#include "base/program_handover.h"
#include "base/program_location.h"
#include "cli/command_line.h"

#include <iostream>
#include <vector>

namespace quill
{

std::optional<std::filesystem::path> windowProgram(const std::filesystem::path& programDir)
{
    for (const std::filesystem::path& candidate :
         {programDir / windowProgramName,
          (programDir / installedWindowDirFromBin / windowProgramName).lexically_normal()}) {
        if (isProgramFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

int startWindow(const std::vector<std::string>& args)
{
    // Without a display the window could not start; the command line still works there.
    if (!displayAvailable()) {
        std::cerr << noDisplayMessage();
        return exitFailed;
    }
    const std::optional<std::filesystem::path> program = windowProgram(programDirectory());
    if (!program) {
        std::cerr << "找不到窗口程序 " << windowProgramName
                  << "，无法打开窗口；命令行仍可使用：quillmere --help\n";
        return exitFailed;
    }
    const int error = handOverTo(*program, args);
    if (error == 0)
        return exitOk;
    std::cerr << "无法启动窗口程序" << ioSystemFailure(*program, error).describe() << '\n';
    return exitFailed;
}

} // namespace quill
