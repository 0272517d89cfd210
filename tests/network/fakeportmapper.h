#pragma once
// A router for tests: answers every request to forward a port with the
// answer it is given, counts the requests and removals, and can hold a
// request or a removal until the test lets it go (as a slow or silent
// router would). The counts live in TFakeRouter, shared with the mapper, so
// a test can still read them after the mapping that owned the mapper has
// gone.
#include "network/portmapper.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace porttest {

struct TFakeRouter {
    std::mutex Lock;
    std::condition_variable Changed;
    network::TPortMapAnswer Answer;
    int Maps = 0;
    int Unmaps = 0;   // removals begun
    int Removed = 0;  // removals done
    bool HoldMap = false;
    bool HoldUnmap = false;

    void Let(bool& Hold)
    {
        {
            const std::lock_guard L(Lock);
            Hold = false;
        }
        Changed.notify_all();
    }
    // Waits (in the test's thread) for a count to reach N; false after 10 s.
    bool WaitUntil(const int& Count, int N)
    {
        std::unique_lock L(Lock);
        return Changed.wait_for(L, std::chrono::seconds(10), [&] { return Count >= N; });
    }
    int Read(const int& Count)
    {
        const std::lock_guard L(Lock);
        return Count;
    }
};

class TFakePortMapper : public network::TPortMapper {
public:
    explicit TFakePortMapper(std::shared_ptr<TFakeRouter> Router)
        : FRouter(std::move(Router))
    {
    }
    network::TPortMapAnswer Map(quint16) override
    {
        std::unique_lock L(FRouter->Lock);
        ++FRouter->Maps;
        FRouter->Changed.notify_all();
        FRouter->Changed.wait(L, [&] { return !FRouter->HoldMap; });
        return FRouter->Answer;
    }
    void Unmap() override
    {
        std::unique_lock L(FRouter->Lock);
        ++FRouter->Unmaps;
        FRouter->Changed.notify_all();
        FRouter->Changed.wait(L, [&] { return !FRouter->HoldUnmap; });
        ++FRouter->Removed;
        FRouter->Changed.notify_all();
    }

private:
    std::shared_ptr<TFakeRouter> FRouter;
};

inline network::TPortMapAnswer Mapped(const char* Address, long long Port, int Lease = 0)
{
    network::TPortMapAnswer A;
    A.Kind = network::TPortMapAnswer::TKind::Mapped;
    A.Via = "UPnP";
    A.PublicAddress = Address;
    A.PublicPort = Port;
    A.LeaseSeconds = Lease;
    return A;
}

inline network::TPortMapAnswer Refused(const std::string& Reason)
{
    network::TPortMapAnswer A;
    A.Kind = network::TPortMapAnswer::TKind::Refused;
    A.Via = "UPnP";
    A.Reason = Reason;
    return A;
}

} // namespace porttest
