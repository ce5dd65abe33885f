#include "base/atomic_file.h"

#include "base/random_source.h"
#include "base/windows_errno.h"

#include <algorithm>
#include <cerrno>
#include <windows.h>

namespace quill
{

namespace
{

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

IoResult lastFailure(const std::filesystem::path& path)
{
    return ioSystemFailure(path, errnoOf(GetLastError()));
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// A temporary name beside `path` that no file has; the file is created with it, written and
// flushed to the disk.
IoResult writeTemporary(const std::filesystem::path& path, std::string_view bytes,
                        std::filesystem::path& temporary)
{
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    RandomSource random;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        std::wstring name = (folderOf(path) / temporaryNamePattern(path)).native();
        for (auto it = name.end() - 6; it != name.end(); ++it)
            *it = static_cast<wchar_t>(letters[random.below(static_cast<int>(sizeof letters - 1))]);
        temporary = name;
        file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return lastFailure(path);
    const bool written = writeAll(file, bytes) && FlushFileBuffers(file);
    const DWORD error = written ? 0 : GetLastError();
    CloseHandle(file);
    if (written)
        return ioDone(path);
    DeleteFileW(temporary.c_str());
    return ioSystemFailure(path, errnoOf(error));
}

// Gives the temporary file its name; `flags` says whether an existing file may be replaced.
IoResult moveIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path,
                       DWORD flags)
{
    if (MoveFileExW(temporary.c_str(), path.c_str(), flags | MOVEFILE_WRITE_THROUGH))
        return ioDone(path);
    const IoResult failure = lastFailure(path);
    DeleteFileW(temporary.c_str());
    return failure;
}

} // namespace

IoResult writeNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::path temporary;
    if (IoResult outcome = writeTemporary(path, bytes, temporary); !outcome)
        return outcome;
    return moveIntoPlace(temporary, path, 0);
}

IoResult replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::path temporary;
    if (IoResult outcome = writeTemporary(path, bytes, temporary); !outcome)
        return outcome;
    // ReplaceFileW keeps the replaced file's permissions and attributes; it needs a file to
    // replace, so a new one is moved into place instead.
    if (ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr))
        return ioDone(path);
    if (GetLastError() != ERROR_FILE_NOT_FOUND)
        return moveIntoPlace(temporary, path, MOVEFILE_REPLACE_EXISTING);
    return moveIntoPlace(temporary, path, 0);
}

IoResult appendToFile(const std::filesystem::path& path, std::string_view bytes)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastFailure(path);
    LARGE_INTEGER before{};
    const bool sized = GetFileSizeEx(file, &before);
    DWORD error = 0;
    if (!writeAll(file, bytes) || !FlushFileBuffers(file)) {
        error = GetLastError();
        // Cut back to the former size: the end of file moves to where the pointer is.
        if (sized && SetFilePointerEx(file, before, nullptr, FILE_BEGIN))
            SetEndOfFile(file);
    }
    CloseHandle(file);
    return error ? ioSystemFailure(path, errnoOf(error)) : ioDone(path);
}

} // namespace quill
