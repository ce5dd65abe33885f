#pragma once

// The table of exercise kinds: one row per kind with everything the rest of the program
// knows about a kind besides its generators and its writer. The interlocks, the history,
// the command line, the window and the control glossary read it; none keeps a list of its
// own. A new kind is its value and option in exercise_settings.h, its row here and its family
// in engine/generation_path.cpp; the manual page and the bash completion name it too (the
// option_docs test holds them to the help, which lists this table).

#include "settings/exercise_settings.h"

#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quill
{

// A control that choosing a kind enables or disables.
using SwitchedControl = std::variant<CheckBox ExerciseSettings::*, DropDown ExerciseSettings::*>;

// The controls a kind enables and those it disables; a control in neither keeps its state.
struct ControlSwitches {
    std::vector<SwitchedControl> enables;
    std::vector<SwitchedControl> disables;
};

// The 题量 a kind starts with, and what typing a new 列数 does to it.
struct DefaultCount {
    int perColumn = 0;            // 列数 × this, when not 0; else:
    std::string_view fixed{};     // this count,
    std::string_view firstYear{}; // or this one under 一年级 (grade 1 and 2), when given
    int perColumnWhenRetyped = 0; // a typed 列数 sets 列数 × this; 0 leaves the count
};

// What a saved set keeps in its third field (and its fourth), each item after a space.
enum class SavedList {
    Operations, // one-operation items: 37＋48
    Steps,      // each step-by-step expression with its value: (12＋5)×3＝51
    Equations,  // the complete expressions with their values, then "|" and the equations
    Laws,       // each law item with its answer: 37＋45＋63＝145
    Units,      // each conversion: 5//米//500//厘米
    Fractions,  // each fraction item: 3＋8＋1＋8, 6/8
};

// A set as the history file knows it: the number between its bars and the label the list of
// saved sets shows for it.
struct HistoryKind {
    int number = 0;
    std::string_view label{};
    SavedList list = SavedList::Operations;
    // Loading waits a second so the window shows the kind it switched to before the sheet is
    // written over it.
    bool pauseBeforeWriting = true;
};

// Fraction sets are saved by what the fraction family makes of them, whichever kind drew
// them: 约分 under 估算, 分数计算 under the others. Loading one ticks 分数 and selects
// `loadedAs`.
struct FractionHistoryKind {
    HistoryKind history;
    ExerciseKind loadedAs;
};

struct ExerciseKindRow {
    ExerciseKind kind;
    OptionButton ExerciseSettings::*option;
    std::string_view control;           // "Option1": the option's name in the control glossary
    std::string_view field;             // "oralOption"
    std::string_view caption;           // "口算"
    std::string_view fractionCaption{}; // "约分": the caption while 分数 is ticked; empty: the same
    std::string_view commandName;       // "oral": --kind's value, which also takes the captions
    std::string_view clickHint{};       // what the window says when the option is clicked

    HistoryKind saved; // a set of whole numbers, decimals or percentages
    const FractionHistoryKind* savedWithFractions;

    // Choosing the kind: which number types and other controls become available, which
    // boxes it sets (in this order, each as a click would) and which law items it clears.
    ControlSwitches numberTypes;
    ControlSwitches controls;
    std::vector<std::pair<CheckBox ExerciseSettings::*, bool>> presets;
    std::vector<MenuItem ExerciseSettings::*> clearedMenuItems{};
    bool restoresExactDivisionCaption;  // 能够整除 again, unless 分数 is ticked
    std::string_view easyModeCaption{}; // empty: the box keeps its caption

    std::string_view columns; // 列数 on choosing the kind
    DefaultCount count;

    bool answeredOnScreen; // its items can be answered one by one (quillmere answer)
};

// Every kind, in the order of the window's options.
std::span<const ExerciseKindRow> exerciseKinds();

const ExerciseKindRow& kindRow(ExerciseKind kind);

// Every history kind, each once, by number.
std::span<const HistoryKind> historyKinds();

// What loading a saved set of history number `number` selects; none for an unknown number.
// A fraction set names the kind it was written as (`writtenAs`, a command name), since several
// kinds share its number; without that name it loads as the number's own kind.
struct SavedSetKind {
    HistoryKind history;
    ExerciseKind kind;
    bool fractions; // 分数 is ticked before the kind is selected
};
std::optional<SavedSetKind> savedSetKind(int number, std::string_view writtenAs = {});

// The history kind a set drawn under these settings is saved as.
const HistoryKind& historyKindFor(const ExerciseSettings& settings);

} // namespace quill
