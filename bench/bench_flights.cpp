// libs: cardlib
// The card library's flights on a shown form of the game's size with card
// controls under the path: the launch of a card (its picture and shadow made
// ready), and one frame (16 ms on, then the paint it causes, measured as the
// processEvents that delivers it) with one and with four cards in the air.
#include "cardlib/lucard.h"

#include <QCoreApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct Table {
    QWidget form;
    std::vector<std::unique_ptr<TLuCardGroup>> groups;
    TLuFlightLayer* layer;
    QImage card;

    Table()
    {
        form.resize(572, 448);
        // A row of hand slots with a card each, as on the game's table.
        for (int I = 0; I < 4; ++I) {
            auto Group = std::make_unique<TLuCardGroup>(&form);
            Group->SetBounds(179 + 95 * I, 344, CardWidth, CardHeight);
            Group->CardList().Add();
            groups.push_back(std::move(Group));
        }
        form.show();
        QCoreApplication::processEvents();
        layer = TLuFlightLayer::Of(&form);
        layer->SetShadowOffset(3);
        card = CardFlightPicture(CardImage(14));
        TLuFlightLayer::SetManualTime(true);
    }
    ~Table() { TLuFlightLayer::SetManualTime(false); }
};

// The game's picture of a card in the air, made for every flight: the
// card image with its transparent colour made see-through.
void BM_CardFlightPicture(benchmark::State& state)
{
    Table table;
    const TLuCardImage* Image = CardImage(27);
    for (auto _ : state)
        benchmark::DoNotOptimize(CardFlightPicture(Image));
}
BENCHMARK(BM_CardFlightPicture)->Unit(benchmark::kMicrosecond);

// The launch itself with the shadow the game uses (3) and without one (0):
// the difference is the making of the shadow.
void BM_LaunchACard(benchmark::State& state)
{
    Table table;
    table.layer->SetShadowOffset(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        table.layer->Launch(table.card, QPoint(179, 344), QPoint(195, 168), 130);
        state.PauseTiming();
        table.layer->CancelAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LaunchACard)->Arg(3)->Arg(0)->Unit(benchmark::kMicrosecond);

// Flights from the hand slots up to the centre; each is cancelled and
// launched again before it would land, so every frame has Cards in the air.
void BM_FrameWithCardsInTheAir(benchmark::State& state)
{
    Table table;
    const int Cards = static_cast<int>(state.range(0));
    int Frame = 0;
    for (auto _ : state) {
        if (Frame % 7 == 0) {
            state.PauseTiming();
            table.layer->CancelAll();
            for (int I = 0; I < Cards; ++I)
                table.layer->Launch(table.card, QPoint(179 + 95 * I, 344), QPoint(195 + 147 * (I % 2), 168), 130);
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        table.layer->Advance(16);
        QCoreApplication::processEvents();
        ++Frame;
    }
    table.layer->CancelAll();
}
BENCHMARK(BM_FrameWithCardsInTheAir)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace
