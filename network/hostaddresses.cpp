#include "network/hostaddresses.h"

namespace network {

QString AddressWithPort(const QString& Address, quint16 Port)
{
    return QStringLiteral("%1:%2").arg(Address.contains(u':') ? u'[' + Address + u']' : Address).arg(Port);
}

QStringList ReachableAddresses(const QList<QHostAddress>& All)
{
    QStringList V4, V6;
    for (const QHostAddress& A : All) {
        if (A.isLoopback() || A.isLinkLocal() || A.isNull() || A.isMulticast())
            continue;
        // An IPv4 address, also one written as IPv6 (::ffff:a.b.c.d), as IPv4.
        bool IsV4 = false;
        const quint32 V4Value = A.toIPv4Address(&IsV4);
        if (IsV4) {
            const QHostAddress Plain(V4Value);
            if (!Plain.isLoopback() && !Plain.isLinkLocal())
                V4 << Plain.toString();
            continue;
        }
        QHostAddress Bare = A;
        Bare.setScopeId(QString()); // a scope means nothing to the guest
        V6 << Bare.toString();
    }
    V4.removeDuplicates();
    V6.removeDuplicates();
    return V4 + V6;
}

} // namespace network
