#pragma once
// A race hosted on the local network, as the browser lists it, and the
// checks everything read from the network passes first: the name it was
// announced by, the address and port it was resolved to, and its TXT
// record. Nothing of it reaches a window unchecked.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace network {

// The service type hosts announce and guests browse for.
inline constexpr char RaceServiceType[] = "_velto-race._tcp";
// The TXT record's key for the protocol's version: a host of another
// version is not listed, as it could not be joined.
inline constexpr char RaceVersionKey[] = "v";

struct TFoundRace {
    QString Name;    // the host's, cleaned and cut like a player's name
    QString Address; // an IPv4 or IPv6 address, as QHostAddress writes it
    quint16 Port = 0;
    bool operator==(const TFoundRace&) const = default;
};

// What the network said about one service, before the checks.
struct TResolvedService {
    QByteArray Name;    // the instance name, UTF-8 as received
    QByteArray Address; // as the resolver wrote it
    QByteArray Scope;   // the interface of an IPv6 link-local address
    int Port = 0;
    QList<QByteArray> Txt; // "key=value" strings
};

// The race, or nothing when any part of it cannot be used: a name that is
// not UTF-8 or is empty once cleaned; an address that is not a plain IP
// (a host name, a broadcast, multicast or unspecified one); a port outside
// 1..65535; a TXT record without our version. Characters a name may not hold
// become spaces and the name is cut to a player's name's length.
std::optional<TFoundRace> CheckFoundRace(const TResolvedService& Service);

// The address as the join window takes it: HOST:PORT, an IPv6 one in brackets.
QString JoinAddress(const TFoundRace& Race);

// One host is seen once on each interface and for each address family; it
// is listed once, by its IPv4 address where it has one. Sorted by name,
// then address.
std::vector<TFoundRace> MergeFoundRaces(const std::vector<TFoundRace>& Seen);

} // namespace network
