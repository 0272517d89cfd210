// Every decision of a move as tables: the ranks of the cards, what fits on
// what around the ring, whether a side can play, the pile a player's card
// goes to, the computer's move in its search order, and what a side turns
// in a stalemate.
#include "core/moves.h"

#include <gtest/gtest.h>

namespace {

using namespace core;

// Cards by rank and suit (0..3): the card library's IDs.
constexpr std::uint8_t C(int Rank, int Suit = 0)
{
    return static_cast<std::uint8_t>(MinCard + Suit * 13 + (Rank - Two));
}
constexpr std::uint8_t _ = NoCard;

TEST(Cards, RanksRunTwoToAceInEverySuit)
{
    EXPECT_EQ(Rank(2), 2);
    EXPECT_EQ(Rank(14), 14); // the first suit's ace
    EXPECT_EQ(Rank(15), 2);
    EXPECT_EQ(Rank(53), 14);
    for (const int NotACard : {-1, 0, 1, 54, 55, 255})
        EXPECT_EQ(Rank(NotACard), 0) << NotACard;
    for (int Suit = 0; Suit < 4; ++Suit)
        for (int R = Two; R <= Ace; ++R)
            EXPECT_EQ(Rank(C(R, Suit)), R);
}

TEST(Cards, AdjacencyIsOneApartAroundTheRing)
{
    const struct {
        int a, b;
        bool fits;
    } cases[] = {
        {14, 13, true}, {14, 2, true},  {2, 14, true},  {2, 3, true},   {13, 12, true}, {13, 14, true},
        {7, 8, true},   {8, 7, true},   {7, 7, false},  {14, 14, false}, {2, 2, false}, {13, 2, false},
        {14, 3, false}, {12, 14, false}, {5, 9, false}, {3, 14, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAdjacent(c.a, c.b), c.fits) << c.a << " on " << c.b;
    // The relation is symmetric over every pair of ranks.
    for (int a = 2; a <= 14; ++a)
        for (int b = 2; b <= 14; ++b)
            EXPECT_EQ(IsAdjacent(a, b), IsAdjacent(b, a)) << a << "," << b;
}

TEST(Cards, FitsTakesRealCardsOnly)
{
    EXPECT_TRUE(Fits(C(7, 0), C(8, 3)));
    EXPECT_TRUE(Fits(C(Ace, 1), C(Two, 2)));
    EXPECT_FALSE(Fits(C(7, 0), C(7, 1)));
    // Nothing goes onto an empty pile, and no card goes anywhere; a joker
    // is no card of the race.
    EXPECT_FALSE(Fits(C(7), _));
    EXPECT_FALSE(Fits(_, C(8)));
    EXPECT_FALSE(Fits(_, _));
    EXPECT_FALSE(Fits(54, C(Two)));
}

TEST(Moves, ASideCanPlayWhenAnyHandCardFitsAnyPile)
{
    const struct {
        const char* Name;
        THand Hand;
        TCentreTops Tops;
        bool CanPlay;
    } Cases[] = {
        {"the first slot on the left pile", {C(5), C(9), C(9), C(9)}, {C(6), C(2)}, true},
        {"the last slot on the right pile", {C(9), C(9), C(9), C(Ace)}, {C(5), C(13)}, true},
        {"nothing one apart", {C(9), C(9), C(Two), C(12)}, {C(5), C(5)}, false},
        {"an empty hand", {_, _, _, _}, {C(5), C(6)}, false},
        {"empty piles", {C(5), C(6), C(7), C(8)}, {_, _}, false},
        {"gaps in the hand", {_, _, C(4), _}, {C(12), C(5)}, true},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(CanPlay(Case.Hand, Case.Tops), Case.CanPlay) << Case.Name;
}

TEST(Moves, APlayersCardGoesToTheFirstFreePileItFits)
{
    const TPileOrder LeftFirst{0, 1}, RightFirst{1, 0};
    const struct {
        const char* Name;
        std::uint8_t Card;
        TCentreTops Tops;
        TPileOrder Order;
        TCentreBusy Busy;
        std::optional<int> Pile;
    } Cases[] = {
        {"fits both: the first in order", C(5), {C(4), C(6)}, LeftFirst, {}, 0},
        {"fits both, the other order", C(5), {C(4), C(6)}, RightFirst, {}, 1},
        {"fits the second only", C(5), {C(9), C(6)}, LeftFirst, {}, 1},
        {"the first is busy", C(5), {C(4), C(6)}, LeftFirst, {true, false}, 1},
        {"the one it fits is busy", C(5), {C(9), C(6)}, LeftFirst, {false, true}, std::nullopt},
        {"fits neither", C(5), {C(9), C(9)}, LeftFirst, {}, std::nullopt},
        {"no card", _, {C(4), C(6)}, LeftFirst, {}, std::nullopt},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(PileFor(Case.Card, Case.Tops, Case.Order, Case.Busy), Case.Pile) << Case.Name;
}

TEST(Moves, TheComputerTriesItsOwnPileWithEverySlotBeforeTheOther)
{
    const TPileOrder OwnFirst{1, 0};
    const struct {
        const char* Name;
        THand Hand;
        TCentreTops Tops;
        TCentreBusy Busy;
        std::optional<TMove> Move;
    } Cases[] = {
        // Slot 0 fits the other pile, slot 3 its own: its own pile wins.
        {"own pile before an earlier slot", {C(3), C(9), C(9), C(11)}, {C(4), C(12)}, {}, TMove{3, 1}},
        {"the leftmost slot that fits", {C(9), C(11), C(13), C(9)}, {C(4), C(12)}, {}, TMove{1, 1}},
        {"own pile busy: the other", {C(3), C(9), C(9), C(11)}, {C(4), C(12)}, {false, true}, TMove{0, 0}},
        {"both busy", {C(3), C(9), C(9), C(11)}, {C(4), C(12)}, {true, true}, std::nullopt},
        {"nothing fits", {C(9), C(9), _, _}, {C(4), C(12)}, {}, std::nullopt},
        {"an empty slot is passed over", {_, C(5), _, _}, {C(4), C(12)}, {}, TMove{1, 0}},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(ComputerMove(Case.Hand, Case.Tops, OwnFirst, Case.Busy), Case.Move) << Case.Name;
}

TEST(Moves, AStalemateTurnsThePileTopThenTheFirstHandCard)
{
    EXPECT_EQ(StalemateCard(3, {C(5), C(6), C(7), C(8)}), PileTop);
    EXPECT_EQ(StalemateCard(1, {_, _, _, _}), PileTop);
    EXPECT_EQ(StalemateCard(0, {C(5), C(6), _, _}), 0);
    EXPECT_EQ(StalemateCard(0, {_, _, C(7), C(8)}), 2);
    EXPECT_EQ(StalemateCard(0, {_, _, _, _}), std::nullopt);
}

} // namespace
