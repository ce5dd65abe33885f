#include "base/file_access.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quill
{

namespace
{

bool inGroup(gid_t group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    const int got = ::getgroups(count, groups.data());
    return got > 0 &&
           std::find(groups.begin(), groups.begin() + got, group) != groups.begin() + got;
}

FileFacts factsOf(const struct stat& info)
{
    FileFacts facts;
    facts.kind = S_ISDIR(info.st_mode)   ? FileKind::Directory
                 : S_ISREG(info.st_mode) ? FileKind::Regular
                                         : FileKind::Other;
    facts.size = static_cast<std::uintmax_t>(info.st_size);
    facts.writeBitsCleared = (info.st_mode & 0222) == 0;
    facts.links = info.st_nlink;
    // The kernel's rule for fchown: the superuser gives any owner, others keep their own and
    // may choose among their groups.
    const uid_t user = ::geteuid();
    facts.ownerKeepable = user == 0 || (info.st_uid == user && inGroup(info.st_gid));
    return facts;
}

} // namespace

int fileFactsOf(const std::filesystem::path& path, FileFacts& facts)
{
    struct stat info {
    };
    if (::stat(path.c_str(), &info) != 0)
        return errno;
    facts = factsOf(info);
    return 0;
}

bool mayWrite(const std::filesystem::path& file)
{
    return ::access(file.c_str(), W_OK) == 0;
}

int creationRefusal(const std::filesystem::path& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

int truncateFile(const std::filesystem::path& file, std::uintmax_t size)
{
    return ::truncate(file.c_str(), static_cast<off_t>(size)) == 0 ? 0 : errno;
}

ReadingFile::ReadingFile(const std::filesystem::path& file)
{
    handle_ = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle_ < 0)
        error_ = errno == ENOTDIR ? ENOENT : errno;
}

ReadingFile::~ReadingFile()
{
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
}

int ReadingFile::facts(FileFacts& facts) const
{
    struct stat info {
    };
    if (::fstat(static_cast<int>(handle_), &info) != 0)
        return errno;
    facts = factsOf(info);
    return 0;
}

int ReadingFile::read(char* buffer, std::size_t size, std::size_t& got)
{
    for (;;) {
        const ssize_t read = ::read(static_cast<int>(handle_), buffer, size);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return errno;
        got = static_cast<std::size_t>(read);
        return 0;
    }
}

WholeFileLock::WholeFileLock(const std::filesystem::path& lockFile, const std::filesystem::path& fallback)
{
    handle_ = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    const int lockFileError = errno;
    if (handle_ < 0)
        handle_ = ::open(fallback.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle_ < 0) {
        error_ = lockFileError;
        return;
    }
    int locked;
    while ((locked = ::flock(static_cast<int>(handle_), LOCK_EX)) != 0 && errno == EINTR) {
    }
    error_ = locked == 0 ? 0 : errno;
}

WholeFileLock::~WholeFileLock()
{
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
}

} // namespace quill
