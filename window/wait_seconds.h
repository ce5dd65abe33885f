#pragma once

namespace quill
{

// Returns once more than `seconds` have passed, handling the window's events meanwhile so
// that timers, clicks and the stop label keep working. Measured on the monotonic clock:
// setting the system clock or the day changing neither stretches nor cuts the wait.
void waitWithEvents(double seconds);

} // namespace quill
