#include "history/history_content.h"

#include "base/line_encoding.h"
#include "history/history_line.h"

namespace quill
{

namespace
{

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isSavedSet(const StoredLine& line)
{
    return isHistoryEncoding(line.bytes) && hasHistoryLineForm(line.text);
}

// A last line without its line end that only begins a saved set: its save was cut short. A
// character cut in two leaves bytes that are neither UTF-8 nor GBK, so the form is judged on
// the bytes then.
bool isTorn(const StoredLine& line)
{
    if (!isValidUtf8(line.bytes) && isCutUtf8(line.bytes))
        return couldBeCutHistoryLine(line.bytes);
    return !isSavedSet(line) && isHistoryEncoding(line.bytes) && couldBeCutHistoryLine(line.text);
}

// Splits at CR LF, LF and CR alike; whether the last line had a line end is left in
// `lastLineEnded`.
std::vector<StoredLine> splitLines(std::string_view content, bool& lastLineEnded)
{
    std::vector<StoredLine> lines;
    lastLineEnded = true;
    while (!content.empty()) {
        const std::size_t end = std::min(content.find_first_of("\r\n"), content.size());
        const std::string_view line = content.substr(0, end);
        lastLineEnded = end < content.size();
        content.remove_prefix(end);
        content.remove_prefix(content.starts_with(lineEnd)
                                  ? lineEnd.size()
                                  : std::min<std::size_t>(1, content.size()));
        std::string text = decodeHistoryBytes(line);
        if (lines.empty() && text.starts_with(byteOrderMark))
            text.erase(0, byteOrderMark.size());
        lines.push_back({std::string(line), std::move(text)});
    }
    return lines;
}

} // namespace

HistoryContent historyContentOf(std::string_view bytes)
{
    HistoryContent content;
    bool lastLineEnded = true;
    content.lines = splitLines(bytes, lastLineEnded);
    if (!lastLineEnded && isTorn(content.lines.back())) {
        content.tornBytes = content.lines.back().bytes.size();
        content.lines.pop_back();
    }
    for (std::size_t i = 0; i < content.lines.size() && content.isHistory(); ++i)
        if (!isBlankHistoryLine(content.lines[i].text) && !isSavedSet(content.lines[i]))
            content.foreignLine = i + 1;
    return content;
}

} // namespace quill
