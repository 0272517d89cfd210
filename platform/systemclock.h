#pragma once
// The system clock's time of day in UTC, and a steady clock for how long
// something took, each through a seam a test can fix.
#include <cstdint>
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

// Milliseconds on a clock that only ever goes forward (unlike the time of
// day, which the user or the network may set back): for durations only.
using ElapsedHandler = std::function<std::int64_t()>;
std::int64_t ElapsedMilliseconds();
ElapsedHandler SetElapsedHandler(ElapsedHandler handler);

// The fields of a date and time (taken as UTC); DayOfWeek counts from Sunday = 0.
SystemTime ToSystemTime(const QDateTime& utc);

} // namespace platform
