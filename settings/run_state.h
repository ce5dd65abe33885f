#pragma once

#include <string>

namespace quill
{

// The public run variables of the main window, shared by the run, the builders, the
// writers and the history.
struct RunState {
    std::string out;   // the QuestionList: " item item item"
    bool qt = false;   // stop flag: set to stop the run and every loop inside it
    long jmz = 0;      // 10 ms progress ticks since the run started
    long imz = 0;      // ticks since the progress dots last started over
    std::string tsout; // step-by-step list of the last run
    std::string fcout; // complete equation expressions with their values
    std::string fout;  // the equations with X and their values
    bool lsjl = false; // set while a set loaded from the history is written
};

} // namespace quill
