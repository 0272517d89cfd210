#pragma once
// The addresses the waiting window gives for the other player to join at.
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

namespace network {

// "ADDRESS:PORT", an IPv6 address in brackets ("[2001:db8::5]:47251").
QString AddressWithPort(const QString& Address, quint16 Port);

// Of a machine's addresses, those a guest can reach it by: not the
// loopback, and not a link-local one (it needs the interface's name, which
// means nothing on the guest's machine); IPv4 first, then IPv6 (global and
// unique local) as the system gives them.
QStringList ReachableAddresses(const QList<QHostAddress>& All);

} // namespace network
