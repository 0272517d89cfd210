#include "platform/systemclock.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <utility>

namespace platform {

namespace {

ClockHandler& clockHandler()
{
    static ClockHandler handler;
    return handler;
}

ElapsedHandler& elapsedHandler()
{
    static ElapsedHandler handler;
    return handler;
}

} // namespace

SystemTime GetSystemTime()
{
    const ClockHandler& handler = clockHandler();
    return handler ? handler() : ToSystemTime(QDateTime::currentDateTimeUtc());
}

SystemTime ToSystemTime(const QDateTime& utc)
{
    const QDateTime time = utc.toUTC();
    const QDate date = time.date();
    const QTime clock = time.time();
    SystemTime result;
    result.Year = date.year();
    result.Month = date.month();
    result.DayOfWeek = date.dayOfWeek() % 7; // Qt counts Monday 1 .. Sunday 7
    result.Day = date.day();
    result.Hour = clock.hour();
    result.Minute = clock.minute();
    result.Second = clock.second();
    result.Milliseconds = clock.msec();
    return result;
}

ClockHandler SetClockHandler(ClockHandler handler)
{
    return std::exchange(clockHandler(), std::move(handler));
}

std::int64_t ElapsedMilliseconds()
{
    if (const ElapsedHandler& handler = elapsedHandler())
        return handler();
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

ElapsedHandler SetElapsedHandler(ElapsedHandler handler)
{
    return std::exchange(elapsedHandler(), std::move(handler));
}

} // namespace platform
