#include "history/saved_sets.h"

#include "base/printable_text.h"
#include "history/history_line.h"

namespace quill
{

std::string saveFailedMessage(const IoResult& result)
{
    return "当前计算内容保存失败！（" + result.describe() + "）";
}

std::string unsavableHistoryMessage(const IoResult& result)
{
    return "历史记录无法保存，没有出题！（" + result.describe() + "）不保存请取消勾选“保存”。";
}

std::string unreadableHistoryMessage(const IoResult& result)
{
    return "历史记录无法读取：" + result.describe();
}

std::string tornLineMessage(const std::filesystem::path& file)
{
    return quotedPath(file) + "的最后一行不完整（保存时被中断），已略过";
}

std::string deleteMessage(const IoResult& result)
{
    switch (result.status) {
    case IoStatus::Done:
        return std::string(deletedMessage);
    case IoStatus::Changed:
        return std::string(listChangedMessage);
    case IoStatus::Refused: // says itself that nothing was changed
        return result.describe();
    case IoStatus::Missing:
        return std::string(deleteFailedMessage);
    default:
        return std::string(deleteFailedMessage) + "（" + result.describe() + "）";
    }
}

namespace
{

// The positions in the file of the lines the list shows.
std::vector<std::size_t> listedLines(const HistoryContent& content)
{
    std::vector<std::size_t> listed;
    for (std::size_t i = 0; i < content.lines.size(); ++i)
        if (!isBlankHistoryLine(content.lines[i].text))
            listed.push_back(i);
    return listed;
}

// Codes are read aloud and typed in either case.
std::string upperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace

std::string noSheetCodeMessage(std::string_view code)
{
    return "历史记录里没有代码为“" + printableText(upperCase(code)) + "”的题目卷。";
}

std::optional<std::size_t> SavedSets::latestSheet(std::string_view code) const
{
    const std::string wanted = upperCase(code);
    for (std::size_t i = lines_.size(); i-- > 0;)
        if (parseHistoryLine(lines_[i]).sheetCode == wanted)
            return i;
    return std::nullopt;
}

void SavedSets::take(const HistoryContent& content)
{
    lines_.clear();
    entries_.clear();
    for (const std::size_t i : listedLines(content)) {
        lines_.push_back(content.lines[i].text);
        entries_.push_back(savedSetEntry(content.lines[i].text));
    }
    skippedTornLine_ = content.tornBytes > 0;
}

IoResult SavedSets::refresh()
{
    const HistoryRead read = readHistoryFile(file_);
    take(read);
    return read.result.status == IoStatus::Missing ? ioDone(file_) : read.result;
}

IoResult SavedSets::deleteSavedSet(std::optional<std::size_t> selected)
{
    IoResult result;
    {
        // Held from the reread to the rename, so no save lands in the file being replaced.
        const HistoryFileLock lock(file_);
        const HistoryRead current = readHistoryFile(file_);
        const std::vector<std::size_t> listed = listedLines(current);
        if (!current.result && current.result.status == IoStatus::Missing) {
            result = current.result;
        } else if (!lock.result()) {
            result = lock.result(); // nothing is changed without it
        } else if (!current.result) {
            result = current.result;
        } else if (!current.isHistory()) {
            result = notAHistory(file_);
        } else if (selected && (*selected >= lines_.size() || *selected >= listed.size() ||
                                current.lines[listed[*selected]].text != lines_[*selected])) {
            result = ioFailure(file_, "列表已有变化", IoStatus::Changed);
        } else {
            // Write back what the file holds now, so lines saved since the last refresh stay.
            std::vector<std::string> kept;
            for (std::size_t i = 0; i < current.lines.size(); ++i)
                if (!selected || i != listed[*selected])
                    kept.push_back(current.lines[i].bytes);
            result = replaceHistoryFile(file_, kept);
        }
    }
    refresh();
    return result;
}

} // namespace quill
