// The board both kinds of race fly their cards on: each flight arrives once,
// in its place among the others; a cancelled one never arrives, nor does
// any of a board that is gone; cards fly only with the switch on and no box
// over the table; and a play takes the same time whichever race it is in.
#include "core/scoring.h"
#include "core/twoseatrace.h"
#include "game/netrace/netraceflights.h"
#include "game/table/flightboard.h"
#include "tests/game/flyingrace.h"

#include <QDialog>
#include <QImage>

#include <memory>
#include <string>

namespace {

using namespace gametesting;
using core::TRaceEvent;

class FlightBoard : public FlyingRace {
protected:
    using TBoard = TFlightBoard<std::string>;
    std::unique_ptr<TBoard> Board;
    // What arrived, in order, and how many flights were still on the board
    // each time (the one arriving among them).
    std::vector<std::string> Arrivals;
    std::vector<int> OnBoard;
    // Arrived runs this as well, when set.
    std::function<void(int Id)> Also;
    QImage Card{71, 96, QImage::Format_ARGB32_Premultiplied};

    void SetUp() override
    {
        FlyingRace::SetUp();
        Card.fill(Qt::white);
        NewBoard();
    }
    void TearDown() override
    {
        Board.reset();
        FlyingRace::TearDown();
    }

    void NewBoard()
    {
        Board = std::make_unique<TBoard>(State, Cards, [this](int Id) {
            OnBoard.push_back(Board->Count());
            Arrivals.push_back(Board->Find(Id)->Meaning);
            if (Also)
                Also(Id);
        });
    }
    int Launch(const std::string& What, int Ms) { return Board->Launch(What, Card, {10, 10}, {300, 200}, Ms); }
    std::vector<std::string> Meanings() const
    {
        std::vector<std::string> All;
        for (const auto& F : Board->Flights())
            All.push_back(F.Meaning);
        return All;
    }
};

TEST_F(FlightBoard, EachFlightArrivesOnceStillOnTheBoardAndIsOffItAfter)
{
    Launch("slow", 100);
    Launch("fast", 50);
    Launch("also slow", 100);
    EXPECT_EQ(Layer().ShadowOffset(), TFlightPace::ShadowOffset);
    Layer().Advance(50);
    EXPECT_EQ(Arrivals, std::vector<std::string>{"fast"});
    EXPECT_EQ(Meanings(), (std::vector<std::string>{"slow", "also slow"}));
    Layer().Advance(50);
    Layer().Advance(1000);
    EXPECT_EQ(Arrivals, (std::vector<std::string>{"fast", "slow", "also slow"}));
    EXPECT_EQ(OnBoard, (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(Board->Empty());
    EXPECT_EQ(Layer().Count(), 0);
}

// A card that waits where it arrived flies on under a new id, but stays
// the older of the two: what shows on a pile follows the flights' ages.
TEST_F(FlightBoard, AFlightSentOnAgainKeepsItsPlaceAmongTheOthers)
{
    const int First = Launch("waits", 50);
    Launch("later", 200);
    int Again = 0;
    Also = [&](int Id) {
        if (Id == First)
            Again = Board->Relaunch(Id, Card, {300, 200}, {300, 200}, 30);
    };
    Layer().Advance(50);
    ASSERT_NE(Again, 0);
    EXPECT_NE(Again, First);
    EXPECT_EQ(Meanings(), (std::vector<std::string>{"waits", "later"}));
    EXPECT_EQ(Board->Position(Again), QPoint(300, 200));
    EXPECT_EQ(Layer().Count(), 2);
    Layer().Advance(30);
    EXPECT_EQ(Arrivals, (std::vector<std::string>{"waits", "waits"}));
    EXPECT_EQ(Meanings(), std::vector<std::string>{"later"});
}

TEST_F(FlightBoard, ACancelledFlightNeverArrivesNorDoesAnyOfABoardThatIsGone)
{
    struct Case {
        const char* What;
        std::function<void(int A)> Drop;
        std::vector<std::string> Arrive;
    };
    const Case Cases[] = {
        {"one cancelled", [this](int A) { EXPECT_EQ(Board->Cancel(A), std::optional<std::string>("a")); }, {"b"}},
        {"all cancelled",
         [this](int) { EXPECT_EQ(Board->CancelAll(), (std::vector<std::string>{"a", "b"})); },
         {}},
        {"the board destroyed", [this](int) { Board.reset(); }, {}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        NewBoard();
        Arrivals.clear();
        const int A = Launch("a", 100);
        Launch("b", 100);
        Layer().Advance(50);
        C.Drop(A);
        EXPECT_EQ(Layer().Count(), static_cast<int>(C.Arrive.size())) << "nothing of a dropped flight on the layer";
        Layer().Advance(1000);
        EXPECT_EQ(Arrivals, C.Arrive);
    }
}

TEST_F(FlightBoard, CardsFlyOnlyWithTheSwitchOnAndNoBoxOverTheTable)
{
    EXPECT_TRUE(Board->Animated());
    State.AnimateCards = false;
    EXPECT_FALSE(Board->Animated());
    State.AnimateCards = true;
    QDialog Modal;
    Modal.setModal(true);
    Modal.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &Modal);
    EXPECT_FALSE(Board->Animated());
    Modal.hide();
    EXPECT_TRUE(Board->Animated());
}

// One pace for both kinds of race: a play is in the air for exactly
// PlayMs, and a played slot is full again before the computer's fastest
// next move even with a frame's delay at each landing.
TEST_F(FlightBoard, APlayTakesTheSameTimeInEitherKindOfRace)
{
    EXPECT_LT(TFlightPace::PlayMs + TFlightPace::RefillMs + 2 * 16, core::LevelInterval(0));

    ASSERT_NO_FATAL_FAILURE(ClearedDeal(Club(7), Diamond(9)));
    PutCard(Cards.Play1Card1, 0, Heart(8));
    PutCard(Cards.Play2Card1, 0, Spade(10)); // the computer can play: no stalemate
    int NetLandings = 0;
    TNetRaceFlights Net(State, Cards, [&NetLandings] { ++NetLandings; });
    core::TRaceSnapshot Before;
    Before.Slots = {{{Club(8), Heart(3), Spade(4), Spade(14)}, {Diamond(6), Club(12), Heart(9), Spade(10)}}};
    Before.PileCount = {17, 12};
    Before.CentreTop = {Club(7), Diamond(5)};

    struct Kind {
        const char* What;
        std::function<void()> Play;
        std::function<bool()> Landed;
    };
    const Kind Kinds[] = {
        {"against the computer", [this] { Key(u'1'); }, [this] { return TopID(Cards.CardTable1) == Heart(8); }},
        {"over the network",
         [&] { Net.Event({TRaceEvent::TKind::Played, 0, 0, 0, Club(8)}, Before, 1); },
         [&] { return NetLandings == 1; }},
    };
    for (const Kind& K : Kinds) {
        SCOPED_TRACE(K.What);
        K.Play();
        ASSERT_EQ(Layer().Count(), 1);
        Pass(TFlightPace::PlayMs - 1);
        EXPECT_FALSE(K.Landed());
        Pass(1);
        EXPECT_TRUE(K.Landed());
    }
}

} // namespace
