#pragma once
// One connection to the desktop's Avahi daemon, the service that announces
// and finds services on the local network (DNS-SD over multicast DNS), run
// by the program's event loop (TAvahiQtPoll).
//
// Where no daemon runs the status says so (NoDaemon), apart from every
// other failure: a player can still type an address. A daemon that starts
// later, or comes back after a restart, is taken up again by itself; what
// was built on the old connection is dropped first (Dropping), and built
// anew once the status is Running again.
#include <QObject>
#include <QString>

#include <memory>

struct AvahiClient;

namespace network {

class TAvahiQtPoll;

enum class TDiscoveryStatus {
    Starting, // the daemon is there and not ready yet, or the work is under way
    Running,  // announced, or browsing
    NoDaemon, // no Avahi daemon answers (or no system bus to reach one by)
    Failed,   // anything else; Error() says what
};

class TDiscoveryClient : public QObject {
    Q_OBJECT
public:
    explicit TDiscoveryClient(QObject* Parent = nullptr);
    ~TDiscoveryClient() override;

    TDiscoveryStatus Status() const { return FStatus; }
    QString Error() const { return FError; }
    // The client while the daemon is ready, else null.
    AvahiClient* Client() const { return FStatus == TDiscoveryStatus::Running ? FClient : nullptr; }

Q_SIGNALS:
    // Whatever was made on Client() is about to be freed with it: forget it.
    void Dropping();
    void StatusChanged();

private:
    static void OnState(AvahiClient* Client, int State, void* Self);
    void Start();
    void Restart();
    void SetStatus(TDiscoveryStatus Status, const QString& Error = QString());

    std::unique_ptr<TAvahiQtPoll> FPoll;
    AvahiClient* FClient = nullptr;
    TDiscoveryStatus FStatus = TDiscoveryStatus::Starting;
    QString FError;
    bool FRestarting = false;
};

// An Avahi error number as a player may read it.
QString AvahiErrorText(int Error);

} // namespace network
