#include "base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quill
{

namespace
{

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Moves the finished temporary file to its name unless that name exists.
IoResult moveIntoPlace(const std::string& temporary, const std::filesystem::path& path)
{
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return ioDone(path);
    if (errno != EINVAL && errno != ENOSYS)
        return ioSystemFailure(path, errno);
    // A file system without the no-replace move: test, then move. A dangling symbolic link
    // counts as taken, as it does for the move above.
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found)
        return ioSystemFailure(path, EEXIST);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return ioSystemFailure(path, errno);
    return ioDone(path);
}

// Gives the temporary file the owner and group of the file it replaces. Where they cannot be
// given (a user saving a file that is not theirs), the rename would take the file from its
// owner, so the replacement is refused.
IoResult takeOwnerOf(int fd, const struct stat& original, const std::filesystem::path& path)
{
    struct stat current {
    };
    if (::fstat(fd, &current) == 0 && current.st_uid == original.st_uid &&
        current.st_gid == original.st_gid)
        return ioDone(path);
    if (::fchown(fd, original.st_uid, original.st_gid) == 0)
        return ioDone(path);
    return ioFailure(path, "无法保留文件原来的所有者和组（" + systemReason(errno) + "），未作改动",
                     IoStatus::Refused);
}

// Writes `bytes` to a new temporary file beside `path`, flushed to the disk, with the given
// permissions and, for a replacement, the original's owner and group; its name is left in
// `temporary`.
IoResult writeTemporary(const std::filesystem::path& path, std::string_view bytes, mode_t mode,
                        const struct stat* original, std::string& temporary)
{
    temporary = (folderOf(path) / temporaryNamePattern(path)).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return ioSystemFailure(path, errno);
    // Owner first: a change of owner clears the set-id bits that the mode may bring back.
    if (original) {
        if (IoResult owned = takeOwnerOf(fd, *original, path); !owned) {
            ::close(fd);
            ::unlink(temporary.c_str());
            return owned;
        }
    }
    ::fchmod(fd, mode);
    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return ioDone(path);
    ::unlink(temporary.c_str());
    return ioSystemFailure(path, error);
}

// A renamed file is only durable once its folder entry is.
void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

IoResult writeNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    // A temporary file is private; the document gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    std::string temporary;
    IoResult outcome = writeTemporary(path, bytes, 0666 & ~mask, nullptr, temporary);
    if (!outcome)
        return outcome;
    outcome = moveIntoPlace(temporary, path);
    if (!outcome)
        ::unlink(temporary.c_str());
    else
        syncFolder(folderOf(path));
    return outcome;
}

IoResult appendToFile(const std::filesystem::path& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return ioSystemFailure(path, errno);
    struct stat before {
    };
    const bool sized = ::fstat(fd, &before) == 0;
    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        error = errno;
        if (sized)
            (void)::ftruncate(fd, before.st_size);
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error ? ioSystemFailure(path, error) : ioDone(path);
}

IoResult replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    struct stat original {
    };
    const bool replacing = ::stat(path.c_str(), &original) == 0;
    const mode_t mode = replacing ? original.st_mode & 07777 : 0644;
    std::string temporary;
    const IoResult outcome =
        writeTemporary(path, bytes, mode, replacing ? &original : nullptr, temporary);
    if (!outcome)
        return outcome;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return ioSystemFailure(path, error);
    }
    syncFolder(folderOf(path));
    return outcome;
}

} // namespace quill
