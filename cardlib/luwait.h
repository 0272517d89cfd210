#pragma once
// The library's one pause: Wait(ms) keeps the application's event loop
// running while the caller waits, so timers, posted messages, painting and
// input go on. A single timer object serves the whole library; a Wait that
// starts while another is running re-arms that timer, and its tick ends both.
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

class TLuWaitTimer : public QObject {
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

// What Wait asks to learn whether the application is terminating. The
// default asks the application object; a test replaces it to end a wait
// without quitting. An empty handler restores the default. Returns the
// previous handler.
using TLuTerminatedQuery = std::function<bool()>;
TLuTerminatedQuery SetWaitTerminatedQuery(TLuTerminatedQuery query);
