#include "base/short_date.h"

#include "base/calendar_time.h"

#include <ctime>

namespace quill
{

namespace
{

std::tm localTime(std::chrono::system_clock::time_point when)
{
    return localCalendarTime(std::chrono::system_clock::to_time_t(when));
}

} // namespace

std::string shortDateText(std::chrono::system_clock::time_point when)
{
    const std::tm t = localTime(when);
    return std::to_string(t.tm_year + 1900) + "/" + std::to_string(t.tm_mon + 1) + "/" +
           std::to_string(t.tm_mday);
}

std::string fileStampText(std::chrono::system_clock::time_point when)
{
    const std::tm t = localTime(when);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &t);
    return buffer;
}

} // namespace quill
