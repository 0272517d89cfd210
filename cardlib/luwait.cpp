#include "cardlib/luwait.h"

#include "platform/application.h"

#include <QCoreApplication>
#include <QEventLoop>

TLuWaitTimer* WaitTimerInstance = nullptr;

namespace {

TLuTerminatedQuery terminatedQuery;

// The timer lives as long as the application object: it is made when the
// application starts and freed while the application is being destroyed,
// so no timer object outlives the event dispatcher it was registered with.
void FreeWaitTimer()
{
    delete WaitTimerInstance;
    WaitTimerInstance = nullptr;
}

void CreateWaitTimer()
{
    if (WaitTimerInstance)
        return;
    WaitTimerInstance = new TLuWaitTimer;
    qAddPostRoutine(FreeWaitTimer);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(CreateWaitTimer)

TLuWaitTimer::TLuWaitTimer()
{
    // Precise, so a wait never ends before its time; one tick per arming.
    FTimer.setTimerType(Qt::PreciseTimer);
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, &TLuWaitTimer::TimerTick);
}

void TLuWaitTimer::SetEnabled(bool value)
{
    if (value)
        FTimer.start();
    else
        FTimer.stop();
}

void TLuWaitTimer::TimerTick()
{
    SetEnabled(false);
}

void Wait(std::int32_t Milliseconds)
{
    if (Milliseconds <= 0 || !QCoreApplication::instance())
        return;
    CreateWaitTimer();
    TLuWaitTimer* timer = WaitTimerInstance;
    timer->SetInterval(Milliseconds);
    timer->SetEnabled(true);
    // The first round only runs what is pending, so a program that is
    // already terminating is not held up. Later rounds block until the next
    // event rather than spinning: the tick itself is an event, and so is
    // whatever asks the program to quit.
    QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents;
    for (;;) {
        QCoreApplication::processEvents(flags);
        if (ApplicationTerminated() || !WaitTimerInstance || !WaitTimerInstance->Enabled())
            break;
        flags |= QEventLoop::WaitForMoreEvents;
    }
}

bool ApplicationTerminated()
{
    if (terminatedQuery)
        return terminatedQuery();
    return platform::Application::Terminated();
}

TLuTerminatedQuery SetTerminatedQuery(TLuTerminatedQuery query)
{
    TLuTerminatedQuery previous = std::move(terminatedQuery);
    terminatedQuery = std::move(query);
    return previous;
}
