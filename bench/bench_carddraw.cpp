// Card drawing costs: one card put into a Buffer (against a plain copy of
// as many bytes), one card redrawn into a card group's Buffer (the work of
// every card change), and one measuring pass over a 47-card tight pile (the
// work of every mouse movement over a pile), which must touch no pixel.
#include "cardlib/lucard.h"
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardlist.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

// Holds the card images for the put benchmarks.
struct TImagesHeld {
    TImagesHeld() { AcquireCardImages(); }
    ~TImagesHeld() { ReleaseCardImages(); }
    TImagesHeld(const TImagesHeld&) = delete;
    TImagesHeld& operator=(const TImagesHeld&) = delete;
};

// One card put into a 300 x 200 Buffer by the transparent copy, Width
// columns of it: 71 a whole card, 16 a strip of a tight pile. Slot 20 is a
// face with only its corners transparent, slot 70 the dotted back, whose
// white shows the background all over.
void PutCard(benchmark::State& State, int Slot, int Width)
{
    TImagesHeld Held;
    QImage Buffer(300, 200, QImage::Format_RGB32);
    Buffer.fill(Qt::gray);
    const TLuCardImage& Image = *CardImage(Slot);
    const TLuRect At{40, 30, 40 + Width, 30 + CardHeight};
    for (auto _ : State) {
        TransparentCopy(Buffer, At, Image, 0, 0, 0xFFC0C0C0);
        benchmark::ClobberMemory();
    }
    State.SetBytesProcessed(State.iterations() * Width * CardHeight * 4);
}

void BM_PutCard(benchmark::State& State)
{
    PutCard(State, 20, CardWidth);
}
BENCHMARK(BM_PutCard)->Unit(benchmark::kMicrosecond);

void BM_PutDottedBack(benchmark::State& State)
{
    PutCard(State, LastCardImageSlot, CardWidth);
}
BENCHMARK(BM_PutDottedBack)->Unit(benchmark::kMicrosecond);

void BM_PutCardStrip(benchmark::State& State)
{
    PutCard(State, 20, 16);
}
BENCHMARK(BM_PutCardStrip)->Unit(benchmark::kMicrosecond);

// The floor for a card put: the same 96 rows of 71 pixels copied plainly.
void BM_PlainCopyOfACard(benchmark::State& State)
{
    TImagesHeld Held;
    QImage Buffer(300, 200, QImage::Format_RGB32);
    const QImage& Picture = CardImage(20)->Picture;
    for (auto _ : State) {
        for (int Y = 0; Y < CardHeight; ++Y)
            std::memcpy(Buffer.scanLine(30 + Y) + 40 * 4, Picture.constScanLine(Y), CardWidth * 4);
        benchmark::ClobberMemory();
    }
    State.SetBytesProcessed(State.iterations() * CardWidth * CardHeight * 4);
}
BENCHMARK(BM_PlainCopyOfACard)->Unit(benchmark::kMicrosecond);

// A shown window with one group of Count face-up cards.
struct TGroupScene {
    explicit TGroupScene(int Count, TLuCascadeStyle Style)
    {
        Window.resize(800, 200);
        Group = new TLuCardGroup(&Window);
        Group->SetCascadeStyle(Style);
        Group->SetShowBack(false);
        for (int I = 0; I < Count; ++I)
            Group->CardList().Add();
        for (int I = 0; I < Count; ++I)
            Group->CardAt(I)->SetID(2 + I % 52);
        // A hand as wide as its cards; a pile one card wide.
        Group->SetBounds(10, 10, Style == csNormal ? Group->BufferWidth() : CardWidth, CardHeight);
        Window.show();
        QApplication::processEvents(); // exposed: screen copies really happen
    }
    QWidget Window;
    TLuCardGroup* Group = nullptr;
};

// Counts the paint events that reach a control.
class TPaintCounter : public QObject {
public:
    TPaintCounter(QWidget& Watched, int& Count) : FCount(Count) { Watched.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint)
            ++FCount;
        return false;
    }

private:
    int& FCount;
};

// Draw(false) of the middle card of a five-card hand. Shown: the copy into
// the Buffer plus the at-once copy of its rectangle to the (offscreen)
// screen; hidden: only the pixels of the Buffer.
void DrawMiddleCard(benchmark::State& State, bool Shown)
{
    TGroupScene Scene(5, csNormal);
    Scene.Window.setVisible(Shown);
    TLuSingleCard& Card = *Scene.Group->CardAt(2);
    int Paints = 0;
    TPaintCounter Counter(*Scene.Group, Paints);
    for (auto _ : State)
        Card.Draw(false);
    State.counters["ScreenCopiesPerDraw"] =
        benchmark::Counter(static_cast<double>(Paints) / static_cast<double>(State.iterations()));
}

void BM_DrawGroupCard(benchmark::State& State)
{
    DrawMiddleCard(State, true);
}
BENCHMARK(BM_DrawGroupCard)->Unit(benchmark::kMicrosecond);

void BM_DrawGroupCardIntoBufferOnly(benchmark::State& State)
{
    DrawMiddleCard(State, false);
}
BENCHMARK(BM_DrawGroupCardIntoBufferOnly)->Unit(benchmark::kMicrosecond);

// One hit test of a 47-card pile of tightness 0: a measuring pass over every
// card. The counter PixelsTouched is 1 if the Buffer changed at all.
void BM_MeasureTightPile(benchmark::State& State)
{
    TGroupScene Scene(47, csTight);
    Scene.Group->SetTightness(0);
    const QImage Before = Scene.Group->Buffer().copy();
    const qint64 Key = Scene.Group->Buffer().cacheKey();
    int Found = -1;
    for (auto _ : State) {
        Found = Scene.Group->CardIndexAt(35, 48);
        benchmark::DoNotOptimize(Found);
    }
    const bool Touched = Scene.Group->Buffer().cacheKey() != Key || Scene.Group->Buffer() != Before;
    State.counters["PixelsTouched"] = Touched ? 1 : 0;
    State.counters["CardFound"] = Found;
}
BENCHMARK(BM_MeasureTightPile)->Unit(benchmark::kMicrosecond);

} // namespace
