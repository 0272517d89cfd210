#include "network/foundrace.h"

#include "network/racemessages.h"
#include "platform/playername.h"

#include <QHostAddress>
#include <QStringDecoder>

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>
#include <utility>

namespace network {

namespace {

std::optional<QString> CheckedName(const QByteArray& Raw)
{
    QStringDecoder Utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString Decoded = Utf8.decode(Raw);
    if (Utf8.hasError())
        return std::nullopt;
    // As a name from the other player's hello: what could reorder or hide
    // the text around it becomes a space, and it is no longer than a
    // player's name.
    const QString Name = WireText(Decoded, MaxNameLength, MaxNameBytes).trimmed();
    if (Name.isEmpty())
        return std::nullopt;
    return Name;
}

std::optional<QString> CheckedAddress(const QByteArray& Raw, const QByteArray& Scope)
{
    QHostAddress Address;
    // Only the characters of a written address: no name to look up, no
    // scope smuggled in with the address itself.
    for (const char C : Raw)
        if (!(std::isxdigit(static_cast<unsigned char>(C)) || C == '.' || C == ':'))
            return std::nullopt;
    if (Raw.isEmpty() || !Address.setAddress(QString::fromLatin1(Raw)))
        return std::nullopt;
    const auto Protocol = Address.protocol();
    if (Protocol != QAbstractSocket::IPv4Protocol && Protocol != QAbstractSocket::IPv6Protocol)
        return std::nullopt;
    // An IPv4 address in its four parts, as the resolver writes it; the
    // short and octal forms the parser also takes are not what they seem.
    if (Protocol == QAbstractSocket::IPv4Protocol && Address.toString().toLatin1() != Raw)
        return std::nullopt;
    if (Address.isNull() || Address.isMulticast() || Address.isBroadcast()
        || Address == QHostAddress(QHostAddress::AnyIPv4) || Address == QHostAddress(QHostAddress::AnyIPv6))
        return std::nullopt;
    if (Address.isLinkLocal() && Protocol == QAbstractSocket::IPv6Protocol) {
        // Of no use without the interface it was seen on.
        for (const char C : Scope)
            if (!(std::isalnum(static_cast<unsigned char>(C)) || C == '-' || C == '_' || C == '.'))
                return std::nullopt;
        if (Scope.isEmpty() || Scope.size() > 15)
            return std::nullopt;
        Address.setScopeId(QString::fromLatin1(Scope));
    }
    return Address.toString();
}

bool OurVersion(const QList<QByteArray>& Txt)
{
    const QByteArray Wanted = QByteArray(RaceVersionKey) + '=' + QByteArray::number(ProtocolVersion);
    return std::find(Txt.begin(), Txt.end(), Wanted) != Txt.end();
}

} // namespace

std::optional<TFoundRace> CheckFoundRace(const TResolvedService& Service)
{
    if (Service.Port <= 0 || Service.Port > 65535 || !OurVersion(Service.Txt))
        return std::nullopt;
    const std::optional<QString> Name = CheckedName(Service.Name);
    const std::optional<QString> Address = CheckedAddress(Service.Address, Service.Scope);
    if (!Name || !Address)
        return std::nullopt;
    return TFoundRace{*Name, *Address, static_cast<quint16>(Service.Port)};
}

QString JoinAddress(const TFoundRace& Race)
{
    const QString Host = Race.Address.contains(u':') ? u'[' + Race.Address + u']' : Race.Address;
    return QStringLiteral("%1:%2").arg(Host).arg(Race.Port);
}

std::vector<TFoundRace> MergeFoundRaces(const std::vector<TFoundRace>& Seen)
{
    const auto IsV4 = [](const TFoundRace& R) { return !R.Address.contains(u':'); };
    std::map<std::pair<QString, quint16>, TFoundRace> Best;
    for (const TFoundRace& R : Seen) {
        const auto [It, New] = Best.try_emplace({R.Name, R.Port}, R);
        if (New)
            continue;
        TFoundRace& Kept = It->second;
        // IPv4 first; among the same family the lowest address, so that
        // the row does not change with the order the answers came in.
        if (std::pair(!IsV4(R), R.Address) < std::pair(!IsV4(Kept), Kept.Address))
            Kept = R;
    }
    std::vector<TFoundRace> Out;
    for (auto& [Key, R] : Best)
        Out.push_back(R);
    std::sort(Out.begin(), Out.end(), [](const TFoundRace& A, const TFoundRace& B) {
        return std::tie(A.Name, A.Address, A.Port) < std::tie(B.Name, B.Address, B.Port);
    });
    return Out;
}

} // namespace network
