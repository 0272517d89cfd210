// The home router's answers as the waiting window gets them: what a router
// says is believed only when it is a usable public address and port, the
// report arrives on the GUI thread, and the forwarding is removed whenever
// the hosting ends (released, the object gone, the program terminating),
// never holding the caller up for longer than it says.
#include "network/hostaddresses.h"
#include "network/portmapping.h"
#include "tests/network/fakeportmapper.h"
#include "tests/support/qtprinters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace network;
using namespace porttest;
using TKind = TPortMapResult::TKind;

bool WaitFor(const std::function<bool()>& Done, int Ms = 10000)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!Done() && Timer.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return Done();
}

struct TAnswerCase {
    const char* Name;
    TPortMapAnswer Answer;
    TKind Kind;
    const char* Shown; // the address:port shown, or a piece of the reason
};

TPortMapAnswer NoRouter()
{
    return {};
}

const std::string Long(500, 'x');

const TAnswerCase AnswerCases[] = {
    {"public IPv4", Mapped("203.0.113.7", 47251), TKind::Mapped, "203.0.113.7:47251"},
    {"another public port", Mapped("198.51.100.20", 50001), TKind::Mapped, "198.51.100.20:50001"},
    {"public IPv6 in brackets", Mapped("2001:db8:5::7", 47251), TKind::Mapped, "[2001:db8:5::7]:47251"},
    {"a name, not an address", Mapped("router.example", 47251), TKind::Refused, "not an address"},
    {"markup", Mapped("<b>203.0.113.7</b>", 47251), TKind::Refused, "not an address"},
    {"a scope that means nothing outside", Mapped("fe80::1%eth0", 47251), TKind::Refused, "not an address"},
    {"an address and more", Mapped("203.0.113.7 and 10.0.0.1", 47251), TKind::Refused, "not an address"},
    {"empty", Mapped("", 47251), TKind::Refused, "not an address"},
    {"port 0", Mapped("203.0.113.7", 0), TKind::Refused, "not a port"},
    {"port above 65535", Mapped("203.0.113.7", 70000), TKind::Refused, "not a port"},
    {"negative port", Mapped("203.0.113.7", -1), TKind::Refused, "not a port"},
    {"home network address", Mapped("192.168.1.1", 47251), TKind::Refused, "192.168.1.1 is private"},
    {"carrier's shared space", Mapped("100.64.3.4", 47251), TKind::Refused, "100.64.3.4 is private"},
    {"unspecified", Mapped("0.0.0.0", 47251), TKind::Refused, "is private"},
    {"a private address written as IPv6", Mapped("::ffff:10.0.0.1", 47251), TKind::Refused, "10.0.0.1 is private"},
    {"a public one written as IPv6", Mapped("::ffff:203.0.113.7", 47251), TKind::Mapped, "203.0.113.7:47251"},
    {"refused with its reason", Refused("ConflictInMappingEntry (718)"), TKind::Refused, "ConflictInMappingEntry (718)"},
    {"reason on one plain line", Refused("bad\r\n\tline\x07 here"), TKind::Refused, "bad line here"},
    {"refused without a reason", Refused(""), TKind::Refused, "no reason given"},
    {"no router", NoRouter(), TKind::NoRouter, ""},
};

class PortMapAnswerTest : public ::testing::TestWithParam<TAnswerCase> {};

TEST_P(PortMapAnswerTest, OnlyAUsableAddressAndPortCountAsMapped)
{
    const TAnswerCase& C = GetParam();
    const TPortMapResult R = CheckPortMapAnswer(C.Answer);
    EXPECT_EQ(R.Kind, C.Kind);
    const QString Shown = QString::fromUtf8(C.Shown);
    if (C.Kind == TKind::Mapped)
        EXPECT_EQ(AddressWithPort(R.Address, R.Port), Shown);
    else
        EXPECT_TRUE(R.Reason.contains(Shown)) << R.Reason.toStdString();
    EXPECT_LE(R.Reason.size(), MaxRouterReasonLength);
}

