#include "network/portmapping.h"

#include "network/hostaddresses.h"
#include "network/portmapper.h"

#include <condition_variable>
#include <mutex>

namespace network {

// What the worker and this object share; the worker's copy keeps it, and
// the mapper, alive after this object has gone.
struct TPortMapping::TShared {
    std::mutex Lock;
    std::condition_variable Changed;
    std::unique_ptr<TPortMapper> Mapper;
    TPortMapping* Receiver = nullptr; // null once this object is going
    bool Released = false;
    bool Finished = false;
};

TPortMapping::TPortMapping(std::unique_ptr<TPortMapper> Mapper, QObject* Parent)
    : QObject(Parent)
    , FShared(std::make_shared<TShared>())
{
    FShared->Mapper = std::move(Mapper);
    FShared->Receiver = this;
}

TPortMapping::~TPortMapping()
{
    ReleaseWithin(std::chrono::milliseconds(ExitWaitMs));
    {
        const std::lock_guard Hold(FShared->Lock);
        FShared->Receiver = nullptr;
    }
    if (FWorker.joinable()) {
        const bool Done = [&] {
            const std::lock_guard Hold(FShared->Lock);
            return FShared->Finished;
        }();
        if (Done)
            FWorker.join();
        else
            FWorker.detach(); // it ends by itself, with what it shares
    }
}

void TPortMapping::Start(quint16 Port)
{
    if (FWorker.joinable() || !FShared->Mapper)
        return;
    FWorker = std::thread(&TPortMapping::Work, FShared, Port);
}

void TPortMapping::Release()
{
    {
        const std::lock_guard Hold(FShared->Lock);
        FShared->Released = true;
    }
    FShared->Changed.notify_all();
}

bool TPortMapping::ReleaseWithin(std::chrono::milliseconds Wait)
{
    Release();
    if (!FWorker.joinable())
        return true;
    std::unique_lock Hold(FShared->Lock);
    return FShared->Changed.wait_for(Hold, Wait, [&] { return FShared->Finished; });
}

void TPortMapping::Work(std::shared_ptr<TShared> Shared, quint16 Port)
{
    TPortMapper& Mapper = *Shared->Mapper;
    for (;;) {
        const TPortMapAnswer Answer = Mapper.Map(Port);
        const TPortMapResult Result = CheckPortMapAnswer(Answer);
        std::unique_lock Hold(Shared->Lock);
        if (Shared->Receiver && !Shared->Released) {
            // Queued to the GUI thread; a report still on its way when the
            // object goes is dropped with the object's posted events.
            TPortMapping* Receiver = Shared->Receiver;
            QMetaObject::invokeMethod(Receiver, [Receiver, Result] { Receiver->Deliver(Result); },
                                      Qt::QueuedConnection);
        }
        // Nothing to keep (or renew) unless the router forwards a port the
        // other player can use.
        if (Result.Kind != TPortMapResult::TKind::Mapped)
            break;
        const auto Renew = Answer.LeaseSeconds > 0 ? std::chrono::seconds(std::max(Answer.LeaseSeconds / 2, 1))
                                                   : std::chrono::seconds::max();
        if (Renew == std::chrono::seconds::max())
            Shared->Changed.wait(Hold, [&] { return Shared->Released; });
        else
            Shared->Changed.wait_for(Hold, Renew, [&] { return Shared->Released; });
        if (Shared->Released)
            break;
    }
    Mapper.Unmap();
    {
        const std::lock_guard Hold(Shared->Lock);
        Shared->Finished = true;
    }
    Shared->Changed.notify_all();
}

void TPortMapping::Deliver(const TPortMapResult& Result)
{
    FResult = Result;
    Q_EMIT Reported(Result);
}

QString TPortMapping::Describe(const std::optional<TPortMapResult>& Result, quint16 LocalPort)
{
    if (!Result)
        return tr("Asking the router to open port %1 ...").arg(LocalPort);
    switch (Result->Kind) {
    case TPortMapResult::TKind::Mapped:
        return tr("From the internet: %1").arg(AddressWithPort(Result->Address, Result->Port));
    case TPortMapResult::TKind::Refused:
        return tr("The router refused to open the port: %1").arg(Result->Reason);
    case TPortMapResult::TKind::NoRouter:
        break;
    }
    return tr("No router answered: only players on this network can join.");
}

} // namespace network
