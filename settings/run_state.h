#pragma once

namespace quill
{

// What a run shares with the window while it lasts: the stop, and the progress line's clock.
struct RunState {
    bool stopRequested = false; // ends the run and every loop inside it at its next step
    long progressTicks = 0;     // 10 ms progress ticks since the run started
    long dotTicks = 0;          // ticks since the progress dots last started over
};

} // namespace quill
