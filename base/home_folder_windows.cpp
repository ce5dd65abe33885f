#include "base/home_folder.h"

#include <shlobj.h>
#include <windows.h>

namespace quill
{

// The profile folder as Windows names it, in UTF-16 so that a Chinese user name survives
// whatever the ANSI code page is.
std::filesystem::path homeFolder()
{
    PWSTR folder = nullptr;
    std::filesystem::path home;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Profile, KF_FLAG_DEFAULT, nullptr, &folder)))
        home = folder;
    CoTaskMemFree(folder);
    return home;
}

} // namespace quill
