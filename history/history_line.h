#pragma once

// One saved set of the history file: "date|n|list", where n is a kind number of the kind
// table (settings/exercise_kinds) and the list is handed back to the writers exactly as it
// was stored. Equation sets carry the complete expressions and, after one more bar, the
// equations themselves.

#include "problems/exercise_set.h"
#include "settings/exercise_kinds.h"

#include <optional>
#include <string>
#include <string_view>

namespace quill
{

struct ExerciseSettings;

inline constexpr std::string_view historyFileName = "历史题目.txt";

// The kind field of a mixed sheet's line (history/mixed_history_line.h), in place of a kind
// number: readers that know only kind numbers take the file for no history and change nothing.
inline constexpr std::string_view mixedKindField = "mixed";

// The kind number of a line that does not follow the format.
inline constexpr int unknownHistoryKind = 0;

// The kind number the settings save under: the selected kind's, or its fraction kind's
// while 分数 is ticked.
int historyKindOf(const ExerciseSettings& settings);

// What a set of that kind keeps: each item after one space (" 37＋48 56÷7"); for kind 6 the
// complete expressions with their values, a bar, and the equations with theirs.
std::string savedTextOf(int kind, const ExerciseSet& set);

// What the list of a set of that kind holds; one-operation items for an unknown kind.
SavedList savedListOf(int kind);

// Whether sets of that kind keep their equations in a fourth field.
bool keepsEquations(int kind);

// What a set drawn under these settings saves: savedTextOf the set, and for fraction sets the
// kind it is written as after one more bar, so that a reload writes the same sheets. A set
// drawn with a carry or borrow choice other than 不限 names it after a last bar.
std::string savedTextFor(const ExerciseSettings& settings, const ExerciseSet& set);

// The text of one line, without its line end.
std::string historyLineText(std::string_view date, int kind, std::string_view savedText);

struct HistoryLine {
    std::string date;
    int kind = unknownHistoryKind;
    std::optional<std::string> savedList; // field 3
    std::optional<std::string> equations; // field 4, equation sets only
    // Field 4 of a fraction set: the command name of the kind it was written as (oral,
    // vertical, steps), which share one kind number. Older lines lack it.
    std::optional<std::string> writtenAs;
    // The last field of a set drawn with a carry or borrow choice ("carry=yes borrow=no").
    // Older lines and sets drawn with both 不限 lack it.
    std::optional<std::string> drawnWith;
    // The very last field of a pupil's own sheet, mixed or not: its code and the pupil's name,
    // by which `quillmere key CODE` finds its key. Other lines lack it.
    std::optional<std::string> sheetCode;
    std::string pupilName;
};

// That field: "sheet=CODE NAME"; a bar in the name is written as a full-width ｜, a double bar
// ‖ as two.
std::string pupilSheetField(std::string_view code, std::string_view pupil);

HistoryLine parseHistoryLine(std::string_view text);

// Whether the text has the form of a saved set: a date, a known kind number and the list,
// and no control characters (which no saved set holds, and binary data nearly always does).
bool hasHistoryLineForm(std::string_view text);

// Whether the text could be the beginning of a line this program writes, cut short: the
// digits and slashes of its date, then "|", the kind number, "|" and the list.
bool couldBeCutHistoryLine(std::string_view text);

// Nothing but spaces and tabs: no set, and not listed.
bool isBlankHistoryLine(std::string_view text);

// The label of a known kind number ("口算", "约分"), "未知" for anything else.
std::string_view historyKindLabel(int kind);

// The list entry of a line: the first 10 characters of its date followed by its kind label,
// and for a pupil's own sheet its code and the pupil's name ("2026/12/11口算 K7M4P 王小明").
std::string savedSetEntry(std::string_view lineText);

// The label that entry ends with: "混合练习" for a mixed sheet's line, else its kind's label.
std::string_view savedSetLabel(std::string_view lineText);

} // namespace quill
