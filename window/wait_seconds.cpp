#include "window/wait_seconds.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace quill
{

void waitWithEvents(double seconds)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(std::max(seconds, 0.0)));
    // A local loop sleeps until an event or the timer arrives, instead of spinning. The
    // timer may fire early or the loop end late under load, so the clock decides.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (auto now = Clock::now(); now <= deadline; now = Clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
        timer.start(static_cast<int>(left.count()) + 1);
        if (loop.exec() != 0)
            return; // the application is quitting: its loops no longer run
    }
}

} // namespace quill
