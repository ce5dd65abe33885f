#include "base/calendar_time.h"

namespace quill
{

std::tm localCalendarTime(std::time_t when)
{
    std::tm parts{};
    localtime_r(&when, &parts);
    return parts;
}

std::tm utcCalendarTime(std::time_t when)
{
    std::tm parts{};
    gmtime_r(&when, &parts);
    return parts;
}

} // namespace quill
