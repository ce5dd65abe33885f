#pragma once

namespace quill
{

// While a catcher lives, Ctrl+C does not end the program but is noted, for the running draw
// to stop at its next round: through SIGINT on POSIX, through the console's control handler
// on Windows. One catcher at a time.
class InterruptCatcher
{
public:
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // True once Ctrl+C was pressed during this catcher's life.
    bool caught() const;

private:
    void (*previousHandler_)(int) = nullptr;
};

} // namespace quill