INSTANTIATE_TEST_SUITE_P(Answers, PortMapAnswerTest, ::testing::ValuesIn(AnswerCases),
                         [](const ::testing::TestParamInfo<TAnswerCase>& Info) {
                             std::string N;
                             for (const char C : std::string(Info.param.Name))
                                 N += std::isalnum(static_cast<unsigned char>(C)) ? C : '_';
                             return N;
                         });

TEST(PortMapAnswer, ALongReasonIsCut)
{
    const TPortMapResult R = CheckPortMapAnswer(Refused(Long));
    EXPECT_EQ(R.Reason.size(), MaxRouterReasonLength);
    EXPECT_TRUE(R.Reason.endsWith(QStringLiteral("...")));
}

TEST(HostAddresses, GlobalIPv6ShowsAndWhatTheGuestCannotUseDoesNot)
{
    const QList<QHostAddress> All{
        QHostAddress(QStringLiteral("2001:db8:1::5")), QHostAddress(QStringLiteral("127.0.0.1")),
        QHostAddress(QStringLiteral("fe80::1")),       QHostAddress(QStringLiteral("192.168.1.20")),
        QHostAddress(QStringLiteral("::1")),           QHostAddress(QStringLiteral("fd00::20")),
        QHostAddress(QStringLiteral("::ffff:10.0.0.5")),
    };
    const QStringList Reachable = ReachableAddresses(All);
    EXPECT_EQ(Reachable, (QStringList{QStringLiteral("192.168.1.20"), QStringLiteral("10.0.0.5"),
                                      QStringLiteral("2001:db8:1::5"), QStringLiteral("fd00::20")}));
    EXPECT_EQ(AddressWithPort(Reachable[2], 47251), QStringLiteral("[2001:db8:1::5]:47251"));
    EXPECT_EQ(AddressWithPort(Reachable[0], 47251), QStringLiteral("192.168.1.20:47251"));
}

class PortMappingTest : public ::testing::Test {
protected:
    std::shared_ptr<TFakeRouter> Router = std::make_shared<TFakeRouter>();
    std::unique_ptr<TPortMapping> Mapping = std::make_unique<TPortMapping>(std::make_unique<TFakePortMapper>(Router));
    std::vector<TPortMapResult> Reports;
    std::vector<QThread*> Threads;

    void SetUp() override
    {
        QObject::connect(Mapping.get(), &TPortMapping::Reported, [this](const TPortMapResult& R) {
            Reports.push_back(R);
            Threads.push_back(QThread::currentThread());
        });
    }
    void TearDown() override
    {
        // Whatever a test held, the worker may end now.
        Router->Let(Router->HoldMap);
        Router->Let(Router->HoldUnmap);
        Mapping.reset();
        Router->WaitUntil(Router->Removed, Router->Read(Router->Unmaps));
    }
};

struct TReportCase {
    const char* Name;
    TPortMapAnswer Answer;
    const char* Line;
    bool Kept; // the forwarding stays until released
};

const TReportCase ReportCases[] = {
    {"mapped", Mapped("203.0.113.7", 47300), "From the internet: 203.0.113.7:47300", true},
    {"refused", Refused("Action not authorized (606)"), "The router refused to open the port: Action not authorized (606)", false},
    {"none answered", NoRouter(), "No router answered: only players on this network can join.", false},
    {"hostile port", Mapped("203.0.113.7", 99999), "The router refused to open the port: its answer was not a port", false},
};

class PortMappingReportTest : public PortMappingTest, public ::testing::WithParamInterface<TReportCase> {};

