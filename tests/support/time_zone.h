#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace quill::testing
{

// Sets the time zone (TZ, in the form "CST-8" that POSIX and the Windows C runtime both read)
// for a test's lifetime, and puts the former one back.
class TimeZoneOverride
{
public:
    explicit TimeZoneOverride(const char* zone)
    {
        if (const char* former = std::getenv("TZ"))
            former_ = former;
        set(zone);
    }
    ~TimeZoneOverride() { set(former_ ? former_->c_str() : nullptr); }
    TimeZoneOverride(const TimeZoneOverride&) = delete;
    TimeZoneOverride& operator=(const TimeZoneOverride&) = delete;

private:
    static void set(const char* zone)
    {
#ifdef _WIN32
        _putenv_s("TZ", zone ? zone : ""); // an empty value removes the variable
        _tzset();
#else
        if (zone)
            setenv("TZ", zone, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

    std::optional<std::string> former_;
};

} // namespace quill::testing
