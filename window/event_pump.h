#pragma once

#include <chrono>

namespace quill
{

// Lets the window handle its events from inside long work. Generators call the pump before
// every draw, millions of times in a long run, while handling events costs microseconds
// even when none are waiting; so events are handled only when `interval` has passed since
// the last time, which still keeps clicks and the 10 ms progress timer prompt.
class ThrottledEventPump
{
public:
    explicit ThrottledEventPump(std::chrono::microseconds interval = std::chrono::milliseconds(4))
        : interval_(interval)
    {
    }

    void operator()();

    // How often events were actually handled.
    long handledCount() const { return handled_; }

private:
    std::chrono::steady_clock::duration interval_;
    std::chrono::steady_clock::time_point last_{};
    long handled_ = 0;
};

} // namespace quill
