#pragma once

// The history file on disk. Every change is made so that a crash at any moment leaves the
// file whole: the new content goes to a temporary file beside it, is synced, and replaces
// the original in one rename. Success is reported only once the change is on disk.

#include "base/io_result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// Beside the program when that folder is writable and not an installation's (see
// isInstalledCopy); otherwise the user's data folder, $XDG_DATA_HOME/Quillmere or
// ~/.local/share/Quillmere. `xdgDataHome` and `home` are the environment values (null or
// empty when unset).
std::filesystem::path historyFileLocation(const std::filesystem::path& programDir,
                                          const char* xdgDataHome, const char* home);

// The same, with the values of the environment of this process.
std::filesystem::path historyFileLocation(const std::filesystem::path& programDir);

struct StoredLine {
    std::string bytes; // as in the file, without the line end
    std::string text;  // UTF-8
};

struct HistoryRead {
    IoResult result; // Missing when there is no file yet
    std::vector<StoredLine> lines;
};

// Lines end with CR LF or LF; a last line without a line end counts as well.
HistoryRead readHistoryFile(const std::filesystem::path& file);

// Adds one line with CR LF at the end, keeping every byte already in the file. Creates the
// file (and its folder) on the first save, never empty. Takes the HistoryFileLock.
IoResult appendHistoryLine(const std::filesystem::path& file, std::string_view lineText);

// Replaces the file with these lines (each as stored bytes, CR LF added) through a
// temporary file in the same folder, so the original stays intact until the new one is
// complete. The caller holds a HistoryFileLock.
IoResult replaceHistoryFile(const std::filesystem::path& file,
                            const std::vector<std::string>& lineBytes);

// Keeps other instances of the program from saving while a delete reads and rewrites the
// file (their lines would otherwise land in the replaced file). Locks the folder, not the
// file, because the file itself is replaced. Without a folder it locks nothing.
class HistoryFileLock
{
public:
    explicit HistoryFileLock(const std::filesystem::path& file);
    ~HistoryFileLock();
    HistoryFileLock(const HistoryFileLock&) = delete;
    HistoryFileLock& operator=(const HistoryFileLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace quill