TEST_P(PortMappingReportTest, ReportsOnTheGuiThreadAndKeepsOnlyAUsableForwarding)
{
    Router->Answer = GetParam().Answer;
    EXPECT_EQ(Mapping->Text(47300), QStringLiteral("Asking the router to open port 47300 ..."));
    Mapping->Start(47300);
    ASSERT_TRUE(WaitFor([&] { return !Reports.empty(); }));
    EXPECT_EQ(Threads.front(), QCoreApplication::instance()->thread());
    EXPECT_EQ(Mapping->Text(47300), QString::fromUtf8(GetParam().Line));
    if (GetParam().Kept) {
        // Kept while hosted; removed once released, without waiting for it.
        EXPECT_EQ(Router->Read(Router->Unmaps), 0);
        Mapping->Release();
        EXPECT_TRUE(Router->WaitUntil(Router->Removed, 1));
    } else {
        // What cannot be used is not kept: removed at once (a hostile
        // router may have forwarded the port all the same).
        EXPECT_TRUE(Router->WaitUntil(Router->Removed, 1));
    }
    EXPECT_EQ(Reports.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Reports, PortMappingReportTest, ::testing::ValuesIn(ReportCases),
                         [](const ::testing::TestParamInfo<TReportCase>& Info) {
                             std::string N;
                             for (const char C : std::string(Info.param.Name))
                                 N += std::isalnum(static_cast<unsigned char>(C)) ? C : '_';
                             return N;
                         });

// The host cancels while the router is still being asked: the caller goes
// on at once, the late answer is not shown, and what it made is removed.
TEST_F(PortMappingTest, ReleasedWhileAskingRemovesWhatTheLateAnswerMade)
{
    Router->Answer = Mapped("203.0.113.7", 47251);
    Router->HoldMap = true;
    Mapping->Start(47251);
    ASSERT_TRUE(Router->WaitUntil(Router->Maps, 1));
    Mapping->Release();
    Router->Let(Router->HoldMap);
    EXPECT_TRUE(Router->WaitUntil(Router->Removed, 1));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Reports.empty());
    EXPECT_FALSE(Mapping->Result().has_value());
}

// The program's close: the object goes while the forwarding is kept, and
// its destructor removes it.
TEST_F(PortMappingTest, TheCloseRemovesTheForwarding)
{
    Router->Answer = Mapped("203.0.113.7", 47251);
    Mapping->Start(47251);
    ASSERT_TRUE(WaitFor([&] { return !Reports.empty(); }));
    Mapping.reset();
    EXPECT_EQ(Router->Read(Router->Removed), 1);
}

// Terminating: the removal is waited for when the router answers, and given
// up on after the time allowed when it does not; the object then goes
// without waiting again, and the worker ends by itself once let go.
TEST_F(PortMappingTest, TerminatingWaitsForTheRemovalOnlyAsLongAsAllowed)
{
    Router->Answer = Mapped("203.0.113.7", 47251);
    Mapping->Start(47251);
    ASSERT_TRUE(WaitFor([&] { return !Reports.empty(); }));
    Router->HoldUnmap = true;
    EXPECT_FALSE(Mapping->ReleaseWithin(std::chrono::milliseconds(50)));
    EXPECT_EQ(Router->Read(Router->Unmaps), 1);
    EXPECT_EQ(Router->Read(Router->Removed), 0);
    Router->Let(Router->HoldUnmap);
    EXPECT_TRUE(Mapping->ReleaseWithin(std::chrono::seconds(10)));
    EXPECT_EQ(Router->Read(Router->Removed), 1);
}

// A forwarding with a lease is asked for again before the lease runs out,
// for as long as it is kept.
TEST_F(PortMappingTest, ALeaseIsRenewedWhileKept)
{
    Router->Answer = Mapped("203.0.113.7", 47251, 1);
    Mapping->Start(47251);
    EXPECT_TRUE(Router->WaitUntil(Router->Maps, 2));
    EXPECT_EQ(Router->Read(Router->Unmaps), 0);
    Mapping->Release();
    EXPECT_TRUE(Router->WaitUntil(Router->Removed, 1));
}

} // namespace
