#include "network/portmapanswer.h"

#include <QCoreApplication>
#include <QHostAddress>

#include <algorithm>

namespace network {

namespace {

// Printable characters only, on one line, and not too many of them: the
// text goes into a label as plain text, but a router should not be able to
// fill the window either.
QString PlainLine(const std::string& Raw)
{
    const QString Text = QString::fromUtf8(Raw.data(), static_cast<qsizetype>(std::min<std::size_t>(Raw.size(), 1024)));
    QString Out;
    for (const QChar C : Text) {
        if (C.isPrint() && C != QChar::ReplacementCharacter)
            Out += C;
        else if (C.isSpace())
            Out += u' ';
    }
    Out = Out.simplified();
    if (Out.size() > MaxRouterReasonLength)
        Out = Out.left(MaxRouterReasonLength - 3) + QStringLiteral("...");
    return Out;
}

// Addresses that no guest on the internet reaches: this network's own, the
// carrier's shared space, and the ranges set aside for documentation, tests
// and multicast.
bool Private(const QHostAddress& A)
{
    if (A.isLoopback() || A.isLinkLocal() || A.isMulticast() || A.isBroadcast() || A.isNull()
        || A == QHostAddress::AnyIPv4 || A == QHostAddress::AnyIPv6 || A.isUniqueLocalUnicast()
        || A.isSiteLocal())
        return true;
    if (A.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    const quint32 V = A.toIPv4Address();
    struct { quint32 Net; int Bits; } constexpr Ranges[] = {
        {0x00000000u, 8},  {0x0A000000u, 8},  {0x64400000u, 10}, {0xA9FE0000u, 16},
        {0xAC100000u, 12}, {0xC0000000u, 24}, {0xC0A80000u, 16}, {0xC6120000u, 15},
        {0xF0000000u, 4},
    };
    for (const auto& R : Ranges)
        if ((V >> (32 - R.Bits)) == (R.Net >> (32 - R.Bits)))
            return true;
    return false;
}

} // namespace

TPortMapResult CheckPortMapAnswer(const TPortMapAnswer& Answer)
{
    TPortMapResult R;
    R.Via = PlainLine(Answer.Via);
    switch (Answer.Kind) {
    case TPortMapAnswer::TKind::NoRouter:
        R.Kind = TPortMapResult::TKind::NoRouter;
        return R;
    case TPortMapAnswer::TKind::Refused:
        R.Kind = TPortMapResult::TKind::Refused;
        R.Reason = PlainLine(Answer.Reason);
        if (R.Reason.isEmpty())
            R.Reason = QCoreApplication::translate("network::TPortMapping", "no reason given");
        return R;
    case TPortMapAnswer::TKind::Mapped:
        break;
    }
    R.Kind = TPortMapResult::TKind::Refused;
    // Only the digits and separators of an address; QHostAddress would
    // also take a scope ("%eth0") that means nothing to the other player.
    const QString Text = QString::fromLatin1(Answer.PublicAddress.data(),
                                             static_cast<qsizetype>(std::min<std::size_t>(Answer.PublicAddress.size(), 64)));
    QHostAddress Address;
    const bool Plain = !Text.isEmpty() && Text.size() <= 45
        && std::all_of(Text.begin(), Text.end(), [](QChar C) { return C.isDigit() || (C.toLower() >= u'a' && C.toLower() <= u'f') || C == u'.' || C == u':'; });
    if (!Plain || !Address.setAddress(Text)) {
        R.Reason = QCoreApplication::translate("network::TPortMapping", "its answer was not an address");
        return R;
    }
    // An IPv4 address written as IPv6 (::ffff:10.0.0.1) is judged, and
    // shown, as the IPv4 address it is.
    bool IsV4 = false;
    if (const quint32 V4 = Address.toIPv4Address(&IsV4); IsV4)
        Address = QHostAddress(V4);
    if (Answer.PublicPort < 1 || Answer.PublicPort > 65535) {
        R.Reason = QCoreApplication::translate("network::TPortMapping", "its answer was not a port");
        return R;
    }
    if (Private(Address)) {
        R.Reason = QCoreApplication::translate("network::TPortMapping", "its own outside address %1 is private: another router stands before it").arg(Address.toString());
        return R;
    }
    R.Kind = TPortMapResult::TKind::Mapped;
    R.Address = Address.toString();
    R.Port = static_cast<quint16>(Answer.PublicPort);
    return R;
}

} // namespace network
