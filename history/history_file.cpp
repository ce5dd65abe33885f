#include "history/history_file.h"

#include "base/atomic_file.h"
#include "base/line_encoding.h"
#include "base/program_location.h"
#include "history/history_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

namespace quill
{

namespace fs = std::filesystem;

namespace
{

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool readAll(int fd, std::string& content)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

// Reads the whole file; false with errno set when it cannot.
bool readFileBytes(const fs::path& file, std::string& content)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool read = readAll(fd, content);
    const int error = errno;
    ::close(fd);
    errno = error;
    return read;
}

std::vector<StoredLine> splitLines(std::string_view content)
{
    std::vector<StoredLine> lines;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        std::string text = decodeHistoryBytes(line);
        if (lines.empty() && text.starts_with(byteOrderMark))
            text.erase(0, byteOrderMark.size());
        lines.push_back({std::string(line), std::move(text)});
    }
    return lines;
}

// Left behind only when a rewrite was killed; nobody else writes them while we hold the lock.
void removeStaleTemporaries(const fs::path& file)
{
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folderOf(file), ec))
        if (isTemporaryOf(entry.path(), file))
            fs::remove(entry.path(), ec);
}

// The new content replaces the file in one rename, so a crash at any moment leaves either
// the old file or the new one, whole. A plain append could be cut off inside a line. The
// caller holds the HistoryFileLock.
IoResult writeReplacement(const fs::path& file, std::string_view content)
{
    removeStaleTemporaries(file);
    return replaceFile(file, content);
}

// For a writable file in a folder that is not: nothing can be renamed there, so the line is
// appended in place, which a crash in mid-write could leave cut short.
IoResult appendInPlace(const fs::path& file, std::string_view bytes)
{
    return appendToFile(file, bytes);
}

} // namespace

fs::path historyFileLocation(const fs::path& programDir, const char* xdgDataHome, const char* home)
{
    // An installed copy never writes among the system's programs, even for root, and its
    // two programs (in bin/ and libexec/) share one history in the user's data folder.
    if (!programDir.empty() && !isInstalledCopy(programDir) &&
        ::access(programDir.c_str(), W_OK) == 0)
        return programDir / historyFileName;
    fs::path data;
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute())
        data = xdgDataHome;
    else if (home && *home)
        data = fs::path(home) / ".local" / "share";
    else
        return programDir / historyFileName; // nowhere better: a save will say why it failed
    return data / "Quillmere" / historyFileName;
}

fs::path historyFileLocation(const fs::path& programDir)
{
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return historyFileLocation(programDir, std::getenv("XDG_DATA_HOME"), home);
}

HistoryRead readHistoryFile(const fs::path& file)
{
    HistoryRead result;
    std::string content;
    if (!readFileBytes(file, content)) {
        result.result = ioSystemFailure(file, errno == ENOTDIR ? ENOENT : errno);
        return result;
    }
    result.result = ioDone(file);
    result.lines = splitLines(content);
    return result;
}

IoResult appendHistoryLine(const fs::path& file, std::string_view lineText)
{
    if (lineText.empty())
        return ioFailure(file, "没有可保存的内容");
    if (lineText.find_first_of("\r\n") != std::string_view::npos)
        return ioFailure(file, "保存的内容含有换行符");

    const fs::path folder = folderOf(file);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return ioSystemFailure(folder, ec.value());

    HistoryFileLock lock(file);
    std::string content;
    const bool exists = readFileBytes(file, content);
    if (!exists && errno != ENOENT)
        return ioSystemFailure(file, errno);

    // A line left without its line end (written by hand, or cut off) stays a line of its own.
    std::string added = content.empty() || content.ends_with('\n') ? "" : std::string(lineEnd);
    added += lineText;
    added += lineEnd;
    if (exists && ::access(folder.c_str(), W_OK) != 0)
        return appendInPlace(file, added);
    return writeReplacement(file, content + added);
}

IoResult replaceHistoryFile(const fs::path& file, const std::vector<std::string>& lineBytes)
{
    std::string content;
    for (const std::string& line : lineBytes) {
        content += line;
        content += lineEnd;
    }
    return writeReplacement(file, content);
}

HistoryFileLock::HistoryFileLock(const fs::path& file)
    : fd_(::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (fd_ < 0)
        return;
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

HistoryFileLock::~HistoryFileLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace quill
