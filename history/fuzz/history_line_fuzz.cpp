// Feeds arbitrary bytes through what the list does with each line of the history file:
// decoding, parsing, the list entry and loading. Any crash or broken promise stops the run.

#include "base/line_encoding.h"
#include "base/utf8.h"
#include "history/history_line.h"
#include "history/saved_set_load.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quill;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string text = decodeHistoryBytes(bytes);
    require(isValidUtf8(text));
    if (isValidUtf8(bytes))
        require(text == bytes);

    const HistoryLine line = parseHistoryLine(text);
    require(line.kind >= 0 && line.kind <= 9);
    require(keepsEquations(line.kind) || !line.equations);

    // The entry is the date cut to ten characters and a label of at most four, then a pupil's
    // sheet's code and name when the line has them.
    const std::string entry = savedSetEntry(text);
    require(isValidUtf8(entry));
    std::string tail(savedSetLabel(text));
    if (line.sheetCode)
        tail += " " + *line.sheetCode + (line.pupilName.empty() ? "" : " " + line.pupilName);
    require(entry.ends_with(tail));
    require(characterCount(entry) <= 10 + characterCount(tail));
    require(text.starts_with(std::string_view(entry).substr(0, entry.size() - tail.size())));

    // A line the program wrote reads back to what was written.
    if (line.kind != unknownHistoryKind && line.savedList) {
        std::string saved = *line.savedList;
        if (line.equations)
            saved += "|" + *line.equations;
        const std::string rebuilt = historyLineText(line.date, line.kind, saved);
        require(parseHistoryLine(rebuilt).savedList == line.savedList);
        require(parseHistoryLine(rebuilt).equations == line.equations);
    }

    // Whatever a line holds reads as items, and items read again as the same items.
    const ExerciseSet items = savedSetItems(line);
    require(isLoadable(line) || items.empty());
    if (isLoadable(line)) {
        HistoryLine again = line;
        const std::string text = savedTextOf(line.kind, items);
        const size_t bar = text.find('|');
        again.savedList = text.substr(0, bar);
        if (bar != std::string::npos)
            again.equations = text.substr(bar + 1);
        require(savedTextOf(line.kind, savedSetItems(again)) == text);
    }
    return 0;
}
