#include "cli/window_launch.h"

#include "base/desktop.h"
#include "base/io_result.h"
#include "base/program_location.h"
#include "cli/command_line.h"

#include <cerrno>
#include <iostream>
#include <unistd.h>
#include <vector>

namespace quill
{

std::optional<std::filesystem::path> windowProgram(const std::filesystem::path& programDir)
{
    for (const std::filesystem::path& candidate :
         {programDir / windowProgramName,
          (programDir / installedWindowDirFromBin / windowProgramName).lexically_normal()}) {
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

int startWindow(char** argv)
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
    std::vector<char*> args{const_cast<char*>(program->c_str())};
    for (char** arg = argv + 1; *arg; ++arg)
        args.push_back(*arg);
    args.push_back(nullptr);
    ::execv(program->c_str(), args.data());
    std::cerr << "无法启动窗口程序" << ioSystemFailure(*program, errno).describe() << '\n';
    return exitFailed;
}

} // namespace quill
