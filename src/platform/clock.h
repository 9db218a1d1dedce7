#pragma once
#include <cstdint>

namespace veltra {

// The platform's date-time record: eight unsigned 16-bit fields, day of week 0 = Sunday.
struct DateTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t millisecond = 0;
    bool operator==(const DateTime&) const = default;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual DateTime LocalNow() = 0;
    virtual void SleepMilliseconds(unsigned milliseconds) = 0;
    // Seconds since 1970-01-01 00:00 UTC of a local time, and back, in the system's zone.
    virtual std::int64_t ToSeconds(const DateTime& local) = 0;
    virtual DateTime ToLocal(std::int64_t seconds) = 0;
};

}  // namespace veltra
