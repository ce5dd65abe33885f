#include "base/file_access.h"

#include "base/windows_errno.h"

#include <algorithm>
#include <cerrno>
#include <windows.h>

namespace quill
{

namespace
{

// Paths go to the wide-character calls as they are (UTF-16), never through the ANSI code page.
HANDLE openForReading(const std::filesystem::path& file)
{
    return CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

FileFacts factsOf(const BY_HANDLE_FILE_INFORMATION& info, DWORD type)
{
    FileFacts facts;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        facts.kind = FileKind::Directory;
    else if (type == FILE_TYPE_DISK)
        facts.kind = FileKind::Regular;
    facts.size = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    facts.writeBitsCleared = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.links = info.nNumberOfLinks;
    facts.ownerKeepable = true; // a replaced file keeps its security descriptor (ReplaceFileW)
    return facts;
}

int factsOfHandle(HANDLE handle, FileFacts& facts)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info))
        return errnoOf(GetLastError());
    facts = factsOf(info, GetFileType(handle));
    return 0;
}

HANDLE handleOf(std::intptr_t value)
{
    return reinterpret_cast<HANDLE>(value);
}

} // namespace

int fileFactsOf(const std::filesystem::path& path, FileFacts& facts)
{
    const HANDLE handle = openForReading(path);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoOf(GetLastError());
    const int error = factsOfHandle(handle, facts);
    CloseHandle(handle);
    return error;
}

bool mayWrite(const std::filesystem::path& file)
{
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return true;
}

// Windows has no cheap question for this; the write itself says why it failed.
int creationRefusal(const std::filesystem::path& folder)
{
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return errnoOf(GetLastError());
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : ENOTDIR;
}

int truncateFile(const std::filesystem::path& file, std::uintmax_t size)
{
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoOf(GetLastError());
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool done = SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
    const int error = done ? 0 : errnoOf(GetLastError());
    CloseHandle(handle);
    return error;
}

ReadingFile::ReadingFile(const std::filesystem::path& file)
{
    const HANDLE handle = openForReading(file);
    if (handle == INVALID_HANDLE_VALUE)
        error_ = errnoOf(GetLastError());
    else
        handle_ = reinterpret_cast<std::intptr_t>(handle);
}

ReadingFile::~ReadingFile()
{
    if (handle_ != -1)
        CloseHandle(handleOf(handle_));
}

int ReadingFile::facts(FileFacts& facts) const
{
    return factsOfHandle(handleOf(handle_), facts);
}

int ReadingFile::read(char* buffer, std::size_t size, std::size_t& got)
{
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!ReadFile(handleOf(handle_), buffer, chunk, &read, nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_HANDLE_EOF && error != ERROR_BROKEN_PIPE)
            return errnoOf(error);
    }
    got = read;
    return 0;
}

WholeFileLock::WholeFileLock(const std::filesystem::path& lockFile, const std::filesystem::path& fallback)
{
    // OPEN_ALWAYS without FILE_FLAG_OPEN_REPARSE_POINT would follow a link; a lock file that is
    // a reparse point is refused instead, like O_NOFOLLOW.
    HANDLE handle = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    const int lockFileError = handle == INVALID_HANDLE_VALUE ? errnoOf(GetLastError()) : 0;
    if (handle != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(handle, &info) ||
            (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            CloseHandle(handle);
            handle = INVALID_HANDLE_VALUE;
        }
    }
    if (handle == INVALID_HANDLE_VALUE)
        handle = openForReading(fallback);
    if (handle == INVALID_HANDLE_VALUE) {
        error_ = lockFileError ? lockFileError : errnoOf(GetLastError());
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(handle);
    // Windows locks are mandatory: a lock over the bytes would stop this very process writing
    // them through another handle when the fallback is the file itself. Every holder locks the
    // same range far past the end of any file the program keeps, which excludes them alike.
    OVERLAPPED from{};
    from.OffsetHigh = 0x40000000;
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &from))
        error_ = errnoOf(GetLastError());
}

WholeFileLock::~WholeFileLock()
{
    if (handle_ != -1)
        CloseHandle(handleOf(handle_));
}

} // namespace quill
