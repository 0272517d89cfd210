#pragma once
// The library's one pause: Wait(ms) keeps the application's event loop
// running while the caller waits, so timers, posted messages, painting and
// input go on. A single timer object serves the whole library; a Wait that
// starts while another is running re-arms that timer, and its tick ends both.
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

class TLuWaitTimer : public QObject
{
    Q_OBJECT
public:
    TLuWaitTimer();

    bool Enabled() const { return FTimer.isActive(); }
    void SetEnabled(bool value);
    int Interval() const { return FTimer.interval(); }
    void SetInterval(int value) { FTimer.setInterval(value); }

private:
    void TimerTick();

    QTimer FTimer;
};

// The library's wait timer; nullptr before the application object exists
// and after it has gone.
extern TLuWaitTimer* WaitTimerInstance;

// Pauses for at least Milliseconds while the event loop runs, or until the
// application terminates. Zero and negative delays return at once.
void Wait(std::int32_t Milliseconds);

// Whether the application is terminating, as the library's event-pumping
// loops (waits, sprite flights) see it.
bool ApplicationTerminated();

// Replaces what ApplicationTerminated asks (by default the application
// object), so a test can end a wait or a flight without quitting. An empty
// handler restores the default. Returns the previous handler.
using TLuTerminatedQuery = std::function<bool()>;
TLuTerminatedQuery SetTerminatedQuery(TLuTerminatedQuery query);
