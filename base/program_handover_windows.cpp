#include "base/program_handover.h"
#include "base/utf8.h"
#include "base/windows_errno.h"

#include <windows.h>

namespace quill
{

int handOverTo(const std::filesystem::path& program, const std::vector<std::string>& args)
{
    std::vector<std::string> all{utf8Text(program)};
    all.insert(all.end(), args.begin(), args.end());
    std::wstring commandLine = pathFromUtf8(windowsCommandLine(all)).wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return errnoOf(GetLastError());
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
}

} // namespace quill
