#pragma once

// The history file on disk. Every change is made so that a crash at any moment leaves a
// history that reads: the new content goes to a temporary file beside it, is synced, and
// replaces the original in one rename, keeping its owner, group and mode. Where no such
// rename can be made (see RewriteObstacles) a save appends in place and a delete is refused.
// Success is reported only once the change is on disk.
//
// The path may be a symbolic link: its target is the file. Only a regular file that is empty
// or a history is changed; a read-only file is left alone. Files and lines far larger than
// any set can make are refused rather than read.

#include "base/io_result.h"
#include "history/history_content.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

class WholeFileLock;

inline constexpr std::uintmax_t largestHistoryFile = 64u << 20;
inline constexpr std::size_t largestHistoryLine = 4u << 20;

// Beside the program when that folder is writable and not an installation's (see
// isInstalledCopy); otherwise the user's data folder, $XDG_DATA_HOME/Quillmere or
// ~/.local/share/Quillmere. `xdgDataHome` and `home` are the environment values in UTF-8 (null
// or empty when unset).
std::filesystem::path historyFileLocation(const std::filesystem::path& programDir,
                                          const char* xdgDataHome, const char* home);

// The same, with the values of the environment of this process; on Windows the data folder is
// AppData\Roaming, from the known-folder API.
std::filesystem::path historyFileLocation(const std::filesystem::path& programDir);

struct HistoryRead : HistoryContent {
    IoResult result; // Missing when there is no file yet
};

HistoryRead readHistoryFile(const std::filesystem::path& file);

// The refusal to change a file that is not a history.
IoResult notAHistory(const std::filesystem::path& file);

// Whether a line could be saved to `file` now: an existing file must be a writable regular
// file below the size limit that is empty or a history, a missing one must be creatable.
// Writes nothing; a run asks before it writes its documents, so that a set is never written
// and then not saved.
IoResult checkHistoryTarget(const std::filesystem::path& file);

// Adds one line with CR LF at the end, keeping every byte already in the file but a torn last
// line, which it writes over. Creates the file (and its folder) on the first save, never
// empty. Takes the HistoryFileLock and refuses to save without it.
IoResult appendHistoryLine(const std::filesystem::path& file, std::string_view lineText);

// Replaces the file with these lines (each as stored bytes, CR LF added) through a
// temporary file in the same folder, so the original stays intact until the new one is
// complete; refused where RewriteObstacles stand in the way. The caller holds a
// HistoryFileLock and has checked that the file is a history.
IoResult replaceHistoryFile(const std::filesystem::path& file,
                            const std::vector<std::string>& lineBytes);

// Keeps other instances of the program from changing the file while one reads and rewrites
// it (a line saved meanwhile would land in the replaced file). Locks a file beside the
// history (".历史题目.txt.lock"), which needs no right to list the folder; where no such
// file can be made it locks the history file itself, which is then never replaced by a
// rename. A change that cannot take the lock is refused.
class HistoryFileLock
{
public:
    explicit HistoryFileLock(const std::filesystem::path& file);
    ~HistoryFileLock();
    HistoryFileLock(const HistoryFileLock&) = delete;
    HistoryFileLock& operator=(const HistoryFileLock&) = delete;

    // Done when the lock is held; otherwise why not.
    const IoResult& result() const { return result_; }

private:
    std::unique_ptr<WholeFileLock> lock_;
    IoResult result_;
};

} // namespace quill
