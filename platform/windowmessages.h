#pragma once
// Posted window messages: a handler posts a message to a window; it arrives
// after the posting handler has returned, in posting order, before the next
// timer tick. Receivers see it as a PostedMessageEvent in event().
#include <QEvent>
#include <QObject>
#include <cstdint>

namespace platform {

constexpr unsigned WM_USER = 0x0400;

struct Message {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
};

class PostedMessageEvent : public QEvent {
public:
    explicit PostedMessageEvent(const Message& message);
    static QEvent::Type EventType();
    const Message& message() const { return m_message; }

private:
    Message m_message;
};

// Never sends: the message is queued and the call returns at once. Messages
// to all receivers share one queue, first in first out; one whose receiver
// has been destroyed meanwhile is dropped. GUI thread only.
void PostMessage(QObject* target, unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

} // namespace platform
