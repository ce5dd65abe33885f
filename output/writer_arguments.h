#pragma once

// What every sheet writer is called with: the set, the page layout as the window's boxes
// hold it, which sheet to write, and where messages and a stop come from.

#include "problems/draw.h"
#include "problems/exercise_set.h"

#include <string>
#include <string_view>

namespace quill
{

class Notifier;

// Measures stay as their boxes hold them: the word processor reads each as a measure.
struct SheetLayout {
    std::string rowHeight; // points
    std::string columns;
    std::string fontSize; // points
    std::string fontName;
    bool borders = true;
    // The row height and font size above are the most the sheet may use: it takes the
    // largest that put every item on one page, each cell's text on one line.
    bool fitOnePage = false;
};

SheetLayout sheetLayoutOf(const ExerciseSettings& settings);

struct WriterArguments {
    const ExerciseSettings& settings; // the kind and its options, read at the call
    const ExerciseSet& set;
    SheetLayout layout;
    bool answers = false; // the answer sheet rather than the question sheet
    Notifier& notifier;   // a layout the writer cannot use is reported here
    StopSignal& stop;     // asked before each cell: a stop leaves the rest empty
    // On one sheet per pupil: the name on the name line and the sheet's code by the date,
    // on the key too. Empty on a sheet for anyone.
    std::string_view pupil{};
    std::string_view code{};
};

} // namespace quill
