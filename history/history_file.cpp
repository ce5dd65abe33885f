#include "history/history_file.h"

#include "history/history_line.h"
#include "history/line_encoding.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quill
{

namespace fs = std::filesystem;

namespace
{

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view temporarySuffix = ".XXXXXX";

std::string systemReason()
{
    return std::strerror(errno);
}

std::string quoted(const fs::path& path)
{
    return "“" + path.string() + "”";
}

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
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

// A new or replaced file is only durable once its folder entry is.
void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A save cut off in the middle of its write leaves a last line without its line end; the
// next line must not be glued onto it.
bool endsInsideLine(int fd, off_t size)
{
    if (size == 0)
        return false;
    char last = '\n';
    return ::pread(fd, &last, 1, size - 1) == 1 && last != '\n';
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
    const std::string prefix = "." + file.filename().string() + ".";
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folderOf(file), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + temporarySuffix.size() - 1 && name.starts_with(prefix))
            fs::remove(entry.path(), ec);
    }
}

FileResult failedAppend(int fd, off_t originalSize, bool created, const fs::path& file,
                        const std::string& reason)
{
    if (::ftruncate(fd, originalSize) != 0) {
        // Nothing more to undo with; the line end check of the next save keeps lines apart.
    }
    ::close(fd);
    if (created)
        ::unlink(file.c_str());
    return FileResult::failure("无法写入" + quoted(file) + "：" + reason);
}

} // namespace

fs::path historyFileLocation(const fs::path& programDir, const char* xdgDataHome, const char* home)
{
    if (!programDir.empty() && ::access(programDir.c_str(), W_OK) == 0)
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
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        result.status = missing ? HistoryRead::Status::Missing : HistoryRead::Status::Failed;
        result.reason = "无法打开" + quoted(file) + "：" + systemReason();
        return result;
    }
    std::string content;
    const bool read = readAll(fd, content);
    const std::string reason = read ? std::string() : systemReason();
    ::close(fd);
    if (!read) {
        result.status = HistoryRead::Status::Failed;
        result.reason = "无法读取" + quoted(file) + "：" + reason;
        return result;
    }
    result.lines = splitLines(content);
    return result;
}

FileResult appendHistoryLine(const fs::path& file, std::string_view lineText)
{
    if (lineText.empty())
        return FileResult::failure("没有可保存的内容");
    if (lineText.find_first_of("\r\n") != std::string_view::npos)
        return FileResult::failure("保存的内容含有换行符");

    std::error_code ec;
    fs::create_directories(folderOf(file), ec);
    if (ec)
        return FileResult::failure("无法创建文件夹" + quoted(folderOf(file)) + "：" + ec.message());

    HistoryFileLock lock(file);
    bool created = false;
    int fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        created = fd >= 0;
    }
    if (fd < 0)
        return FileResult::failure("无法打开" + quoted(file) + "：" + systemReason());

    struct stat before {
    };
    if (::fstat(fd, &before) != 0)
        return failedAppend(fd, 0, created, file, systemReason());

    std::string bytes = endsInsideLine(fd, before.st_size) ? std::string(lineEnd) : std::string();
    bytes += lineText;
    bytes += lineEnd;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return failedAppend(fd, before.st_size, created, file, systemReason());
    if (::close(fd) != 0)
        return FileResult::failure("无法写入" + quoted(file) + "：" + systemReason());
    if (created)
        syncFolder(folderOf(file));
    return {};
}

FileResult replaceHistoryFile(const fs::path& file, const std::vector<std::string>& lineBytes)
{
    removeStaleTemporaries(file);
    const fs::path folder = folderOf(file);
    std::string name =
        (folder / ("." + file.filename().string() + std::string(temporarySuffix))).string();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return FileResult::failure("无法在" + quoted(folder) + "中写入临时文件：" + systemReason());

    struct stat original {
    };
    ::fchmod(fd, ::stat(file.c_str(), &original) == 0 ? original.st_mode & 07777 : 0644);

    std::string content;
    for (const std::string& line : lineBytes) {
        content += line;
        content += lineEnd;
    }
    bool ok = writeAll(fd, content) && ::fsync(fd) == 0;
    std::string reason = ok ? std::string() : systemReason();
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = systemReason();
    }
    if (ok && ::rename(name.c_str(), file.c_str()) != 0) {
        ok = false;
        reason = systemReason();
    }
    if (!ok) {
        ::unlink(name.c_str());
        return FileResult::failure("无法写入" + quoted(file) + "：" + reason);
    }
    syncFolder(folder);
    return {};
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
