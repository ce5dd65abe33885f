#pragma once

#include <ctime>

namespace quill
{

// The calendar fields of a moment, in the local time zone or in UTC. The C library's
// thread-safe conversions are spelt differently on each platform, so they live behind this
// pair of functions (calendar_time_posix.cpp, calendar_time_windows.cpp).
std::tm localCalendarTime(std::time_t when);
std::tm utcCalendarTime(std::time_t when);

} // namespace quill
