// What the local network says about a hosted race, before any of it is
// listed: a hostile or broken name is cleaned, cut or refused, an address
// must be a plain, usable IP, the port a real one and the TXT record our
// version; one host seen over several interfaces and families is one row.
#include "network/foundrace.h"
#include "network/racemessages.h"
#include "platform/playername.h"

#include <gtest/gtest.h>

namespace {

using namespace network;

// The TXT entry our races carry: the version of the rules for two.
QByteArray Ours()
{
    return QByteArray("v=") + QByteArray::number(ProtocolVersion);
}

TResolvedService Service(QByteArray Name, QByteArray Address, int Port = 47251)
{
    return TResolvedService{std::move(Name), std::move(Address), {}, Port, {Ours()}};
}

TEST(FoundRace, OnlyCheckedRacesAreListedAsTheyWillBeShown)
{
    const QByteArray LongName = QByteArray("W").repeated(63);
    TResolvedService LinkLocal = Service("Cy", "fe80::1");
    LinkLocal.Scope = "veth0";
    TResolvedService LinkLocalNoScope = Service("Cy", "fe80::1");
    TResolvedService LinkLocalBadScope = Service("Cy", "fe80::1");
    LinkLocalBadScope.Scope = "eth0%x";
    TResolvedService OtherVersion = Service("Ann", "10.0.0.2");
    OtherVersion.Txt = {QByteArray("v=") + QByteArray::number(network::ProtocolVersion + 1)};
    TResolvedService NoTxt = Service("Ann", "10.0.0.2");
    NoTxt.Txt = {};
    TResolvedService ManyTxt = Service("Ann", "10.0.0.2");
    ManyTxt.Txt = {"x=1", "v", Ours()};
    const struct {
        const char* what;
        TResolvedService in;
        std::optional<TFoundRace> out;
    } cases[] = {
        {"a plain race", Service("Ann", "192.168.1.20"), TFoundRace{"Ann", "192.168.1.20", 47251}},
        {"IPv6", Service("Bo", "2001:db8::5", 5000), TFoundRace{"Bo", "2001:db8::5", 5000}},
        {"link-local IPv6 with its interface", LinkLocal, TFoundRace{"Cy", "fe80::1%veth0", 47251}},
        {"link-local IPv6 without an interface", LinkLocalNoScope, std::nullopt},
        {"link-local IPv6 with a strange interface", LinkLocalBadScope, std::nullopt},
        {"control characters", Service("Ann\nLee\x1b[31m", "10.0.0.2"), TFoundRace{"Ann Lee [31m", "10.0.0.2", 47251}},
        {"a bidirectional override", Service("Ann\u202Egnp.exe", "10.0.0.2"),
         TFoundRace{QStringLiteral("Ann gnp.exe"), "10.0.0.2", 47251}},
        {"markup stays text", Service("<b>Ann</b><img src=x>", "10.0.0.2"),
         TFoundRace{"<b>Ann</b><img src=x", "10.0.0.2", 47251}},
        {"overlong", Service(LongName, "10.0.0.2"), TFoundRace{QString(20, u'W'), "10.0.0.2", 47251}},
        {"not UTF-8", Service("Ann\xff\xfe", "10.0.0.2"), std::nullopt},
        {"empty", Service("", "10.0.0.2"), std::nullopt},
        {"nothing but what may not be shown", Service("\t\u200B\u202E ", "10.0.0.2"), std::nullopt},
        {"a host name for an address", Service("Ann", "evil.example"), std::nullopt},
        {"an address with a scope of its own", Service("Ann", "fe80::1%eth0"), std::nullopt},
        {"an address and more", Service("Ann", "10.0.0.2 10.0.0.3"), std::nullopt},
        {"half an address", Service("Ann", "10.0.0"), std::nullopt},
        {"an address in octal", Service("Ann", "010.0.0.1"), std::nullopt},
        {"no address", Service("Ann", ""), std::nullopt},
        {"the unspecified IPv4 address", Service("Ann", "0.0.0.0"), std::nullopt},
        {"the unspecified IPv6 address", Service("Ann", "::"), std::nullopt},
        {"broadcast", Service("Ann", "255.255.255.255"), std::nullopt},
        {"multicast", Service("Ann", "224.0.0.251"), std::nullopt},
        {"port 0", Service("Ann", "10.0.0.2", 0), std::nullopt},
        {"a port past 65535", Service("Ann", "10.0.0.2", 65536), std::nullopt},
        {"another version", OtherVersion, std::nullopt},
        {"no TXT record", NoTxt, std::nullopt},
        {"our version among other keys", ManyTxt, TFoundRace{"Ann", "10.0.0.2", 47251}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<TFoundRace> Got = CheckFoundRace(c.in);
        ASSERT_EQ(Got.has_value(), c.out.has_value());
        if (!Got)
            continue;
        EXPECT_EQ(Got->Name, c.out->Name);
        EXPECT_EQ(Got->Address, c.out->Address);
        EXPECT_EQ(Got->Port, c.out->Port);
        EXPECT_TRUE(platform::IsCleanName(Got->Name));
        EXPECT_LE(platform::NameLength(Got->Name), platform::MaxPlayerNameLength);
    }
}

TEST(FoundRace, OneRowPerHostByItsIPv4AddressSortedByName)
{
    const std::vector<TFoundRace> Seen{
        {"Bo", "fe80::2%eth0", 47251},
        {"Ann", "2001:db8::1", 47251},
        {"Bo", "192.168.1.9", 47251},
        {"Ann", "192.168.1.20", 47251},
        {"Ann", "10.0.0.7", 47251}, // the same host on a second interface
        {"Cy", "2001:db8::3", 6000},
        {"Bo", "192.168.1.9", 5000}, // another race of another Bo
    };
    const std::vector<TFoundRace> Want{
        {"Ann", "10.0.0.7", 47251},
        {"Bo", "192.168.1.9", 5000},
        {"Bo", "192.168.1.9", 47251},
        {"Cy", "2001:db8::3", 6000},
    };
    EXPECT_EQ(MergeFoundRaces(Seen), Want);
    // The order the answers came in does not change the rows.
    EXPECT_EQ(MergeFoundRaces({Seen.rbegin(), Seen.rend()}), Want);
    EXPECT_EQ(JoinAddress(Want[0]), QStringLiteral("10.0.0.7:47251"));
    EXPECT_EQ(JoinAddress(Want[3]), QStringLiteral("[2001:db8::3]:6000"));
}

} // namespace
