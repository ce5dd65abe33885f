#include "base/home_folder.h"

#include <shlobj.h>
#include <windows.h>

namespace quill
{

// The profile folder as Windows names it, in UTF-16 so that a Chinese user name survives
// whatever the ANSI code page is.
namespace
{

std::filesystem::path knownFolder(const KNOWNFOLDERID& id)
{
    PWSTR folder = nullptr;
    std::filesystem::path path;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &folder)))
        path = folder;
    CoTaskMemFree(folder);
    return path;
}

} // namespace

std::filesystem::path homeFolder()
{
    return knownFolder(FOLDERID_Profile);
}

std::filesystem::path knownDataFolder()
{
    return knownFolder(FOLDERID_RoamingAppData);
}

} // namespace quill
