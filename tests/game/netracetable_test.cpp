// A race between two machines on the game's table: the command line that
// starts one, each player's view of the centre piles (mirrored for the
// guest), which pile a key plays onto, and the table laid out from a seat.
#include "cardlib/lucard.h"
#include "game/commandline.h"
#include "game/netrace/netracetable.h"
#include "tests/game/gametesting.h"

namespace {

using namespace gametesting;
using core::TRaceSnapshot;

TEST(RaceCommandLine, Options)
{
    const struct {
        QStringList args;
        bool host;
        quint16 port;
        const char* join;
        const char* name;
        bool error;
    } cases[] = {
        {{}, false, 0, "", "", false},
        {{"--host"}, true, 0, "", "", false},
        {{"--host", "5000"}, true, 5000, "", "", false},
        {{"--host", "--name", "Ann"}, true, 0, "", "Ann", false},
        {{"--join", "10.0.0.2:5000", "--name", "Bo"}, false, 0, "10.0.0.2:5000", "Bo", false},
        {{"-platform", "offscreen", "--join", "box"}, false, 0, "box", "", false},
        {{"--host", "0"}, true, 0, "", "", true},
        {{"--host", "65536"}, true, 0, "", "", true},
        {{"--host", "port"}, true, 0, "", "", true},
        {{"--join"}, false, 0, "", "", true},
        {{"--name"}, false, 0, "", "", true},
        {{"--host", "--join", "box"}, true, 0, "box", "", true},
    };
    for (const auto& c : cases) {
        const TCommandLine L = TCommandLine::Parse(c.args);
        const std::string What = c.args.join(u' ').toStdString();
        EXPECT_EQ(!L.Error.isEmpty(), c.error) << What;
        if (c.error)
            continue;
        EXPECT_EQ(L.Host, c.host) << What;
        EXPECT_EQ(L.Port, c.port) << What;
        EXPECT_EQ(L.Join, QString::fromLatin1(c.join)) << What;
        EXPECT_EQ(L.Name, QString::fromLatin1(c.name)) << What;
    }
}

TRaceSnapshot Table()
{
    TRaceSnapshot S;
    S.Decks = 1;
    S.Target = 25;
    S.Slots = {{{Club(8), Heart(3), 0, Spade(14)}, {Diamond(5), Club(12), Heart(9), Spade(10)}}};
    S.PileCount = {17, 3};
    S.CentreTop = {Club(7), Diamond(2)};
    S.CentreSize = {5, 6};
    S.Played = {4, 18};
    return S;
}

TEST(RaceTable, EachPlayerSeesThePilesAsAcrossATable)
{
    EXPECT_EQ(netracetable::ScreenCentre(0, 0), 0);
    EXPECT_EQ(netracetable::ScreenCentre(0, 1), 1);
    EXPECT_EQ(netracetable::ScreenCentre(1, 0), 1);
    EXPECT_EQ(netracetable::ScreenCentre(1, 1), 0);
    const TRaceSnapshot S = Table();
    const struct {
        int seat, slot;
        std::optional<int> centre;
    } cases[] = {
        {0, 0, 0},            // the 8 onto the 7, the host's left pile
        {0, 1, 1},            // the 3 onto the 2
        {0, 2, std::nullopt}, // an empty slot
        {0, 3, 1},            // the ace onto the 2
        {1, 0, std::nullopt}, // the 5 fits neither
        {1, 2, std::nullopt},
        {1, 3, std::nullopt},
        {0, 4, std::nullopt},
        {2, 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(netracetable::CentreFor(S, c.seat, c.slot), c.centre) << c.seat << ' ' << c.slot;
    // A card that fits both piles goes onto the player's own left one: for
    // the guest that is centre 1.
    TRaceSnapshot Both = S;
    Both.CentreTop = {Club(9), Diamond(9)};
    Both.Slots[1][0] = Heart(8);
    EXPECT_EQ(netracetable::CentreFor(Both, 1, 0), 1);
    Both.Slots[0][0] = Heart(8);
    EXPECT_EQ(netracetable::CentreFor(Both, 0, 0), 0);
    EXPECT_TRUE(netracetable::SeatCanPlay(S, 0));
    EXPECT_FALSE(netracetable::SeatCanPlay(S, 1));
}

TEST(RaceTable, WhileCardsFlyTheTableShowsWhatTheyLeftAndNotYetWhereTheyGo)
{
    using netracetable::TCardInFlight;
    using TInto = TCardInFlight::TInto;
    const TRaceSnapshot S = Table();
    const struct {
        const char* what;
        std::vector<TCardInFlight> flights;
        std::array<std::uint8_t, 2> centres;
        std::array<std::uint8_t, 4> hostSlots;
    } cases[] = {
        {"nothing in the air", {}, {Club(7), Diamond(2)}, {Club(8), Heart(3), 0, Spade(14)}},
        // A played card: the pile shows the card it will land on.
        {"a play", {{TInto::Centre, 0, 0, 0, Club(6)}}, {Club(6), Diamond(2)}, {Club(8), Heart(3), 0, Spade(14)}},
        // Two onto one pile: the oldest decides, the later lands on it.
        {"two plays onto one pile",
         {{TInto::Centre, 1, 2, 1, Spade(3)}, {TInto::Centre, 0, 3, 1, Diamond(3)}},
         {Club(7), Spade(3)},
         {Club(8), Heart(3), 0, Spade(14)}},
        // A refill: the slot stays empty until it lands.
        {"a refill", {{TInto::Slot, 0, 1, 0, 0}}, {Club(7), Diamond(2)}, {Club(8), 0, 0, Spade(14)}},
        // The player's card out for the host's answer: its slot empty, the
        // piles as the host has them.
        {"a request", {{TInto::Answer, 0, 3, 1, 0}}, {Club(7), Diamond(2)}, {Club(8), Heart(3), 0, 0}},
        {"a flight of the other seat", {{TInto::Slot, 1, 1, 0, 0}}, {Club(7), Diamond(2)}, {Club(8), Heart(3), 0, Spade(14)}},
    };
    for (const auto& c : cases) {
        const TRaceSnapshot Shown = netracetable::PresentedTable(S, c.flights);
        EXPECT_EQ(Shown.CentreTop, c.centres) << c.what;
        EXPECT_EQ(Shown.Slots[0], c.hostSlots) << c.what;
        // Counts and the other things the screen shows are the host's.
        EXPECT_EQ(Shown.PileCount, S.PileCount) << c.what;
        EXPECT_EQ(Shown.Played, S.Played) << c.what;
    }
}

class RaceTableLayout : public GameTest {};

TEST_F(RaceTableLayout, TheGuestSeesItsOwnRowBelowAndThePilesMirrored)
{
    TMainForm& F = Open();
    const TRaceSnapshot S = Table();
    netracetable::Lay(F, S, 1);
    EXPECT_EQ(SlotID(F.Play1Card1), Diamond(5)); // the guest's own hand below
    EXPECT_EQ(SlotID(F.Play1Card4), Spade(10));
    EXPECT_EQ(SlotID(F.Play2Card1), Club(8));    // the host's above
    EXPECT_EQ(SlotID(F.Play2Card3), -1);
    EXPECT_EQ(CardIDs(F.Play1Pile).size(), 3u);
    EXPECT_EQ(CardIDs(F.Play2Pile).size(), 17u);
    EXPECT_EQ(TopID(F.CardTable1), Diamond(2)); // centre 1 on the guest's left
    EXPECT_EQ(TopID(F.CardTable2), Club(7));
    netracetable::Lay(F, S, 0);
    EXPECT_EQ(SlotID(F.Play1Card1), Club(8));
    EXPECT_EQ(CardIDs(F.Play1Pile).size(), 17u);
    EXPECT_EQ(TopID(F.CardTable1), Club(7));
    EXPECT_EQ(TopID(F.CardTable2), Diamond(2));
}

} // namespace
