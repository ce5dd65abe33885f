#pragma once

// The few file calls the history needs beyond whole-file writes, with a POSIX and a Windows
// implementation. Failures are C library error numbers (0 when done), so that the reasons
// read the same on both.

#include <cstdint>
#include <filesystem>

namespace quill
{

enum class FileKind { Regular, Directory, Other };

struct FileFacts {
    FileKind kind = FileKind::Other;
    std::uintmax_t size = 0;
    bool writeBitsCleared = false; // no write permission at all (read-only attribute on Windows)
    std::uintmax_t links = 1;
    bool ownerKeepable = true; // a replacement could be given the file's owner and group
};

// What `path` is, following symbolic links.
int fileFactsOf(const std::filesystem::path& path, FileFacts& facts);

// Whether this process may write the file.
bool mayWrite(const std::filesystem::path& file);
// Why this process may not create files in the folder; 0 when it may.
int creationRefusal(const std::filesystem::path& folder);

// Cuts the file back to `size` bytes.
int truncateFile(const std::filesystem::path& file, std::uintmax_t size);

// A file opened for reading without waiting: a pipe at the path does not block the open.
class ReadingFile
{
public:
    explicit ReadingFile(const std::filesystem::path& file);
    ~ReadingFile();
    ReadingFile(const ReadingFile&) = delete;
    ReadingFile& operator=(const ReadingFile&) = delete;

    int openError() const { return error_; }
    int facts(FileFacts& facts) const;
    // Reads up to `size` bytes into `buffer`; `got` is 0 at the end.
    int read(char* buffer, std::size_t size, std::size_t& got);

private:
    std::intptr_t handle_ = -1;
    int error_ = 0;
};

// An exclusive lock on a file (flock on POSIX; on Windows, LockFileEx on one byte far past
// the end, since Windows locks also stop writes), held until destruction, waiting for other holders:
// `lockFile` is created (never through a symbolic link) and locked; where it cannot be made,
// `fallback` is opened and locked instead.
class WholeFileLock
{
public:
    WholeFileLock(const std::filesystem::path& lockFile, const std::filesystem::path& fallback);
    ~WholeFileLock();
    WholeFileLock(const WholeFileLock&) = delete;
    WholeFileLock& operator=(const WholeFileLock&) = delete;

    // 0 when held; the lock file's error when neither file opened, else the lock's.
    int error() const { return error_; }

private:
    std::intptr_t handle_ = -1;
    int error_ = 0;
};

} // namespace quill
