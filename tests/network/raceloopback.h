#pragma once
// What the connection tests share: waiting on the event loop for something
// to happen (with a bound, never a hang), and what one end of a race saw.
#include "network/raceconnection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <functional>
#include <vector>

namespace racetest {

inline bool WaitFor(const std::function<bool()>& Done, int Ms = 5000)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!Done() && Timer.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return Done();
}

// What one end saw.
struct TEnd {
    QString Opened;
    QStringList Lost;
    std::vector<network::TMessage> Received;
    void Watch(network::TRaceConnection* C, bool Listening = true)
    {
        using network::TRaceConnection;
        QObject::connect(C, &TRaceConnection::Opened, C, [this](const QString& Name) { Opened = Name; });
        QObject::connect(C, &TRaceConnection::Lost, C, [this](const QString& Why) { Lost << Why; });
        QObject::connect(C, &TRaceConnection::Received, C,
                         [this](const network::TMessage& M) { Received.push_back(M); });
        if (Listening)
            C->Deliver();
    }
};

} // namespace racetest
