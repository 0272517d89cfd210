#include "network/raceannouncer.h"

#include "network/foundrace.h"
#include "network/racemessages.h"

#include <avahi-client/client.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

#include <algorithm>

namespace network {

namespace {

// A DNS label holds 63 bytes.
constexpr int MaxLabelBytes = 63;

} // namespace

TRaceAnnouncer::TRaceAnnouncer(const QString& Name, quint16 Port, QObject* Parent)
    : QObject(Parent)
    , FClient(this)
    , FName(WireText(Name, MaxNameLength, std::min(MaxNameBytes, MaxLabelBytes)).trimmed())
    , FPort(Port)
{
    if (FName.isEmpty())
        FName = QStringLiteral("Velto");
    connect(&FClient, &TDiscoveryClient::Dropping, this, [this] { Drop(); });
    connect(&FClient, &TDiscoveryClient::StatusChanged, this, [this] {
        if (FClient.Client())
            Announce();
        Q_EMIT StatusChanged();
    });
    // The daemon may have answered inside the client's start.
    if (FClient.Client())
        Announce();
}

TRaceAnnouncer::~TRaceAnnouncer()
{
    Withdraw();
}

TDiscoveryStatus TRaceAnnouncer::Status() const
{
    if (FWithdrawn) // nothing more goes out
        return TDiscoveryStatus::Starting;
    if (!FError.isEmpty())
        return TDiscoveryStatus::Failed;
    const TDiscoveryStatus Client = FClient.Status();
    if (Client == TDiscoveryStatus::Running && !FAnnounced)
        return TDiscoveryStatus::Starting;
    return Client;
}

QString TRaceAnnouncer::Error() const
{
    return FError.isEmpty() ? FClient.Error() : FError;
}

void TRaceAnnouncer::Withdraw()
{
    if (FWithdrawn)
        return;
    FWithdrawn = true;
    // Freeing the group takes its records off the network (the daemon sends
    // their goodbyes).
    Drop();
}

void TRaceAnnouncer::Drop()
{
    if (FGroup)
        avahi_entry_group_free(FGroup);
    FGroup = nullptr;
    FAnnounced = false;
}

void TRaceAnnouncer::Fail(int Error)
{
    FError = AvahiErrorText(Error);
    Drop();
    Q_EMIT StatusChanged();
}

void TRaceAnnouncer::Announce()
{
    AvahiClient* Client = FClient.Client();
    if (FWithdrawn || !FError.isEmpty() || !Client)
        return;
    if (!FGroup) {
        FGroup = avahi_entry_group_new(
            Client,
            [](AvahiEntryGroup* Group, AvahiEntryGroupState State, void* Self) {
                TRaceAnnouncer::OnGroup(Group, State, Self);
            },
            this);
        if (!FGroup)
            return Fail(avahi_client_errno(Client));
    }
    if (!avahi_entry_group_is_empty(FGroup))
        return;
    const QByteArray Label = FName.toUtf8();
    const QByteArray Version = QByteArray(RaceVersionKey) + '=' + QByteArray::number(ProtocolVersion);
    const int Error = avahi_entry_group_add_service(FGroup, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                                    Label.constData(), RaceServiceType, nullptr, nullptr, FPort,
                                                    Version.constData(), nullptr);
    if (Error == AVAHI_ERR_COLLISION) {
        // Someone on this machine announces the name already.
        char* Other = avahi_alternative_service_name(Label.constData());
        FName = QString::fromUtf8(Other);
        avahi_free(Other);
        return Announce();
    }
    if (Error < 0)
        return Fail(Error);
    if (const int Committed = avahi_entry_group_commit(FGroup); Committed < 0)
        return Fail(Committed);
}

void TRaceAnnouncer::OnGroup(AvahiEntryGroup* Group, int State, void* Self)
{
    auto* This = static_cast<TRaceAnnouncer*>(Self);
    // The first state arrives inside avahi_entry_group_new, before it returns.
    This->FGroup = Group;
    switch (State) {
    case AVAHI_ENTRY_GROUP_ESTABLISHED:
        This->FAnnounced = true;
        Q_EMIT This->StatusChanged();
        break;
    case AVAHI_ENTRY_GROUP_COLLISION: {
        // Another host on the network has the name: the next one, as the
        // daemon would name it.
        char* Other = avahi_alternative_service_name(This->FName.toUtf8().constData());
        This->FName = QString::fromUtf8(Other);
        avahi_free(Other);
        This->FAnnounced = false;
        avahi_entry_group_reset(Group);
        This->Announce();
        Q_EMIT This->StatusChanged();
        break;
    }
    case AVAHI_ENTRY_GROUP_FAILURE:
        This->FAnnounced = false;
        // Not freed from its own callback: from the event loop.
        This->FError = AvahiErrorText(avahi_client_errno(avahi_entry_group_get_client(Group)));
        QMetaObject::invokeMethod(This, [This] { This->Drop(); Q_EMIT This->StatusChanged(); }, Qt::QueuedConnection);
        break;
    default: // uncommitted, registering
        break;
    }
}

} // namespace network
