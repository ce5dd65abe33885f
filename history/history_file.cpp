#include "history/history_file.h"

#include "base/atomic_file.h"
#include "base/file_access.h"
#include "base/home_folder.h"
#include "base/line_encoding.h"
#include "base/program_location.h"
#include "base/utf8.h"
#include "history/history_line.h"
#include "history/rewrite_obstacles.h"

#include <cerrno>
#include <cstdlib>

namespace quill
{

namespace fs = std::filesystem;

namespace
{

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view lockSuffix = ".lock";

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The file a path stands for: symbolic links followed to the end, so that a save rewrites
// the link's target instead of putting a plain file in the link's place. A loop is left as
// it is; opening it then says so.
fs::path followLinks(fs::path path)
{
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return path;
        path = target.is_absolute() ? target : folderOf(path) / target;
    }
    return path;
}

IoResult tooLarge(const fs::path& file)
{
    return ioFailure(file, "文件超过 64 MB，不是本程序的历史记录");
}

// Only a regular file is a history: a device could be endless, a pipe could block forever.
IoResult checkKind(const fs::path& file, const FileFacts& info)
{
    if (info.kind == FileKind::Directory)
        return ioFailure(file, "这是一个文件夹，不是文件");
    if (info.kind != FileKind::Regular)
        return ioFailure(file, "不是普通文件（设备、管道或套接字）");
    if (info.size > largestHistoryFile)
        return tooLarge(file);
    return ioDone(file);
}

// A file without any write permission is kept as it is, even by the superuser, who could
// otherwise replace it.
bool readOnly(const fs::path& file, const FileFacts& info)
{
    return info.writeBitsCleared || !mayWrite(file);
}

IoResult readBounded(ReadingFile& reading, const fs::path& file, std::string& content)
{
    char buffer[65536];
    for (;;) {
        std::size_t got = 0;
        if (const int error = reading.read(buffer, sizeof buffer, got))
            return ioSystemFailure(file, error);
        if (got == 0)
            return ioDone(file);
        content.append(buffer, got);
        if (content.size() > largestHistoryFile)
            return tooLarge(file); // it grew while being read
    }
}

// The whole file, if it is a regular file within the limit. Opened without blocking, so
// that a pipe at the path is refused instead of waited on.
IoResult readFileBytes(const fs::path& file, std::string& content)
{
    if (file.empty())
        return ioFailure(file, "没有给出历史记录文件的名字");
    ReadingFile reading(file);
    if (reading.openError())
        return ioSystemFailure(file, reading.openError());
    FileFacts info;
    const int error = reading.facts(info);
    IoResult result = error == 0 ? checkKind(file, info) : ioSystemFailure(file, error);
    if (result)
        result = readBounded(reading, file, content);
    return result;
}

// The number (from 1) of the first line longer than the limit, or 0.
std::size_t firstLongLine(std::string_view content)
{
    std::size_t number = 1;
    while (!content.empty()) {
        const std::size_t end = std::min(content.find_first_of("\r\n"), content.size());
        if (end > largestHistoryLine)
            return number;
        content.remove_prefix(end);
        content.remove_prefix(content.starts_with(lineEnd)
                                  ? lineEnd.size()
                                  : std::min<std::size_t>(1, content.size()));
        ++number;
    }
    return 0;
}

// The file's bytes when it is a history: within the limits of file and line.
IoResult readHistoryBytes(const fs::path& file, std::string& content)
{
    IoResult read = readFileBytes(file, content);
    if (!read)
        return read;
    if (const std::size_t longLine = firstLongLine(content))
        return ioFailure(file,
                         "第 " + std::to_string(longLine) + " 行超过 4 MB，不是本程序的历史记录");
    return read;
}

// Left behind only when a rewrite was killed; nobody else writes them while we hold the lock.
void removeStaleTemporaries(const fs::path& file)
{
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folderOf(file), ec))
        if (isTemporaryOf(entry.path(), file))
            fs::remove(entry.path(), ec);
}

// A new file, or one with no obstacle to a rename: the whole content replaces it at once.
IoResult writeReplacement(const fs::path& file, std::string_view content)
{
    removeStaleTemporaries(file);
    return replaceFile(file, content);
}

// For a file that keeps its place: a torn last line cut off, then the line appended. A crash
// after the cut leaves a history; one in mid-write a torn line again.
IoResult appendInPlace(const fs::path& file, std::size_t keptBytes, std::size_t presentBytes,
                       std::string_view bytes)
{
    if (keptBytes < presentBytes)
        if (const int error = truncateFile(file, keptBytes))
            return ioSystemFailure(file, error);
    return appendToFile(file, bytes);
}

bool endsWithLineEnd(std::string_view content)
{
    return content.empty() || content.ends_with('\n') || content.ends_with('\r');
}

// The nearest folder on the way to `file` that exists: the one a save would create in.
fs::path existingFolderOf(const fs::path& file)
{
    fs::path folder = folderOf(file);
    std::error_code error;
    while (!fs::exists(folder, error) && folder.has_parent_path() && folder != folder.parent_path())
        folder = folder.parent_path();
    return folder;
}

} // namespace

