#include "platform/windowmessages.h"

#include <QCoreApplication>

namespace platform {

PostedMessageEvent::PostedMessageEvent(const Message& message)
    : QEvent(EventType()), m_message(message)
{
}

QEvent::Type PostedMessageEvent::EventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostMessage(QObject* target, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!target)
        return;
    // The event queue takes ownership; posted events of one receiver are
    // delivered in the order they were posted.
    QCoreApplication::postEvent(target, new PostedMessageEvent(Message{msg, wParam, lParam}));
}

} // namespace platform
