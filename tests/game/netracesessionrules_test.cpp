// The rules of one side of a race, over a line in memory instead of
// sockets, from tables the host lays out card by card: which of the host's
// events a guest's table takes, every message that has no place where it
// arrives ending the race on that side with its message (and on the other
// with a goodbye), and a stalemate round that brings both seats to their
// target at once being a tie on both sides.
#include "cardlib/lutypes.h"
#include "game/netrace/netracesession.h"
#include "tests/game/fakeracetransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <utility>

namespace {

using namespace network;
using fakerace::TFakeRaceTransport;
using Kind = TRaceEvent::TKind;

// Card IDs: clubs 2..14 (value = ID), diamonds +13.
constexpr std::uint8_t C(int Value) { return static_cast<std::uint8_t>(Value); }
constexpr std::uint8_t D(int Value) { return static_cast<std::uint8_t>(Value + 13); }

// A window that answers from the event loop, as the real one does, and
// records what it was shown.
class TRecordingView final : public TNetRaceView {
public:
    TNetRaceSession* Session = nullptr;
    bool AnswerReady = true; // presses OK in each start box
    int DealsWanted = 0;     // says Yes to "again" until this many deals were played
    bool AnswerAgain = true; // answers "again" at all
    int Deals = 0;
    std::vector<TRaceEvent> Events;
    std::vector<TRaceSnapshot> Afters;
    std::vector<std::pair<QString, TRaceEnd>> Ends;
    std::vector<bool> Running;
    QStringList Ended;

    void ShowTable(const TRaceSnapshot&, int) override { ++Deals; }
    void ShowEvent(const TRaceEvent& Event, const TRaceSnapshot& After, int) override
    {
        Events.push_back(Event);
        Afters.push_back(After);
    }
    void ShowRefused(const TPlayRequest&) override {}
    void AskReady() override
    {
        if (AnswerReady)
            QTimer::singleShot(0, Session, [this] { Session->Ready(); });
    }
    void ShowRunning(bool On) override { Running.push_back(On); }
    void ShowEnd(const QString& Winner, TRaceEnd End) override
    {
        Ends.emplace_back(Winner, End);
        if (AnswerAgain) {
            const bool Yes = Deals < DealsWanted;
            QTimer::singleShot(0, Session, [this, Yes] { Session->Again(Yes); });
        }
    }
    void ShowEnded(const QString& Why) override { Ended << Why; }
};

using TPiles = std::array<std::vector<std::uint8_t>, core::SeatCount>;
using THands = std::array<std::array<std::uint8_t, core::SlotCount>, core::SeatCount>;
using TTops = std::array<std::uint8_t, core::CentrePiles>;

TNetRaceSession::TDealer LaidOut(const TPiles& Piles, const THands& Hands, const TTops& Tops)
{
    return [Piles, Hands, Tops](core::TTwoSeatRace& Race) { Race.Layout(1, Piles, Hands, Tops); };
}

// The host one card from its win (its 8 onto the 7); the guest with two
// cards in its pile, its 6 fitting the 7 and two cards that fit nothing.
const TPiles BasePiles{{{}, {C(3), C(4)}}};
const THands BaseHands{{{C(8), 0, 0, 0}, {C(6), 0, C(12), C(13)}}};
const TTops BaseTops{C(7), D(10)};

TRaceSnapshot BaseTable()
{
    core::TTwoSeatRace Race;
    Race.Layout(1, BasePiles, BaseHands, BaseTops);
    return Race.Snapshot();
}

enum class TStage {
    StartBox, // dealt, neither pressed OK
    Running,  // both pressed OK
    Question, // the host won; "again?" is open on both sides
};

class NetRaceSessionRulesTest : public ::testing::Test {
protected:
    TRecordingView HostView, GuestView;
    std::unique_ptr<TNetRaceSession> Host, Guest;
    QPointer<TFakeRaceTransport> HostEnd, GuestEnd;

    void Connect(const TNetRaceSession::TDealer& Dealer, int DelayMs = 0)
    {
        const auto [H, G] = TFakeRaceTransport::Line(QStringLiteral("Ann"), QStringLiteral("Bo"), DelayMs);
        HostEnd = H;
        GuestEnd = G;
        Host = std::make_unique<TNetRaceSession>(H, HostView, Dealer);
        // A guest never deals: a dealer that would be seen at once.
        Guest = std::make_unique<TNetRaceSession>(G, GuestView, [](core::TTwoSeatRace&) { FAIL() << "a guest dealt"; });
        HostView.Session = Host.get();
        GuestView.Session = Guest.get();
    }

