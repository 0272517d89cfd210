// Preparing the game's deck: build and 100 shuffle passes, for the single
// (52 cards) and the double deck (104 cards), with and without the visual
// deck that the game keeps in step.
#include "cardlib/lucarddeck.h"
#include "cardlib/luvirtualdeck.h"

#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void PrepareDeck(benchmark::State& state, bool withVisualDeck)
{
    const auto decks = static_cast<std::uint8_t>(state.range(0));
    QWidget form;
    TLuCardDeck visual(&form);
    TLuVirtualDeck deck(&form);
    deck.SetShuffleCount(100);
    for (int s = 1; s <= 4; ++s)
        deck.IncludedCards().SuitByIndex(s).SetAll(decks);
    if (withVisualDeck) {
        visual.SetDeckType(decks == 2 ? dcDouble : dcSingle);
        deck.SetVisualDeck(&visual);
    }
    for (auto _ : state) {
        deck.Prepare();
        benchmark::DoNotOptimize(deck.Cards().data());
    }
    state.SetItemsProcessed(state.iterations() * 100 * 52 * decks);
    state.SetLabel(std::to_string(52 * decks) + " cards, 100 passes");
}

void BM_Prepare(benchmark::State& state)
{
    PrepareDeck(state, false);
}
void BM_PrepareWithVisualDeck(benchmark::State& state)
{
    PrepareDeck(state, true);
}

} // namespace

BENCHMARK(BM_Prepare)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrepareWithVisualDeck)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
