#pragma once

// What a history file's bytes hold: its lines, whether it is a history at all, and the piece
// of a line that a save killed in mid-write may have left at the end.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

struct StoredLine {
    std::string bytes; // as in the file, without the line end
    std::string text;  // UTF-8
};

struct HistoryContent {
    // Every line, blank ones too; lines end with CR LF, LF or CR, and a last line without a
    // line end counts as well unless it is torn.
    std::vector<StoredLine> lines;
    // The length of a torn last line, or 0: without its line end, not a saved set, but the
    // beginning of one. It is not among `lines`, and the next save writes over it.
    std::size_t tornBytes = 0;
    // The number (from 1) of the first line that is neither blank nor a saved set in UTF-8 or
    // GBK, or 0. A file with such a line is not a history, and it is never changed.
    std::size_t foreignLine = 0;

    bool isHistory() const { return foreignLine == 0; }
};

HistoryContent historyContentOf(std::string_view bytes);

} // namespace quill