    // Until nothing is on its way either way and the views' answers have
    // run; bounded, never a hang.
    bool Settle()
    {
        QElapsedTimer Timer;
        Timer.start();
        int QuietPasses = 0;
        while (QuietPasses < 3 && Timer.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            const bool Quiet = (!HostEnd || HostEnd->Quiet()) && (!GuestEnd || GuestEnd->Quiet());
            QuietPasses = Quiet ? QuietPasses + 1 : 0;
        }
        return QuietPasses >= 3;
    }

    void Reach(TStage Stage)
    {
        Connect(LaidOut(BasePiles, BaseHands, BaseTops));
        HostView.AnswerAgain = GuestView.AnswerAgain = false;
        if (Stage == TStage::StartBox)
            HostView.AnswerReady = GuestView.AnswerReady = false;
        Host->Begin();
        ASSERT_TRUE(Settle());
        ASSERT_EQ(GuestView.Deals, 1);
        ASSERT_EQ(Guest->Table(), BaseTable());
        ASSERT_EQ(Guest->Running(), Stage != TStage::StartBox);
        ASSERT_EQ(Host->Running(), Stage != TStage::StartBox);
        if (Stage == TStage::Question) {
            Host->Play(0, 0);
            ASSERT_TRUE(Settle());
            ASSERT_EQ(GuestView.Ends.size(), 1u);
            ASSERT_EQ(GuestView.Ends[0], std::pair(QStringLiteral("Ann"), TRaceEnd::Lost));
            ASSERT_EQ(HostView.Ends[0], std::pair(QStringLiteral("You"), TRaceEnd::Won));
        }
        ASSERT_TRUE(HostView.Ended.isEmpty());
        ASSERT_TRUE(GuestView.Ended.isEmpty());
    }
};

// Each event that does not fit the guest's table leaves it as it was, and
// over the line ends the race: the guest's table is the host's only while
// it takes every event and nothing else. The events that fit are taken, so
// the refusals are not a guest refusing everything.
TEST_F(NetRaceSessionRulesTest, AGuestTakesOnlyTheEventsThatFitItsTable)
{
    struct Case {
        const char* What;
        TRaceEvent Event;
        bool Fits;
    };
    const Case Cases[] = {
        {"the guest's 6 onto the 7", {Kind::Played, 1, 0, 0, C(6)}, true},
        {"the guest's pile top into its empty slot", {Kind::Refilled, 1, 1, 0, C(5)}, true},
        {"a stalemate turn of the guest's pile top", {Kind::Turned, 1, -1, 1, C(5)}, true},
        {"a stalemate turn of the guest's hand card", {Kind::Turned, 1, 0, 1, C(6)}, true},

        {"a play of a third seat", {Kind::Played, 2, 0, 0, C(6)}, false},
        {"a play from a fifth slot", {Kind::Played, 1, 4, 0, C(6)}, false},
        {"a play onto a third centre pile", {Kind::Played, 1, 0, 2, C(6)}, false},
        {"a play from no slot", {Kind::Played, 1, -1, 0, C(6)}, false},
        {"a play of a card the slot does not hold", {Kind::Played, 1, 0, 0, C(5)}, false},
        {"a play from an empty slot", {Kind::Played, 1, 1, 0, C(6)}, false},
        {"a play of no card from an empty slot", {Kind::Played, 1, 1, 0, core::NoCard}, false},
        {"a refill into no slot", {Kind::Refilled, 1, -1, 0, C(5)}, false},
        {"a refill into a slot that holds a card", {Kind::Refilled, 1, 0, 0, C(5)}, false},
        {"a refill from an empty pile", {Kind::Refilled, 0, 1, 0, C(5)}, false},
        {"a refill of no card", {Kind::Refilled, 1, 1, 0, core::NoCard}, false},
        {"a turn from an empty pile", {Kind::Turned, 0, -1, 0, C(5)}, false},
        {"a turn of a hand card the slot does not hold", {Kind::Turned, 1, 0, 1, C(5)}, false},
        {"a turn from an empty slot", {Kind::Turned, 1, 1, 1, C(5)}, false},
        {"a turn of no card from the pile", {Kind::Turned, 1, -1, 1, core::NoCard}, false},
        {"a turn of a seat past the two", {Kind::Turned, 2, -1, 1, C(5)}, false},
        {"a win of the host one card short", {Kind::Won, 0, -1, 0, core::NoCard}, false},
        {"a win of the guest five cards short", {Kind::Won, 1, -1, 0, core::NoCard}, false},
        {"a kind of event no host sends", {static_cast<Kind>(0), 1, 0, 0, C(6)}, false},
        {"another kind of event no host sends", {static_cast<Kind>(5), 1, 0, 0, C(6)}, false},
    };
    for (const Case& Case : Cases) {
        SCOPED_TRACE(Case.What);
        TRaceSnapshot Table = BaseTable();
        EXPECT_EQ(core::ApplyEvent(Table, Case.Event), Case.Fits);
        if (Case.Fits)
            EXPECT_NE(Table, BaseTable());
        else
            EXPECT_EQ(Table, BaseTable()) << "a refused event changed the table";

        HostView = TRecordingView{};
        GuestView = TRecordingView{};
        Reach(TStage::Running);
        if (HasFatalFailure())
            return;
        HostEnd->Send(TEventMessage{Case.Event}); // past the host's session
        ASSERT_TRUE(Settle());
        if (Case.Fits) {
            ASSERT_EQ(GuestView.Events.size(), 1u);
            EXPECT_EQ(GuestView.Afters.back(), Table);
            EXPECT_EQ(Guest->Table(), Table);
            EXPECT_TRUE(GuestView.Ended.isEmpty());
            EXPECT_TRUE(Guest->Running());
        } else {
            EXPECT_TRUE(GuestView.Events.empty());
            EXPECT_EQ(Guest->Table(), BaseTable());
            EXPECT_EQ(GuestView.Ended,
                      QStringList{QStringLiteral("Ann sent a move that does not fit the table; the race has ended.")});
            EXPECT_TRUE(GuestEnd->Closed());
            EXPECT_EQ(HostView.Ended, QStringList{QStringLiteral("Bo left the race.")});
            EXPECT_TRUE(Host->Ended());
        }
        Host.reset();
        Guest.reset();
    }
}

// A message that has no place where and when it arrives ends the race on
// the side it reached, which says why and says goodbye; the other side
// hears that its peer left. Nothing the message says reaches the table or
// the window, and the side that ended sends nothing more.
TEST_F(NetRaceSessionRulesTest, AMessageOutOfPlaceEndsTheRaceOnTheSideItReached)
{
    const TMessage FittingMove = TEventMessage{TRaceEvent{Kind::Played, 1, 0, 0, C(6)}};
    const QString ToGuest = QStringLiteral("Ann sent %1; the race has ended.");
    const QString ToHost = QStringLiteral("Bo sent %1; the race has ended.");
    struct Case {
        const char* What;
        TStage Stage;
        bool FromHost;
        TMessage Message;
        QString Expected;
    };
    const Case Cases[] = {
        {"a deal in the middle of a race", TStage::Running, true, TDealt{BaseTable()},
         ToGuest.arg(QStringLiteral("a deal in the middle of a race"))},
        {"a deal before the guest said yes to another", TStage::Question, true, TDealt{BaseTable()},
         ToGuest.arg(QStringLiteral("a deal in the middle of a race"))},
        {"a move before both pressed OK", TStage::StartBox, true, FittingMove,
         ToGuest.arg(QStringLiteral("a move outside a race"))},
        {"a move after the deal was won", TStage::Question, true, FittingMove,
         ToGuest.arg(QStringLiteral("a move outside a race"))},
        {"a win announced twice", TStage::Question, true, TEventMessage{TRaceEvent{Kind::Won, 0, -1, 0, core::NoCard}},
         ToGuest.arg(QStringLiteral("a move that does not fit the table"))},
        {"a request sent to a guest", TStage::Running, true, TPlayRequest{0, 0, C(6)},
         ToGuest.arg(QStringLiteral("a message only a guest sends"))},
        {"a refusal sent to a host", TStage::Running, false, TRefused{TPlayRequest{0, 0, C(8)}},
         ToHost.arg(QStringLiteral("a message only a host sends"))},
        {"a refusal sent to a host in the start box", TStage::StartBox, false, TRefused{TPlayRequest{0, 0, C(8)}},
         ToHost.arg(QStringLiteral("a message only a host sends"))},
        {"a deal sent to a host", TStage::Running, false, TDealt{BaseTable()},
         ToHost.arg(QStringLiteral("a message only a host sends"))},
        {"an event sent to a host", TStage::Running, false, FittingMove,
         ToHost.arg(QStringLiteral("a message only a host sends"))},
        {"an event sent to a host after the deal was won", TStage::Question, false, FittingMove,
         ToHost.arg(QStringLiteral("a message only a host sends"))},
    };
    for (const Case& Case : Cases) {
        SCOPED_TRACE(Case.What);
        HostView = TRecordingView{};
        GuestView = TRecordingView{};
        Reach(Case.Stage);
        if (HasFatalFailure())
            return;
        TNetRaceSession& Reached = Case.FromHost ? *Guest : *Host;
        TRecordingView& ReachedView = Case.FromHost ? GuestView : HostView;
        TFakeRaceTransport& ReachedEnd = Case.FromHost ? *GuestEnd : *HostEnd;
        TNetRaceSession& Sender = Case.FromHost ? *Host : *Guest;
        TRecordingView& SenderView = Case.FromHost ? HostView : GuestView;
        const TRaceSnapshot TableBefore = Reached.Table();
        const std::size_t EventsBefore = ReachedView.Events.size();
        const int DealsBefore = ReachedView.Deals;
        const std::size_t SentBefore = ReachedEnd.Sent().size();

        (Case.FromHost ? HostEnd : GuestEnd)->Send(Case.Message); // past the sender's session
        ASSERT_TRUE(Settle());

        EXPECT_EQ(ReachedView.Ended, QStringList{Case.Expected});
        EXPECT_TRUE(Reached.Ended());
        EXPECT_FALSE(Reached.Running());
        EXPECT_TRUE(!ReachedView.Running.empty() && !ReachedView.Running.back()) << "the window still shows a race";
        EXPECT_TRUE(ReachedEnd.Closed()) << "no goodbye";
        EXPECT_EQ(ReachedEnd.Sent().size(), SentBefore) << "it answered what it refused";
        EXPECT_EQ(Reached.Table(), TableBefore);
        EXPECT_EQ(ReachedView.Events.size(), EventsBefore);
        EXPECT_EQ(ReachedView.Deals, DealsBefore);

        const QString ReachedName = Case.FromHost ? QStringLiteral("Bo") : QStringLiteral("Ann");
        EXPECT_EQ(SenderView.Ended, QStringList{ReachedName + QStringLiteral(" left the race.")});
        EXPECT_TRUE(Sender.Ended());
        Host.reset();
        Guest.reset();
    }
}

// One stalemate round brings both seats to their last card together. Both
// sides call the deal a tie once, though two wins are announced and the
// guest hears the second after its race has stopped; the next deal is dealt
// the same way, and the race ends when the host says No.
TEST_F(NetRaceSessionRulesTest, BothReachingTheTargetInOneStalemateIsATieOnBothSides)
{
    for (const int DelayMs : {0, 3}) {
        SCOPED_TRACE(DelayMs);
        HostView = TRecordingView{};
        GuestView = TRecordingView{};
        HostView.DealsWanted = 2; // No after the second deal
        GuestView.DealsWanted = 99;
        Connect(LaidOut({{{}, {}}}, {{{C(2), 0, 0, 0}, {C(2), 0, 0, 0}}}, {C(7), C(7)}), DelayMs);
        Host->Begin();
        ASSERT_TRUE(Settle());

        const std::vector<TRaceEvent> Round{
            {Kind::Turned, 0, 0, 0, C(2)},
            {Kind::Turned, 1, 0, 1, C(2)},
            {Kind::Won, 0, -1, 0, core::NoCard},
            {Kind::Won, 1, -1, 0, core::NoCard},
        };
        std::vector<TRaceEvent> TwoRounds = Round;
        TwoRounds.insert(TwoRounds.end(), Round.begin(), Round.end());
        EXPECT_EQ(HostView.Events, TwoRounds);
        EXPECT_EQ(GuestView.Events, TwoRounds);
        EXPECT_EQ(GuestView.Afters, HostView.Afters);
        const std::vector<std::pair<QString, TRaceEnd>> TwoTies{{QString(), TRaceEnd::Tied}, {QString(), TRaceEnd::Tied}};
        EXPECT_EQ(HostView.Ends, TwoTies);
        EXPECT_EQ(GuestView.Ends, TwoTies);
        EXPECT_EQ(HostView.Deals, 2);
        EXPECT_EQ(GuestView.Deals, 2);
        const TRaceSnapshot Last = Host->Table();
        EXPECT_EQ(Guest->Table(), Last);
        EXPECT_EQ(Last.Won, (std::array<bool, core::SeatCount>{true, true}));
        EXPECT_EQ(core::RaceOutcome(Last), core::TRaceOutcome::Tied);
        EXPECT_EQ(HostView.Ended, QStringList{QString()});
        EXPECT_EQ(GuestView.Ended, QStringList{QStringLiteral("Ann does not want to play again.")});
        Host.reset();
        Guest.reset();
    }
}

} // namespace
