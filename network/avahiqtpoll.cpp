#include "network/avahiqtpoll.h"

#include <QSocketNotifier>
#include <QTimer>

#include <avahi-common/timeval.h>
#include <avahi-common/watch.h>

#include <algorithm>
#include <vector>

// The library declares these two and leaves them to whoever runs its loop.
struct AvahiWatch {
    network::TAvahiQtPoll::TState* Owner = nullptr;
    int Fd = -1;
    AvahiWatchCallback Callback = nullptr;
    void* UserData = nullptr;
    std::unique_ptr<QSocketNotifier> Read;
    std::unique_ptr<QSocketNotifier> Write;
    int Happened = 0; // the events of the callback under way
    bool Freed = false;
};

struct AvahiTimeout {
    network::TAvahiQtPoll::TState* Owner = nullptr;
    AvahiTimeoutCallback Callback = nullptr;
    void* UserData = nullptr;
    QTimer Timer;
    bool Freed = false;
};

namespace network {

struct TAvahiQtPoll::TState {
    AvahiPoll Api{};
    std::vector<std::unique_ptr<AvahiWatch>> Watches;
    std::vector<std::unique_ptr<AvahiTimeout>> Timeouts;
    QTimer Sweeper; // takes the freed ones away from the event loop

    void Sweep()
    {
        std::erase_if(Watches, [](const auto& W) { return W->Freed; });
        std::erase_if(Timeouts, [](const auto& T) { return T->Freed; });
    }
};

namespace {

TAvahiQtPoll::TState* StateOf(const AvahiPoll* Api)
{
    return static_cast<TAvahiQtPoll::TState*>(Api->userdata);
}

void Fire(AvahiWatch* W, AvahiWatchEvent Event)
{
    if (W->Freed)
        return;
    W->Happened = Event;
    W->Callback(W, W->Fd, Event, W->UserData);
    W->Happened = 0;
}

void WatchUpdate(AvahiWatch* W, AvahiWatchEvent Events)
{
    W->Read->setEnabled(!W->Freed && (Events & AVAHI_WATCH_IN));
    W->Write->setEnabled(!W->Freed && (Events & AVAHI_WATCH_OUT));
}

AvahiWatch* WatchNew(const AvahiPoll* Api, int Fd, AvahiWatchEvent Events, AvahiWatchCallback Callback,
                     void* UserData)
{
    TAvahiQtPoll::TState* State = StateOf(Api);
    auto W = std::make_unique<AvahiWatch>();
    W->Owner = State;
    W->Fd = Fd;
    W->Callback = Callback;
    W->UserData = UserData;
    // A hang-up or an error on the file wakes the read side (the
    // dispatcher polls for them with it), and the library then reads the
    // end of its connection.
    W->Read = std::make_unique<QSocketNotifier>(Fd, QSocketNotifier::Read);
    W->Write = std::make_unique<QSocketNotifier>(Fd, QSocketNotifier::Write);
    AvahiWatch* Raw = W.get();
    QObject::connect(W->Read.get(), &QSocketNotifier::activated, W->Read.get(), [Raw] { Fire(Raw, AVAHI_WATCH_IN); });
    QObject::connect(W->Write.get(), &QSocketNotifier::activated, W->Write.get(), [Raw] { Fire(Raw, AVAHI_WATCH_OUT); });
    WatchUpdate(Raw, Events);
    State->Watches.push_back(std::move(W));
    return Raw;
}

AvahiWatchEvent WatchGetEvents(AvahiWatch* W)
{
    return static_cast<AvahiWatchEvent>(W->Happened);
}

void WatchFree(AvahiWatch* W)
{
    W->Freed = true;
    W->Read->setEnabled(false);
    W->Write->setEnabled(false);
    W->Owner->Sweeper.start();
}

void TimeoutUpdate(AvahiTimeout* T, const struct timeval* When)
{
    if (!When || T->Freed) {
        T->Timer.stop();
        return;
    }
    // The library speaks in wall-clock time; the timer in a delay from now,
    // rounded up so that it never fires before the library's moment.
    const AvahiUsec Left = -avahi_age(When);
    const AvahiUsec Ms = Left <= 0 ? 0 : (Left + 999) / 1000;
    T->Timer.start(static_cast<int>(std::min<AvahiUsec>(Ms, 24LL * 3600 * 1000)));
}

AvahiTimeout* TimeoutNew(const AvahiPoll* Api, const struct timeval* When, AvahiTimeoutCallback Callback,
                         void* UserData)
{
    TAvahiQtPoll::TState* State = StateOf(Api);
    auto T = std::make_unique<AvahiTimeout>();
    T->Owner = State;
    T->Callback = Callback;
    T->UserData = UserData;
    T->Timer.setSingleShot(true);
    T->Timer.setTimerType(Qt::PreciseTimer);
    AvahiTimeout* Raw = T.get();
    QObject::connect(&T->Timer, &QTimer::timeout, &T->Timer, [Raw] {
        if (!Raw->Freed)
            Raw->Callback(Raw, Raw->UserData);
    });
    TimeoutUpdate(Raw, When);
    State->Timeouts.push_back(std::move(T));
    return Raw;
}

void TimeoutFree(AvahiTimeout* T)
{
    T->Freed = true;
    T->Timer.stop();
    T->Owner->Sweeper.start();
}

} // namespace

TAvahiQtPoll::TAvahiQtPoll()
    : F(std::make_unique<TState>())
{
    F->Api.userdata = F.get();
    F->Api.watch_new = &WatchNew;
    F->Api.watch_update = &WatchUpdate;
    F->Api.watch_get_events = &WatchGetEvents;
    F->Api.watch_free = &WatchFree;
    F->Api.timeout_new = &TimeoutNew;
    F->Api.timeout_update = &TimeoutUpdate;
    F->Api.timeout_free = &TimeoutFree;
    F->Sweeper.setSingleShot(true);
    F->Sweeper.setInterval(0);
    QObject::connect(&F->Sweeper, &QTimer::timeout, &F->Sweeper, [State = F.get()] { State->Sweep(); });
}

TAvahiQtPoll::~TAvahiQtPoll() = default;

const AvahiPoll* TAvahiQtPoll::Api() const
{
    return &F->Api;
}

int TAvahiQtPoll::Watches() const
{
    return static_cast<int>(std::count_if(F->Watches.begin(), F->Watches.end(), [](const auto& W) { return !W->Freed; }));
}

int TAvahiQtPoll::Timeouts() const
{
    return static_cast<int>(
        std::count_if(F->Timeouts.begin(), F->Timeouts.end(), [](const auto& T) { return !T->Freed; }));
}

} // namespace network
