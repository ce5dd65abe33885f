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

constexpr std::string_view temporarySuffix = ".XXXXXX";

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

std::string reasonText(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "磁盘空间不足";
    case EACCES:
    case EPERM:
        return "没有写入权限";
    case EROFS:
        return "磁盘只读";
    case ENOENT:
    case ENOTDIR:
        return "文件夹不存在";
    default:
        return std::strerror(error);
    }
}

WriteOutcome failure(int error)
{
    return {WriteStatus::Failed, reasonText(error)};
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
WriteOutcome moveIntoPlace(const std::string& temporary, const std::filesystem::path& path)
{
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return {WriteStatus::Written, {}};
    if (errno == EEXIST)
        return {WriteStatus::NameTaken, "文件已存在"};
    if (errno != EINVAL && errno != ENOSYS)
        return failure(errno);
    // A file system without the no-replace move: test, then move.
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return {WriteStatus::NameTaken, "文件已存在"};
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return failure(errno);
    return {WriteStatus::Written, {}};
}

} // namespace

std::string failureReason(int error)
{
    return reasonText(error);
}

bool isTemporaryOf(const std::filesystem::path& candidate, const std::filesystem::path& path)
{
    const std::string prefix = "." + path.filename().string() + ".";
    const std::string name = candidate.filename().string();
    return name.size() == prefix.size() + temporarySuffix.size() - 1 && name.starts_with(prefix);
}

namespace
{

// Writes `bytes` to a new temporary file beside `path`, flushed to the disk, with the given
// permissions; its name is left in `temporary`.
WriteOutcome writeTemporary(const std::filesystem::path& path, std::string_view bytes, mode_t mode,
                            std::string& temporary)
{
    temporary =
        (folderOf(path) / ("." + path.filename().string() + std::string(temporarySuffix))).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failure(errno);
    ::fchmod(fd, mode);
    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return {WriteStatus::Written, {}};
    ::unlink(temporary.c_str());
    return failure(error);
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

WriteOutcome writeNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    // A temporary file is private; the document gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    std::string temporary;
    WriteOutcome outcome = writeTemporary(path, bytes, 0666 & ~mask, temporary);
    if (outcome.status != WriteStatus::Written)
        return outcome;
    outcome = moveIntoPlace(temporary, path);
    if (outcome.status != WriteStatus::Written)
        ::unlink(temporary.c_str());
    else
        syncFolder(folderOf(path));
    return outcome;
}

WriteOutcome appendToFile(const std::filesystem::path& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return failure(errno);
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
    return error ? failure(error) : WriteOutcome{WriteStatus::Written, {}};
}

WriteOutcome replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    struct stat original {
    };
    const mode_t mode = ::stat(path.c_str(), &original) == 0 ? original.st_mode & 07777 : 0644;
    std::string temporary;
    const WriteOutcome outcome = writeTemporary(path, bytes, mode, temporary);
    if (outcome.status != WriteStatus::Written)
        return outcome;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failure(error);
    }
    syncFolder(folderOf(path));
    return outcome;
}

} // namespace quill
