#pragma once

#include <string>

namespace quill
{

// What a run shares with its builders, writers and the history while it lasts, and what
// the last run leaves behind for saving.
struct RunState {
    std::string questionList;      // " item item item": each item after one space
    bool stopRequested = false;    // ends the run and every loop inside it at its next step
    long progressTicks = 0;        // 10 ms progress ticks since the run started
    long dotTicks = 0;             // ticks since the progress dots last started over
    std::string stepList;          // " expression＝value" per step-by-step item of the last run
    std::string completeEquations; // " expression＝value" per equation, without the unknown
    std::string equationList;      // " equation＝value" per equation with X
    bool writingSavedSet = false;  // set while a set loaded from the history is written
};

} // namespace quill
