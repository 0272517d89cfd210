#pragma once
// The hosting port forwarded by the home router for as long as a race is
// hosted, so that a guest on the internet can join. The router is asked on
// a worker thread of this object's own (discovery takes about two seconds,
// and a router may be slow to answer); what it said arrives on the GUI
// thread as Reported, checked (see CheckPortMapAnswer). A forwarding with a
// lease is renewed at half its lease while it is kept.
//
// Release ends it: the worker removes the forwarding (after the request
// still under way, if any) and ends, without holding up the caller. Where
// the program ends at once, ReleaseWithin waits for that removal, but no
// longer than it is told; the destructor does the same with ExitWaitMs, so
// the program's close removes the forwarding and never hangs on a router
// that has gone quiet. A forwarding left behind that way ends with its lease.
#include "network/portmapanswer.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

namespace network {

class TPortMapper;

class TPortMapping : public QObject {
    Q_OBJECT
public:
    static constexpr int ExitWaitMs = 1000;

    explicit TPortMapping(std::unique_ptr<TPortMapper> Mapper, QObject* Parent = nullptr);
    ~TPortMapping() override;

    // Asks the router to forward Port; once only.
    void Start(quint16 Port);
    void Release();
    // Release, then waits up to Wait for the forwarding to be gone; false
    // when the worker had not finished by then (it goes on by itself).
    bool ReleaseWithin(std::chrono::milliseconds Wait);

    // The last report, none before the first.
    const std::optional<TPortMapResult>& Result() const { return FResult; }
    // What the waiting window says of it, one line: the public address to
    // give the other player, or why there is none.
    QString Text(quint16 LocalPort) const { return Describe(FResult, LocalPort); }
    static QString Describe(const std::optional<TPortMapResult>& Result, quint16 LocalPort);

Q_SIGNALS:
    void Reported(const network::TPortMapResult& Result);

private:
    struct TShared;
    static void Work(std::shared_ptr<TShared> Shared, quint16 Port);
    void Deliver(const TPortMapResult& Result);

    std::shared_ptr<TShared> FShared;
    std::thread FWorker;
    std::optional<TPortMapResult> FResult;
};

} // namespace network
