#pragma once
// A hosted race made known on the local network while its host waits for a
// guest: the host's name and port under RaceServiceType, with the
// protocol's version in the TXT record, through the Avahi daemon. Another
// host announcing the same name makes the daemon pick another ("Ann #2").
// The announcement is withdrawn by Withdraw or with the object; a daemon
// that restarts meanwhile gets it again.
#include "network/discoveryclient.h"

#include <QObject>
#include <QString>

struct AvahiEntryGroup;

namespace network {

class TRaceAnnouncer : public QObject {
    Q_OBJECT
public:
    // Starts at once; the name is cleaned and cut as on the wire.
    TRaceAnnouncer(const QString& Name, quint16 Port, QObject* Parent = nullptr);
    ~TRaceAnnouncer() override;

    // Running once the network has taken the announcement.
    TDiscoveryStatus Status() const;
    QString Error() const;
    // The name announced: the one given, or the one the daemon chose after
    // a collision.
    QString Name() const { return FName; }

    void Withdraw();

Q_SIGNALS:
    void StatusChanged();

private:
    static void OnGroup(AvahiEntryGroup* Group, int State, void* Self);
    void Announce();
    void Fail(int Error);
    void Drop();

    TDiscoveryClient FClient;
    QString FName;
    quint16 FPort;
    AvahiEntryGroup* FGroup = nullptr;
    bool FAnnounced = false;
    bool FWithdrawn = false;
    QString FError; // the group's own failure
};

} // namespace network