fs::path historyFileLocation(const fs::path& programDir, const char* xdgDataHome, const char* home)
{
    // An installed copy never writes among the system's programs, even for root, and its
    // two programs (in bin/ and libexec/) share one history in the user's data folder.
    if (!programDir.empty() && !isInstalledCopy(programDir) && creationRefusal(programDir) == 0)
        return programDir / pathFromUtf8(historyFileName);
    fs::path data;
    if (xdgDataHome && pathFromUtf8(xdgDataHome).is_absolute())
        data = pathFromUtf8(xdgDataHome);
    else if (home && *home)
        data = pathFromUtf8(home) / ".local" / "share";
    else
        // Nowhere better: a save will say why it failed.
        return programDir / pathFromUtf8(historyFileName);
    return data / "Quillmere" / pathFromUtf8(historyFileName);
}

fs::path historyFileLocation(const fs::path& programDir)
{
    // Where the system names the data folder itself (Windows: AppData), that is the one.
    if (const fs::path known = knownDataFolder(); !known.empty())
        return historyFileLocation(programDir, utf8Text(known).c_str(), nullptr);
    const std::string home = utf8Text(homeFolder());
    return historyFileLocation(programDir, std::getenv("XDG_DATA_HOME"), home.c_str());
}

HistoryRead readHistoryFile(const fs::path& file)
{
    HistoryRead read;
    std::string content;
    read.result = readHistoryBytes(file, content);
    if (read.result)
        static_cast<HistoryContent&>(read) = historyContentOf(content);
    return read;
}

IoResult notAHistory(const fs::path& file)
{
    return ioFailure(file, "不是本程序的历史记录，未作改动", IoStatus::Refused);
}

IoResult checkHistoryTarget(const fs::path& named)
{
    if (named.empty())
        return ioFailure(named, "没有给出历史记录文件的名字");
    const fs::path file = followLinks(named);
    FileFacts info;
    const int missing = fileFactsOf(file, info);
    if (missing == 0) {
        if (IoResult kind = checkKind(named, info); !kind)
            return kind;
        if (readOnly(file, info))
            return ioFailure(named, "文件是只读的");
        const HistoryRead read = readHistoryFile(file);
        if (!read.result)
            return IoResult{read.result.status, named, read.result.reason};
        return read.isHistory() ? ioDone(named) : notAHistory(named);
    }
    if (missing != ENOENT)
        return ioSystemFailure(named, missing);
    const fs::path folder = existingFolderOf(file);
    if (!fs::is_directory(folder))
        return ioSystemFailure(named, ENOTDIR);
    if (const int refusal = creationRefusal(folder))
        return ioSystemFailure(named, refusal);
    return ioDone(named);
}

IoResult appendHistoryLine(const fs::path& named, std::string_view lineText)
{
    if (lineText.empty())
        return ioFailure(named, "没有可保存的内容");
    if (lineText.find_first_of("\r\n") != std::string_view::npos)
        return ioFailure(named, "保存的内容含有换行符");
    if (lineText.size() > largestHistoryLine)
        return ioFailure(named, "这套题太长，超过 4 MB");
    if (IoResult usable = checkHistoryTarget(named); !usable)
        return usable;

    const fs::path file = followLinks(named);
    std::error_code ec;
    fs::create_directories(folderOf(file), ec);
    if (ec)
        return ioSystemFailure(folderOf(file), ec.value());

    const HistoryFileLock lock(file);
    if (!lock.result())
        return lock.result();
    std::string content;
    const IoResult read = readHistoryBytes(file, content);
    if (!read && read.status != IoStatus::Missing)
        return read;

    const HistoryContent history = historyContentOf(content);
    if (!history.isHistory())
        return notAHistory(named);

    // A torn line is written over; a whole line left without its line end (written by hand)
    // stays a line of its own.
    const std::string_view kept =
        std::string_view(content).substr(0, content.size() - history.tornBytes);
    std::string added = endsWithLineEnd(kept) ? "" : std::string(lineEnd);
    added += lineText;
    added += lineEnd;
    if (kept.size() + added.size() > largestHistoryFile)
        return ioFailure(named, "历史记录已满 64 MB，请删除一些保存的练习");
    IoResult written = read && rewriteObstaclesOf(file).any()
                           ? appendInPlace(file, kept.size(), content.size(), added)
                           : writeReplacement(file, std::string(kept) + added);
    written.path = named;
    return written;
}

IoResult replaceHistoryFile(const fs::path& named, const std::vector<std::string>& lineBytes)
{
    const fs::path file = followLinks(named);
    FileFacts info;
    if (fileFactsOf(file, info) == 0 && readOnly(file, info))
        return ioFailure(named, "文件是只读的");
    if (IoResult permitted = rewritePermission(named, rewriteObstaclesOf(file)); !permitted)
        return permitted;
    std::string content;
    for (const std::string& line : lineBytes) {
        content += line;
        content += lineEnd;
    }
    IoResult written = writeReplacement(file, content);
    written.path = named;
    return written;
}

HistoryFileLock::HistoryFileLock(const fs::path& named)
{
    const fs::path file = followLinks(named);
    // Joined as paths, not narrow strings: on Windows those would pass through the ANSI code
    // page, which cannot hold every name.
    fs::path lockName = ".";
    lockName += file.filename();
    lockName += lockSuffix;
    const fs::path lockFile = folderOf(file) / lockName;
    // No lock file where none can be made: the history is then never renamed over either,
    // so a lock on the file itself holds.
    lock_ = std::make_unique<WholeFileLock>(lockFile, file);
    result_ = lock_->error() == 0 ? ioDone(named)
                                  : ioFailure(named, "无法加锁：" + systemReason(lock_->error()));
}

HistoryFileLock::~HistoryFileLock() = default;

} // namespace quill
