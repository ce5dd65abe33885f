#pragma once

// The saved-set list: the lines of the history file as of the last refresh, blank ones and a
// torn last line left out, and one list entry per line at the same position, so the selected
// entry's index is the line's index.

#include "history/history_file.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

inline constexpr std::string_view savedSetPrompt = "请选择保存的练习";
inline constexpr std::string_view savedMessage = "当前计算内容保存完毕！";
inline constexpr std::string_view deletedMessage = "删除完毕";
inline constexpr std::string_view deleteFailedMessage = "历史记录错误，删除失败！";
inline constexpr std::string_view listChangedMessage =
    "保存的练习已有变化，列表已重新读取，请重新选择要删除的练习！";

// Shown instead of the save notice when the line could not be written.
std::string saveFailedMessage(const IoResult& result);

// Shown when a run that would save is refused because the history cannot take the set.
std::string unsavableHistoryMessage(const IoResult& result);

// Shown when the history cannot be read.
std::string unreadableHistoryMessage(const IoResult& result);

// Shown when a list skips the torn last line of the file.
std::string tornLineMessage(const std::filesystem::path& file);

// What the user is told after a delete: done, the file missing, the list changed meanwhile,
// why the file was left alone, or why it could not be rewritten.
std::string deleteMessage(const IoResult& result);

// Shown when no saved sheet has the code asked for.
std::string noSheetCodeMessage(std::string_view code);

class SavedSets
{
public:
    explicit SavedSets(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& file() const { return file_; }
    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<std::string>& entries() const { return entries_; }
    // Whether the last refresh skipped a torn last line.
    bool skippedTornLine() const { return skippedTornLine_; }

    // The line of the latest pupil's sheet with the code, in either case: a code drawn again
    // later names the newer sheet. None when no line has it.
    std::optional<std::size_t> latestSheet(std::string_view code) const;

    // Rereads the file. A missing file leaves the list empty and is no failure; a file that
    // cannot be read leaves it empty too and says why.
    IoResult refresh();

    // Deletes the line at `selected` if the file still holds the same text there; with
    // nothing selected every line is written back. Refreshes the list in every case. Changed
    // when the line is no longer where the list had it; Refused, changing nothing, when the
    // file is not a history or cannot be rewritten safely.
    IoResult deleteSavedSet(std::optional<std::size_t> selected);

private:
    std::filesystem::path file_;
    std::vector<std::string> lines_;
    std::vector<std::string> entries_;
    bool skippedTornLine_ = false;

    void take(const HistoryContent& content);
};

} // namespace quill
