#pragma once
// What a home router said when asked to forward the hosting port, and what
// of it the program believes. The router is a stranger on the line: its
// public address and port arrive as it sent them (TPortMapAnswer) and reach
// the player only through CheckPortMapAnswer, which takes an address only
// when it is a plain IP a guest on the internet could reach, a port only in
// 1..65535, and a reason only as a short line of printable text.
#include <QString>

#include <string>

namespace network {

// As the router answered, unchecked. Made on the worker thread.
struct TPortMapAnswer {
    enum class TKind { Mapped, Refused, NoRouter };
    TKind Kind = TKind::NoRouter;
    std::string Via;             // "UPnP" or "NAT-PMP"
    std::string PublicAddress;   // the router's outside address
    long long PublicPort = 0;    // the port forwarded there
    std::string Reason;          // why it refused
    int LeaseSeconds = 0;        // how long the forwarding holds (0: until removed)
};

// What the waiting window may show.
struct TPortMapResult {
    enum class TKind { Mapped, Refused, NoRouter };
    TKind Kind = TKind::NoRouter;
    QString Via;
    QString Address; // Mapped: the public address, as an IP
    quint16 Port = 0; // Mapped: the public port
    QString Reason;  // Refused: why, plain text for the player
};

// The longest reason shown; a router's longer one is cut.
constexpr int MaxRouterReasonLength = 120;

// A mapping whose address or port cannot be used turns into a refusal that
// says why; so does a public address that is itself private (another
// router stands between this one and the internet).
TPortMapResult CheckPortMapAnswer(const TPortMapAnswer& Answer);

} // namespace network
