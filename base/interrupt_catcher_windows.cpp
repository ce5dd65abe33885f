#include "base/interrupt_catcher.h"

#include <atomic>
#include <windows.h>

namespace quill
{

namespace
{

// The console calls its handlers on a thread of their own, so the flag is atomic.
std::atomic<bool> interruptCaught{false};

BOOL WINAPI onConsoleControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE; // closing the console or logging off still ends the program
    interruptCaught = true;
    return TRUE;
}

} // namespace

InterruptCatcher::InterruptCatcher()
{
    interruptCaught = false;
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

InterruptCatcher::~InterruptCatcher()
{
    SetConsoleCtrlHandler(onConsoleControl, FALSE);
}

bool InterruptCatcher::caught() const
{
    return interruptCaught;
}

} // namespace quill
