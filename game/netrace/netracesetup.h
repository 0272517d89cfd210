#pragma once
// Setting up a race between two machines, before there is a table: the
// small window that asks for the player's name and the port or the host's
// address, the server that waits for a guest, the wait for the guest or for
// the host's answer, and Cancel. What it hands on is a connection whose
// hello has arrived and the name this player races by. A setup that fails
// or is cancelled has told the player why (when there is something to tell)
// and leaves nothing behind: nothing listens, no connection stays open.
#include "network/portmapping.h"
#include "network/raceconnection.h"

#include <QObject>
#include <QString>
#include <memory>

class QWidget;
class TGameHost;

class TNetRaceSetup : public QObject {
    Q_OBJECT
public:
    // A race ready to begin: Connection is open (the peer's hello has
    // arrived); empty when the setup came to nothing.
    struct TReady {
        std::unique_ptr<network::TRaceConnection> Connection;
        QString OwnName;
        // Hosting: the home router's forwarding of the port, asked for while
        // waiting (null when the router is not asked); handed on whether a
        // guest came or not, so that its removal never holds up the window.
        std::unique_ptr<network::TPortMapping> PortMapping;
        explicit operator bool() const { return Connection != nullptr; }
    };

    TNetRaceSetup(TGameHost& Host, QWidget* Window);
    ~TNetRaceSetup() override;

    // Waiting for a guest, or for the host's answer.
    bool Busy() const { return FBusy; }

    // Asks for the name and port, then waits for a guest; Ask false starts
    // at once with Name and Port (the command line). Port 0 is the game's
    // usual port. A guest that says hello is asked about ("Bo wants to
    // race."), unless it is named AcceptName.
    TReady HostRace(bool Ask, const QString& Name, quint16 Port, const QString& AcceptName = QString());
    // Asks for the name and address, then joins; Ask false joins at once.
    TReady JoinRace(bool Ask, const QString& Name, const QString& Address);

private:
    TGameHost& Host;
    QWidget* FWindow;
    bool FBusy = false;
};
