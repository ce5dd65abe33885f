#include "base/interrupt_catcher.h"

#include <csignal>

namespace quill
{

namespace
{

// A signal handler can reach nothing but a flag like this.
volatile std::sig_atomic_t interruptCaught = 0;

extern "C" void onInterrupt(int)
{
    interruptCaught = 1;
}

} // namespace

InterruptCatcher::InterruptCatcher()
{
    interruptCaught = 0;
    previousHandler_ = std::signal(SIGINT, onInterrupt);
}

InterruptCatcher::~InterruptCatcher()
{
    std::signal(SIGINT, previousHandler_);
}

bool InterruptCatcher::caught() const
{
    return interruptCaught != 0;
}

} // namespace quill
