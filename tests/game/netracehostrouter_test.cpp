// Hosting from the window with a home router (a stand-in): the waiting
// window says the router is being asked, then shows the public address
// beside the local ones, or why there is none; the forwarding is removed
// however the hosting ends (cancelled, the race left, the program
// terminated).
#include "network/portmapper.h"
#include "tests/game/netracetesting.h"
#include "tests/network/fakeportmapper.h"
#include "tests/support/seams.h"

#include <QPushButton>

namespace {

using namespace netracetesting;
using namespace porttest;
using platform::MsgResult;
using testing_support::ScriptedMessageBoxes;
using testing_support::ScriptedModalDialogs;

enum class TEnd { Cancel, Leave, Terminate };

struct THostCase {
    const char* Name;
    network::TPortMapAnswer Answer;
    const char* Shown; // the line the waiting window gains
    TEnd End;
};

const THostCase HostCases[] = {
    {"mapped_then_cancelled", Mapped("203.0.113.7", 47300), "From the internet: 203.0.113.7:47300", TEnd::Cancel},
    {"mapped_then_left", Mapped("203.0.113.7", 47300), "From the internet: 203.0.113.7:47300", TEnd::Leave},
    {"mapped_then_terminated", Mapped("203.0.113.7", 47300), "From the internet: 203.0.113.7:47300", TEnd::Terminate},
    {"refused", Refused("ConflictInMappingEntry (718)"), "The router refused to open the port: ConflictInMappingEntry (718)", TEnd::Cancel},
    {"none_answered", {}, "No router answered: only players on this network can join.", TEnd::Cancel},
    {"not_an_address", Mapped("<a href=x>here</a>", 47300), "The router refused to open the port: its answer was not an address", TEnd::Cancel},
};

void PrintTo(const THostCase& C, std::ostream* Out)
{
    *Out << C.Name;
}

class NetRaceHostRouterTest : public ::testing::TestWithParam<THostCase> {
protected:
    std::shared_ptr<TFakeRouter> Router = std::make_shared<TFakeRouter>();
    network::TPortMapperFactory Previous;
    ScriptedMessageBoxes Boxes;
    ScriptedModalDialogs Modals;

    void SetUp() override
    {
        Boxes.SetFallback(MsgResult::Ok);
        Previous = network::SetPortMapperFactory([this] { return std::make_unique<TFakePortMapper>(Router); });
    }
    void TearDown() override { network::SetPortMapperFactory(std::move(Previous)); }
};

TEST_P(NetRaceHostRouterTest, TheWaitingWindowShowsTheRoutersAnswerAndTheForwardingGoesWithTheHosting)
{
    const THostCase& C = GetParam();
    Router->Answer = C.Answer;
    Router->HoldMap = true; // the router takes its time
    TPlayer Ann(false), Bo(false);
    const quint16 Port = FreePort();
    ASSERT_NE(Port, 0);
    QString Asking, Answered;
    Modals.Then(ScriptedModalDialogs::For<TRaceWaitForm>([&](TRaceWaitForm& Wait) {
        Asking = Wait.Text->text();
        Router->Let(Router->HoldMap);
        WaitFor([&] { return Wait.Text->text() != Asking; });
        Answered = Wait.Text->text();
        if (C.End == TEnd::Cancel) {
            Wait.CancelBtn->click();
            return Wait.result();
        }
        Bo.Form->JoinRace(QStringLiteral("Bo"), QStringLiteral("127.0.0.1:%1").arg(Port));
        WaitFor([&] { return Wait.result() != 0; });
        return Wait.result();
    }));
    if (C.End != TEnd::Cancel)
        Modals.Then(ScriptedModalDialogs::For<TRaceWaitForm>([](TRaceWaitForm& Wait) {
            WaitFor([&] { return Wait.result() != 0; });
            return Wait.result();
        }));
    Ann.Form->HostRace(QStringLiteral("Ann"), Port, QStringLiteral("Bo"));

    // The local addresses first, with the port, and kept; the router's
    // line last (broken between words where it is long).
    const QStringList Before = Asking.split(u'\n');
    ASSERT_GE(Before.size(), 3) << Asking.toStdString();
    EXPECT_TRUE(Before[1].endsWith(QStringLiteral(":%1").arg(Port))) << Asking.toStdString();
    EXPECT_TRUE(Asking.simplified().endsWith(QStringLiteral("Asking the router to open port %1 ...").arg(Port)))
        << Asking.toStdString();
    EXPECT_TRUE(Answered.startsWith(Before[0] + u'\n' + Before[1] + u'\n')) << Answered.toStdString();
    EXPECT_TRUE(Answered.simplified().endsWith(QString::fromUtf8(C.Shown))) << Answered.toStdString();

    const bool Kept = C.Answer.Kind == network::TPortMapAnswer::TKind::Mapped && C.End != TEnd::Cancel
        && QString::fromUtf8(C.Shown).startsWith(QStringLiteral("From"));
    if (Kept) {
        ASSERT_TRUE(Ann.Racing());
        // Kept while the race is on.
        EXPECT_EQ(Router->Read(Router->Unmaps), 0);
        if (C.End == TEnd::Leave) {
            Ann.Form->NetRace->Leave();
        } else {
            // The program ends right after Terminate: the removal is done
            // by the time it returns.
            Ann.Form->Terminate();
            EXPECT_EQ(Router->Read(Router->Removed), 1);
        }
    }
    EXPECT_TRUE(Router->WaitUntil(Router->Removed, 1));
    EXPECT_EQ(Router->Read(Router->Maps), 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, NetRaceHostRouterTest, ::testing::ValuesIn(HostCases),
                         [](const ::testing::TestParamInfo<THostCase>& Info) { return std::string(Info.param.Name); });

} // namespace
