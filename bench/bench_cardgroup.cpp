// The card group's hot paths: the hit test that runs on every mouse move
// over a group (a measuring pass over all its cards), the whole mouse-move
// handler, and the sort of a full hand.
#include "cardlib/lucardgroup.h"
#include "cardlib/lucarditem.h"
#include "cardlib/lusinglecard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The double-deck pile of the game: 47 cards in a tight cascade one card
// wide (Tightness 0), the upper ones already played (empty).
struct TPile {
    QWidget Form;
    TLuCardGroup* Group;

    explicit TPile(int Cards, int Played)
    {
        Form.resize(300, 300);
        Group = new TLuCardGroup(&Form);
        Group->SetAutoTight(true);
        for (int I = 0; I < Cards; ++I)
            Group->CardList().Add()->Card()->SetID(2 + I % 52);
        Group->SetBounds(10, 10, 71, 96);
        for (int I = Cards - Played; I < Cards; ++I)
            Group->CardAt(I)->SetEmpty(true);
    }
};

void BM_CardIndexAtDoubleDeckPile(benchmark::State& State)
{
    TPile Pile(47, static_cast<int>(State.range(0)));
    int Found = 0;
    for (auto _ : State) {
        Found = Pile.Group->CardIndexAt(35, 48);
        benchmark::DoNotOptimize(Found);
    }
    State.counters["found"] = Found;
}
// None played, half played, all but one played.
BENCHMARK(BM_CardIndexAtDoubleDeckPile)->Arg(0)->Arg(23)->Arg(46);

void BM_MouseMoveOverPile(benchmark::State& State)
{
    TPile Pile(47, 10);
    const QPointF At(35, 48);
    for (auto _ : State) {
        QMouseEvent Move(QEvent::MouseMove, At, Pile.Group->mapToGlobal(At), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier, QPointingDevice::primaryPointingDevice());
        QApplication::sendEvent(Pile.Group, &Move);
    }
}
BENCHMARK(BM_MouseMoveOverPile);

// 52 cards in descending order, sorted by suit or by value.
void BM_SortHandOf52(benchmark::State& State)
{
    const auto Style = static_cast<TLuSortStyle>(State.range(0));
    const bool FaceUp = State.range(1) != 0;
    QWidget Form;
    auto* Group = new TLuCardGroup(&Form);
    Group->SetShowBack(!FaceUp);
    Group->SetCascadeStyle(csTight);
    for (int I = 0; I < 52; ++I)
        Group->CardList().Add();
    for (auto _ : State) {
        State.PauseTiming();
        for (int I = 0; I < 52; ++I)
            Group->CardAt(I)->SetID(53 - I);
        State.ResumeTiming();
        Group->Sort(Style);
    }
}
// Face down the IDs change without drawing; face up every moved card redraws.
BENCHMARK(BM_SortHandOf52)->Args({soSuit, 0})->Args({soValue, 0})->Args({soValue, 1});

void BM_SortPairs52(benchmark::State& State)
{
    TLuSortArray Pairs(52);
    for (auto _ : State) {
        for (int I = 0; I < 52; ++I)
            Pairs[static_cast<std::size_t>(I)] = {(53 - I) * 7 % 1500, 53 - I};
        SortPairs(Pairs);
        benchmark::DoNotOptimize(Pairs.data());
    }
}
BENCHMARK(BM_SortPairs52);

} // namespace
