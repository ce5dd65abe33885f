#include "base/program_location.h"

#include <string>
#include <system_error>
#include <windows.h>

namespace quill
{

std::filesystem::path programDirectory()
{
    // The module name in UTF-16, grown until it fits: folders may be long and Chinese.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            break;
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        if (name.size() >= 32768)
            break;
        name.resize(name.size() * 2);
    }
    std::error_code error;
    return std::filesystem::current_path(error);
}

// Windows has no execute permission to ask about: a program file is one that is there.
bool isProgramFile(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

} // namespace quill
