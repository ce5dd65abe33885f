#include "output/atomic_file.h"

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

WriteOutcome writeNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::path folder = path.parent_path();
    if (folder.empty())
        folder = ".";
    std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();

    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failure(errno);

    // A temporary file is private; the document gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;

    WriteOutcome outcome = error ? failure(error) : moveIntoPlace(temporary, path);
    if (outcome.status != WriteStatus::Written)
        ::unlink(temporary.c_str());
    return outcome;
}

} // namespace quill
