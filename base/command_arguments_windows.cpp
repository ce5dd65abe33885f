#include "base/command_arguments.h"
#include "base/utf8.h"

#include <filesystem>
// shellapi.h needs windows.h first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace quill
{

std::vector<std::string> commandArguments(int, char**)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int k = 1; wide && k < count; ++k)
        args.push_back(utf8Text(std::filesystem::path(wide[k])));
    LocalFree(wide);
    return args;
}

void useUtf8Console()
{
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

} // namespace quill
