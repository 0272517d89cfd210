#pragma once
// The Avahi client library's main loop, run by Qt's: every file the
// library wants watched is a QSocketNotifier, every wake-up it asks for a
// QTimer, so its D-Bus traffic is handled by the program's own event loop,
// with no thread of its own and no loop of its own.
//
// The library may free a watch or a timeout from inside that watch's or
// timeout's own callback; a freed one is only switched off then and taken
// away once the event loop has come back, so no notifier or timer is
// deleted while it is delivering. Whatever the library leaves when the poll
// goes is freed with it: free the client first.
#include <memory>

struct AvahiPoll;

namespace network {

class TAvahiQtPoll {
public:
    TAvahiQtPoll();
    ~TAvahiQtPoll();
    TAvahiQtPoll(const TAvahiQtPoll&) = delete;
    TAvahiQtPoll& operator=(const TAvahiQtPoll&) = delete;

    // What avahi_client_new takes; valid as long as this object.
    const AvahiPoll* Api() const;

    // Watches and timeouts the library holds and has not freed.
    int Watches() const;
    int Timeouts() const;

    struct TState;

private:
    std::unique_ptr<TState> F;
};

} // namespace network
