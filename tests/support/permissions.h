#pragma once

#include <filesystem>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quill::testing
{

// Why a folder or file whose write bits are cleared may still be written here, or empty
// when it may not: tests of refused writes then have nothing to test.
inline std::string whyWriteBitsDoNotBind()
{
#ifdef _WIN32
    return "Windows has no POSIX write bits: a folder's read-only attribute does not stop new files";
#else
    return ::geteuid() == 0 ? "permissions do not stop the superuser from writing" : "";
#endif
}

// Whether a file's POSIX mode bits (beyond read-only) are kept by the file system.
inline bool modeBitsKept()
{
#ifdef _WIN32
    return false;
#else
    return true;
#endif
}

inline void setMode(const std::filesystem::path& path, std::filesystem::perms mode)
{
    std::filesystem::permissions(path, mode, std::filesystem::perm_options::replace);
}

inline std::filesystem::perms modeOf(const std::filesystem::path& path)
{
    return std::filesystem::status(path).permissions() & std::filesystem::perms::mask;
}

} // namespace quill::testing
