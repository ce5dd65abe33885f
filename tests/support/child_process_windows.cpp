#include "base/program_handover.h"
#include "base/utf8.h"
#include "support/child_process.h"
#include "support/temp_folder.h"

#include <windows.h>

namespace quill::testing
{

namespace
{

// A file handle the child inherits as one of its standard streams.
HANDLE inheritedFile(const std::filesystem::path& file, bool writing)
{
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    return CreateFileW(file.c_str(), writing ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                       writing ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

ChildRun runChild(const std::filesystem::path& program, const std::vector<std::string>& args,
                  std::string_view input, const std::filesystem::path& workingFolder)
{
    TempFolder streams;
    writeBytes(streams / "in", input);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritedFile(streams / "in", false);
    startup.hStdOutput = inheritedFile(streams / "out", true);
    startup.hStdError = inheritedFile(streams / "err", true);
    std::vector<std::string> all{utf8Text(program)};
    all.insert(all.end(), args.begin(), args.end());
    std::wstring commandLine = pathFromUtf8(windowsCommandLine(all)).wstring();
    PROCESS_INFORMATION started{};
    const BOOL created = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                        0, nullptr, workingFolder.c_str(), &startup, &started);
    for (HANDLE stream : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        CloseHandle(stream);
    if (!created)
        return {};
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return {static_cast<int>(status), fileBytes(streams / "out"), fileBytes(streams / "err")};
}

} // namespace quill::testing
