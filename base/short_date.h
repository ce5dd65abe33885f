#pragma once

#include <chrono>
#include <string>

namespace quill
{

// The date as documents and history lines show it, in the short form of a Chinese desktop:
// "2026/12/9" (year, month and day without leading zeros), local time.
std::string
shortDateText(std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

// "20261209-104501": local date and time for file names.
std::string
fileStampText(std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

} // namespace quill
