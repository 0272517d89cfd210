#pragma once
// The system clock's time of day in UTC, through a seam a test can fix.
#include <functional>

class QDateTime;

namespace platform {

struct SystemTime {
    int Year = 0, Month = 0, DayOfWeek = 0, Day = 0;
    int Hour = 0, Minute = 0, Second = 0, Milliseconds = 0;
};

using ClockHandler = std::function<SystemTime()>;

SystemTime GetSystemTime();
ClockHandler SetClockHandler(ClockHandler handler);

// The fields of a date and time (taken as UTC); DayOfWeek counts from Sunday = 0.
SystemTime ToSystemTime(const QDateTime& utc);

} // namespace platform
