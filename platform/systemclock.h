#pragma once
// The system clock's time of day in UTC, through a seam a test can fix.
#include <functional>

namespace platform {

struct SystemTime {
    int Year = 0, Month = 0, DayOfWeek = 0, Day = 0;
    int Hour = 0, Minute = 0, Second = 0, Milliseconds = 0;
};

using ClockHandler = std::function<SystemTime()>;

SystemTime GetSystemTime();
ClockHandler SetClockHandler(ClockHandler handler);

} // namespace platform
