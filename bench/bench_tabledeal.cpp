// A full deal of the game's two centre piles: for each table, clear it and
// its five players' groups, prepare the shared virtual deck (100 shuffle
// passes), deal the face-down pile and the four face-up hand slots, and lay
// one face-up card onto the table, all on a shown window as in the game.
#include "cardlib/lucard.h"
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardlist.h"
#include "cardlib/lucardtable.h"
#include "cardlib/luvirtualdeck.h"

#include <QPalette>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <array>

namespace {

// One side of the board: a centre pile whose players are a tight pile of
// PileItems places (one card wide, so only its top card shows) and four
// one-card hand slots.
struct TSide {
    TLuCardTable* Table = nullptr;
    TLuCardGroup* Pile = nullptr;
    std::array<TLuCardGroup*, 4> Slots{};
};

struct TBoard {
    TBoard(int Decks, bool Shown)
    {
        Window.resize(640, 480);
        for (int Suit = 1; Suit <= TLuIncludedCards::SuitCount; ++Suit)
            Deck.IncludedCards().SuitByIndex(Suit).SetAll(static_cast<std::uint8_t>(Decks));
        Deck.SetShuffleCount(100);
        const int PileItems = Decks == 1 ? 21 : 47;
        for (int I = 0; I < 2; ++I)
            Sides[static_cast<std::size_t>(I)] = MakeSide(I, PileItems);
        if (Shown)
            Window.show();
    }

    TSide MakeSide(int Index, int PileItems)
    {
        TSide Side;
        const int Y = 20 + 240 * Index;
        Side.Table = new TLuCardTable(&Window);
        Side.Table->SetBounds(300, Y, TableWidth, TableHeight);
        Side.Table->SetVirtualDeck(&Deck);
        Side.Table->GameOptions().SetTableOpenCards(1);
        Side.Pile = new TLuCardGroup(&Window);
        Side.Pile->SetBounds(20, Y, CardWidth, CardHeight);
        Side.Pile->SetAutoTight(true);
        for (int I = 0; I < PileItems; ++I)
            Side.Pile->CardList().Add();
        Side.Table->PlayerList().AddGroup(Side.Pile);
        for (std::size_t I = 0; I < Side.Slots.size(); ++I) {
            TLuCardGroup* Slot = new TLuCardGroup(&Window);
            Slot->SetShowBack(false);
            Slot->SetBounds(110 + 80 * static_cast<int>(I), Y + 140, CardWidth, CardHeight);
            Slot->CardList().Add();
            Side.Table->PlayerList().AddGroup(Slot);
            Side.Slots[I] = Slot;
        }
        return Side;
    }

    // The game's deal, centre pile 1 and then centre pile 2.
    void Deal()
    {
        for (const TSide& Side : Sides) {
            Side.Table->ClearTable(true);
            Side.Table->SetEmpty(true);
            Side.Table->PrepareDeal();
            Side.Table->DealToPlayers(true);
            Side.Table->SetLandingPosition(2);
            Side.Table->DealToTable();
        }
    }

    QWidget Window;
    TLuVirtualDeck Deck;
    std::array<TSide, 2> Sides{};
};

void BM_DealTwoTables(benchmark::State& State)
{
    TBoard Board(static_cast<int>(State.range(0)), State.range(1) != 0);
    for (auto _ : State)
        Board.Deal();
    // Cards placed per deal: both sides' piles and slots plus the two centre cards.
    const int PerSide = Board.Sides[0].Pile->NonEmptyCount() + 4 + 1;
    State.counters["CardsDealt"] = 2 * PerSide;
    State.counters["CardsPerSecond"] =
        benchmark::Counter(2.0 * PerSide, benchmark::Counter::kIsIterationInvariantRate);
}
// Arguments: decks (1: 21-card piles, 2: 47-card piles), window shown.
BENCHMARK(BM_DealTwoTables)
    ->ArgNames({"decks", "shown"})
    ->Args({1, 1})
    ->Args({1, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace
