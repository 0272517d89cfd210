// The race between two people as the host decides it: the deal, each play
// in the order it arrives with the refusals, refills, stalemates and the
// end, and thousands of races of two scripted players over a link with
// delays, checking after every event that the guest's table is the host's
// and that every card is in exactly one place.
#include "core/scoring.h"
#include "core/twoseatrace.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <optional>
#include <random>

namespace {

using namespace core;
using Kind = TRaceEvent::TKind;
using Refusal = TTwoSeatRace::TRefusal;

// Card IDs: clubs 2..14 (value = ID), diamonds +13, spades +26, hearts +39.
constexpr std::uint8_t C(int Value) { return static_cast<std::uint8_t>(Value); }
constexpr std::uint8_t D(int Value) { return static_cast<std::uint8_t>(Value + 13); }
constexpr std::uint8_t H(int Value) { return static_cast<std::uint8_t>(Value + 39); }

std::function<int(int)> Seeded(unsigned Seed)
{
    auto Engine = std::make_shared<std::mt19937>(Seed);
    return [Engine](int N) { return static_cast<int>((*Engine)() % static_cast<unsigned>(N)); };
}

// Every card of a seat is in its pile, its hand or counted as played, and
// on a dealt table the centre piles hold the two first cards and every
// played one (a table laid out by a test counts the cards it left out as
// played without putting them anywhere).
void ExpectEveryCardOnce(const TTwoSeatRace& Race, bool Dealt = true)
{
    const TRaceSnapshot S = Race.Snapshot();
    for (int Seat = 0; Seat < 2; ++Seat)
        EXPECT_EQ(Race.CardsLeft(Seat) + S.Played[Seat], S.Target) << "seat " << Seat;
    if (Dealt) {
        EXPECT_EQ(S.CentreSize[0] + S.CentreSize[1], 2 + S.Played[0] + S.Played[1]);
    }
}

TEST(TwoSeatRace, TheDealGivesEachSeatItsOwnDeck)
{
    for (const int Decks : {1, 2}) {
        TTwoSeatRace Race;
        Race.Deal(Decks, Seeded(7));
        const TRaceSnapshot S = Race.Snapshot();
        const int Target = Decks == 1 ? 25 : 51;
        EXPECT_EQ(S.Target, Target);
        for (int Seat = 0; Seat < 2; ++Seat) {
            EXPECT_EQ(S.PileCount[Seat], Target - 4);
            for (const std::uint8_t Card : S.Slots[Seat])
                EXPECT_TRUE(Card >= 2 && Card <= 53);
            EXPECT_EQ(S.CentreSize[Seat], 1);
            EXPECT_EQ(S.Played[Seat], 0);
        }
        EXPECT_FALSE(Race.Running());
        // The same numbers deal the same table.
        TTwoSeatRace Again;
        Again.Deal(Decks, Seeded(7));
        EXPECT_EQ(Again.Snapshot(), S);
    }
}

TEST(TwoSeatRace, PlaysInTheOrderTheyArrive)
{
    TTwoSeatRace Race;
    // Both hands hold a card that fits the 7 on centre 0; the host's request
    // arrives first, so the guest's no longer fits the pile it saw.
    Race.Layout(1, {{{C(2), C(3)}, {D(2)}}}, {{{D(8), 0, 0, 0}, {H(8), 0, 0, 0}}}, {C(7), C(13)});
    std::vector<TRaceEvent> Events;
    EXPECT_EQ(Race.Play(0, 0, 0, D(8), Events), Refusal::NoDeal) << "not before both pressed OK";
    Race.Start();
    const struct {
        const char* what;
        int seat, slot, centre, card;
        Refusal result;
    } cases[] = {
        {"an empty slot", 0, 1, 0, D(8), Refusal::EmptySlot},
        {"a card the slot no longer holds", 0, 0, 0, C(8), Refusal::Changed},
        {"a card that does not fit", 0, 0, 1, D(8), Refusal::NoFit},
        {"the host's eight onto the seven", 0, 0, 0, D(8), Refusal::None},
        {"the guest's eight onto that eight", 1, 0, 0, H(8), Refusal::NoFit},
        {"a slot out of range", 1, 4, 0, H(8), Refusal::EmptySlot},
        {"a pile out of range", 1, 0, 2, H(8), Refusal::EmptySlot},
        {"a seat out of range", 2, 0, 0, H(8), Refusal::EmptySlot},
    };
    for (const auto& c : cases) {
        Events.clear();
        EXPECT_EQ(Race.Play(c.seat, c.slot, c.centre, c.card, Events), c.result) << c.what;
        EXPECT_EQ(Events.empty(), c.result != Refusal::None) << c.what;
    }
}

TEST(TwoSeatRace, APlayIsFollowedByItsRefillThenAnyStalemateThenTheWin)
{
    TTwoSeatRace Race;
    // The host plays its last hand card but one: the 8 onto the 7. Its pile
    // is empty, so nothing refills; then neither can play (the 9 of clubs on
    // no pile's rank +-1, the guest's kings neither), and the stalemate
    // turns the guest's pile top onto centre 1 and the host's last hand card
    // onto centre 0, which is the host's 25th card: the host wins.
    Race.Layout(1, {{{}, {C(5)}}}, {{{D(8), C(11), 0, 0}, {C(13), D(13), 0, 0}}}, {C(7), H(3)});
    Race.Start();
    std::vector<TRaceEvent> Events;
    ASSERT_EQ(Race.Play(0, 0, 0, D(8), Events), Refusal::None);
    const std::vector<TRaceEvent> Expected{
        {Kind::Played, 0, 0, 0, D(8)},
        {Kind::Turned, 0, 1, 0, C(11)},
        {Kind::Turned, 1, -1, 1, C(5)},
        {Kind::Won, 0, -1, 0, 0},
    };
    EXPECT_EQ(Events, Expected);
    EXPECT_FALSE(Race.Running());
    ExpectEveryCardOnce(Race, false);
    Events.clear();
    EXPECT_EQ(Race.Play(1, 0, 1, C(13), Events), Refusal::NoDeal) << "nothing after the end";
}

TEST(TwoSeatRace, ADealThatOpensStuckStartsWithItsStalemate)
{
    TTwoSeatRace Race;
    Race.Layout(1, {{{C(5), C(9)}, {C(6)}}}, {{{C(2), C(2), C(2), C(2)}, {C(12), 0, 0, 0}}}, {C(7), C(7)});
    const std::vector<TRaceEvent> Events = Race.Start();
    ASSERT_GE(Events.size(), 2u);
    EXPECT_EQ(Events[0], (TRaceEvent{Kind::Turned, 0, -1, 0, C(9)}));
    EXPECT_EQ(Events[1], (TRaceEvent{Kind::Turned, 1, -1, 1, C(6)}));
    EXPECT_TRUE(Race.CanPlay(0) || Race.CanPlay(1) || !Race.Running());
    ExpectEveryCardOnce(Race, false);
}

// One stalemate round brings both seats to their last card at once: the
// deal is a tie from the first win announced, on a table that has seen only
// that one, and the second win changes nothing. A win needs the target.
TEST(TwoSeatRace, BothReachingTheTargetInOneStalemateIsATieOnEveryTable)
{
    TTwoSeatRace Race;
    Race.Layout(1, {{{}, {}}}, {{{C(2), 0, 0, 0}, {C(2), 0, 0, 0}}}, {C(7), C(7)});
    TRaceSnapshot Table = Race.Snapshot();
    EXPECT_EQ(RaceOutcome(Table), TRaceOutcome::Undecided);
    const std::vector<TRaceEvent> Events = Race.Start();
    ASSERT_EQ(Events.size(), 4u);
    EXPECT_EQ(Events[2], (TRaceEvent{Kind::Won, 0, -1, 0, 0}));
    EXPECT_EQ(Events[3], (TRaceEvent{Kind::Won, 1, -1, 0, 0}));
    std::vector<TRaceOutcome> Seen;
    for (const TRaceEvent& E : Events) {
        ASSERT_TRUE(ApplyEvent(Table, E));
        Seen.push_back(RaceOutcome(Table));
    }
    EXPECT_EQ(Seen, (std::vector<TRaceOutcome>{TRaceOutcome::Undecided, TRaceOutcome::Undecided,
                                               TRaceOutcome::Tied, TRaceOutcome::Tied}));

    struct Case {
        const char* What;
        std::array<std::uint8_t, 2> Played;
        std::array<bool, 2> Won;
        TRaceOutcome Expected;
    };
    const Case Cases[] = {
        {"nobody yet", {24, 24}, {false, false}, TRaceOutcome::Undecided},
        {"the host alone", {25, 20}, {true, false}, TRaceOutcome::HostWon},
        {"the guest alone", {20, 25}, {false, true}, TRaceOutcome::GuestWon},
        {"the host announced, the guest there too", {25, 25}, {true, false}, TRaceOutcome::Tied},
        {"the guest announced, the host there too", {25, 25}, {false, true}, TRaceOutcome::Tied},
        {"both announced", {25, 25}, {true, true}, TRaceOutcome::Tied},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        TRaceSnapshot S;
        S.Target = 25;
        S.Played = C.Played;
        S.Won = C.Won;
        EXPECT_EQ(RaceOutcome(S), C.Expected);
    }
    // A host that announces a win short of the target is not believed.
    TRaceSnapshot Short;
    Short.Target = 25;
    Short.Played = {24, 0};
    EXPECT_FALSE(ApplyEvent(Short, TRaceEvent{Kind::Won, 0, -1, 0, 0}));
}

// Two scripted players race over a link that delays each message by a
// random number of steps (in order, as TCP keeps it). The host's player
// plays on the true table; the guest's plays on its own table, which only
// knows the events delivered so far, so some of its requests arrive too
// late and are refused. After every delivered event the guest's table must
// be the host's table as it was when that event was sent.
TEST(TwoSeatRace, ThousandsOfRacesOverADelayingLinkAgreeOnBothSides)
{
    std::mt19937 Rng(20261211);
    int Races = 0, Refused = 0, Stalemates = 0, HostWins = 0, GuestWins = 0, Ties = 0;
    for (int Race = 0; Race < 3000; ++Race) {
        TTwoSeatRace Host;
        Host.Deal(Race % 4 == 3 ? 2 : 1, Seeded(static_cast<unsigned>(Race)));
        TRaceSnapshot Guest = Host.Snapshot();
        struct TInFlight {
            int Due;
            TRaceEvent Event;
            TRaceSnapshot HostAfter;
        };
        // A guest's request on its way: its slot card, seen as Card, onto Centre.
        struct TPlay {
            std::uint8_t Slot, Centre, Card;
        };
        struct TRequest {
            int Due;
            TPlay Request;
        };
        std::deque<TInFlight> ToGuest;
        // Each side's verdict at the first win it learns of: the one its
        // screen shows, and the one its records count.
        std::optional<TRaceOutcome> HostSaw, GuestSaw;
        std::deque<TRequest> ToHost;
        const int Delay = 1 + static_cast<int>(Rng() % 6); // this race's link
        const auto Send = [&](int Now, const std::vector<TRaceEvent>& Events) {
            TRaceSnapshot After = Host.Snapshot();
            // Each event's own state: replayed from the last sent one.
            TRaceSnapshot Step = ToGuest.empty() ? Guest : ToGuest.back().HostAfter;
            for (const TRaceEvent& E : Events) {
                ASSERT_TRUE(ApplyEvent(Step, E));
                if (E.Kind == Kind::Won && !HostSaw)
                    HostSaw = RaceOutcome(Step);
                Stalemates += E.Kind == Kind::Turned;
                ToGuest.push_back({Now + Delay + static_cast<int>(Rng() % 3), E, Step});
            }
            ASSERT_EQ(Step, After);
        };
        Send(0, Host.Start());
        const int HostPace = 1 + static_cast<int>(Rng() % 4);
        const int GuestPace = 1 + static_cast<int>(Rng() % 4);
        int Now = 0;
        for (; Now < 20000 && (Host.Running() || !ToGuest.empty()); ++Now) {
            // Deliveries, in order (a later message never overtakes).
            while (!ToGuest.empty() && ToGuest.front().Due <= Now) {
                ASSERT_TRUE(ApplyEvent(Guest, ToGuest.front().Event));
                if (ToGuest.front().Event.Kind == Kind::Won && !GuestSaw)
                    GuestSaw = RaceOutcome(Guest);
                ASSERT_EQ(Guest, ToGuest.front().HostAfter) << "race " << Race;
                ToGuest.pop_front();
            }
            while (!ToHost.empty() && ToHost.front().Due <= Now) {
                const TPlay R = ToHost.front().Request;
                ToHost.pop_front();
                std::vector<TRaceEvent> Events;
                if (Host.Play(1, R.Slot, R.Centre, R.Card, Events) == Refusal::None)
                    Send(Now, Events);
                else
                    ++Refused;
            }
            if (!Host.Running())
                continue;
            // Each player plays the first card that fits on its own table.
            const auto Choose = [](const TRaceSnapshot& S, int Seat) -> std::optional<TPlay> {
                for (int Slot = 0; Slot < 4; ++Slot)
                    for (int Centre = 0; Centre < 2; ++Centre) {
                        const std::uint8_t Card = S.Slots[Seat][Slot];
                        const std::uint8_t Top = S.CentreTop[Centre];
                        if (Card && Top && IsAdjacent(Rank(Card), Rank(Top)))
                            return TPlay{static_cast<std::uint8_t>(Slot), static_cast<std::uint8_t>(Centre), Card};
                    }
                return std::nullopt;
            };
            if (Now % HostPace == 0)
                if (const auto Move = Choose(Host.Snapshot(), 0)) {
                    std::vector<TRaceEvent> Events;
                    ASSERT_EQ(Host.Play(0, Move->Slot, Move->Centre, Move->Card, Events), Refusal::None);
                    Send(Now, Events);
                }
            if (Now % GuestPace == 0 && ToHost.size() < 2)
                if (const auto Move = Choose(Guest, 1))
                    ToHost.push_back({Now + Delay, *Move});
            ExpectEveryCardOnce(Host);
        }
        ASSERT_FALSE(Host.Running()) << "race " << Race << " did not end";
        EXPECT_EQ(Guest, Host.Snapshot());
        EXPECT_TRUE(Guest.Won[0] || Guest.Won[1]);
        ASSERT_TRUE(HostSaw && GuestSaw) << "race " << Race;
        EXPECT_EQ(*HostSaw, *GuestSaw) << "race " << Race;
        EXPECT_EQ(*HostSaw, RaceOutcome(Host.Snapshot())) << "race " << Race;
        HostWins += *HostSaw == TRaceOutcome::HostWon;
        GuestWins += *HostSaw == TRaceOutcome::GuestWon;
        Ties += *HostSaw == TRaceOutcome::Tied;
        ++Races;
    }
    EXPECT_EQ(Races, 3000);
    // The runs are of real races: both win some, some requests come too
    // late, and stalemates happen.
    EXPECT_GT(HostWins, 100);
    EXPECT_GT(GuestWins, 50);
    EXPECT_GT(Refused, 100);
    // Ties happen, and both sides call them ties.
    EXPECT_GT(Ties, 0);
    EXPECT_GT(Stalemates, 100);
}

} // namespace
