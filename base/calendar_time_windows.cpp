#include "base/calendar_time.h"

namespace quill
{

// The Microsoft C runtime's conversions take their arguments the other way round.
std::tm localCalendarTime(std::time_t when)
{
    std::tm parts{};
    localtime_s(&parts, &when);
    return parts;
}

std::tm utcCalendarTime(std::time_t when)
{
    std::tm parts{};
    gmtime_s(&parts, &when);
    return parts;
}

} // namespace quill
