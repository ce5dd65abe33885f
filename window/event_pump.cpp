#include "window/event_pump.h"

#include <QCoreApplication>

namespace quill
{

void ThrottledEventPump::operator()()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < interval_)
        return;
    QCoreApplication::processEvents();
    // Measured after handling, so a slow handler does not make the next call handle again.
    last_ = std::chrono::steady_clock::now();
    ++handled_;
}

} // namespace quill
