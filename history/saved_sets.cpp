#include "history/saved_sets.h"

#include "history/history_line.h"

namespace quill
{

namespace
{

DeleteOutcome outcome(DeleteOutcome::Status status, std::string_view message,
                      std::string_view reason = {})
{
    std::string text(message);
    if (!reason.empty())
        text += "（" + std::string(reason) + "）";
    return {status, std::move(text)};
}

} // namespace

std::string saveFailedMessage(const FileResult& result)
{
    return "当前计算内容保存失败！（" + result.reason + "）";
}

void SavedSets::take(const std::vector<StoredLine>& stored)
{
    lines_.clear();
    entries_.clear();
    for (const StoredLine& line : stored) {
        lines_.push_back(line.text);
        entries_.push_back(savedSetEntry(line.text));
    }
}

FileResult SavedSets::refresh()
{
    const HistoryRead read = readHistoryFile(file_);
    take(read.lines);
    if (read.status == HistoryRead::Status::Failed)
        return FileResult::failure(read.reason);
    return {};
}

DeleteOutcome SavedSets::deleteSavedSet(std::optional<std::size_t> selected)
{
    DeleteOutcome result;
    {
        // Held from the reread to the rename, so no save lands in the file being replaced.
        HistoryFileLock lock(file_);
        const HistoryRead current = readHistoryFile(file_);
        if (current.status == HistoryRead::Status::Missing) {
            result = outcome(DeleteOutcome::Status::FileMissing, deleteFailedMessage);
        } else if (current.status == HistoryRead::Status::Failed) {
            result = outcome(DeleteOutcome::Status::Failed, deleteFailedMessage, current.reason);
        } else if (selected && (*selected >= lines_.size() || *selected >= current.lines.size() ||
                                current.lines[*selected].text != lines_[*selected])) {
            result = outcome(DeleteOutcome::Status::ListChanged, listChangedMessage);
        } else {
            // Write back what the file holds now, so lines saved since the last refresh stay.
            std::vector<std::string> kept;
            for (std::size_t i = 0; i < current.lines.size(); ++i)
                if (!selected || i != *selected)
                    kept.push_back(current.lines[i].bytes);
            const FileResult written = replaceHistoryFile(file_, kept);
            result = written ? outcome(DeleteOutcome::Status::Deleted, deletedMessage)
                             : outcome(DeleteOutcome::Status::Failed, deleteFailedMessage,
                                       written.reason);
        }
    }
    refresh();
    return result;
}

} // namespace quill
