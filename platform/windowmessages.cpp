#include "platform/windowmessages.h"

#include <QCoreApplication>
#include <QPointer>

#include <deque>

namespace platform {

// Messages wait in one queue of our own, emptied by a single posted "drain"
// event. Qt alone would deliver an event posted from inside another posted
// event's handler only after a timer that has fallen due meanwhile; the
// drain keeps going until the queue is empty, so a message posted from a
// message handler still runs before the next timer tick. A handler that runs
// a nested event loop (a modal box) gets a new drain event posted, so the
// messages it posts run inside that loop rather than waiting for it to end.

namespace {

struct Pending
{
    QPointer<QObject> target;
    Message message;
};

class Dispatcher : public QObject
{
public:
    static Dispatcher* instance()
    {
        static QPointer<Dispatcher> dispatcher;
        if (!dispatcher)
            dispatcher = new Dispatcher(QCoreApplication::instance());
        return dispatcher;
    }

    void Post(QObject* target, const Message& message)
    {
        m_queue.push_back(Pending{target, message});
        PostDrain();
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != DrainType())
            return QObject::event(event);
        m_drainPosted = false;
        // Should a handler's exception get past the application's dispatch,
        // the messages behind it still get a drain of their own.
        struct Resume
        {
            Dispatcher* self;
            ~Resume()
            {
                if (!self->m_queue.empty())
                    self->PostDrain();
            }
        } resume{this};
        while (!m_queue.empty()) {
            const Pending next = m_queue.front();
            m_queue.pop_front();
            if (!next.target)
                continue; // the window went away meanwhile
            PostedMessageEvent delivery(next.message);
            QCoreApplication::sendEvent(next.target, &delivery);
        }
        return true;
    }

private:
    explicit Dispatcher(QObject* parent) : QObject(parent) {}

    void PostDrain()
    {
        if (m_drainPosted)
            return;
        m_drainPosted = true;
        QCoreApplication::postEvent(this, new QEvent(DrainType()));
    }

    static QEvent::Type DrainType()
    {
        static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    std::deque<Pending> m_queue;
    bool m_drainPosted = false;
};

} // namespace

PostedMessageEvent::PostedMessageEvent(const Message& message)
    : QEvent(EventType()), m_message(message)
{}

QEvent::Type PostedMessageEvent::EventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostMessage(QObject* target, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!target || !QCoreApplication::instance())
        return;
    Dispatcher::instance()->Post(target, Message{msg, wParam, lParam});
}

} // namespace platform
