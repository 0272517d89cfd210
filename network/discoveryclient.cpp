#include "network/discoveryclient.h"

#include "network/avahiqtpoll.h"

#include <QTimer>

#include <avahi-client/client.h>
#include <avahi-common/error.h>

namespace network {

QString AvahiErrorText(int Error)
{
    return QString::fromUtf8(avahi_strerror(Error));
}

TDiscoveryClient::TDiscoveryClient(QObject* Parent)
    : QObject(Parent)
    , FPoll(std::make_unique<TAvahiQtPoll>())
{
    Start();
}

TDiscoveryClient::~TDiscoveryClient()
{
    // The client frees what was made on it, and its watches, before the poll goes.
    if (FClient)
        avahi_client_free(FClient);
}

void TDiscoveryClient::Start()
{
    int Error = 0;
    // Without a daemon on the bus the client still comes up, waiting for
    // one (AVAHI_CLIENT_CONNECTING); without a bus at all it fails here.
    AvahiClient* Made = avahi_client_new(
        FPoll->Api(), AVAHI_CLIENT_NO_FAIL,
        [](AvahiClient* Client, AvahiClientState State, void* Self) {
            TDiscoveryClient::OnState(Client, State, Self);
        },
        this, &Error);
    if (!Made) {
        const bool NoDaemon = Error == AVAHI_ERR_NO_DAEMON || Error == AVAHI_ERR_DBUS_ERROR;
        SetStatus(NoDaemon ? TDiscoveryStatus::NoDaemon : TDiscoveryStatus::Failed, AvahiErrorText(Error));
        return;
    }
    FClient = Made;
}

void TDiscoveryClient::OnState(AvahiClient* Client, int State, void* Self)
{
    auto* This = static_cast<TDiscoveryClient*>(Self);
    // The first states arrive inside avahi_client_new, before it returns.
    This->FClient = Client;
    switch (State) {
    case AVAHI_CLIENT_S_RUNNING:
        This->SetStatus(TDiscoveryStatus::Running);
        break;
    case AVAHI_CLIENT_S_REGISTERING:
    case AVAHI_CLIENT_S_COLLISION:
        // The daemon is settling its host name; what was announced under
        // the old one goes with it.
        This->SetStatus(TDiscoveryStatus::Starting);
        break;
    case AVAHI_CLIENT_CONNECTING:
        This->SetStatus(TDiscoveryStatus::NoDaemon, AvahiErrorText(AVAHI_ERR_NO_DAEMON));
        break;
    case AVAHI_CLIENT_FAILURE:
    default: {
        const int Error = avahi_client_errno(Client);
        if (Error == AVAHI_ERR_DISCONNECTED) {
            // The daemon went away. The client cannot be freed from its own
            // callback: a new one waits for the daemon from the event loop.
            This->SetStatus(TDiscoveryStatus::NoDaemon, AvahiErrorText(Error));
            This->Restart();
        } else {
            This->SetStatus(TDiscoveryStatus::Failed, AvahiErrorText(Error));
        }
        break;
    }
    }
}

void TDiscoveryClient::Restart()
{
    if (FRestarting)
        return;
    FRestarting = true;
    QTimer::singleShot(0, this, [this] {
        FRestarting = false;
        if (FClient) {
            AvahiClient* Old = FClient;
            FClient = nullptr;
            avahi_client_free(Old);
        }
        Start();
    });
}

void TDiscoveryClient::SetStatus(TDiscoveryStatus Status, const QString& Error)
{
    if (Status == FStatus && Error == FError)
        return;
    // Whatever was made on a running client does not outlive its running.
    if (FStatus == TDiscoveryStatus::Running && Status != TDiscoveryStatus::Running)
        Q_EMIT Dropping();
    FStatus = Status;
    FError = Error;
    Q_EMIT StatusChanged();
}

} // namespace network
