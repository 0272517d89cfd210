// The game's own work, headless and with no waiting: one user move with its
// refill and redraws, one computer tick with its refill, and whole deals
// played out by ticks and keys for each deck size. Boxes are answered and
// sounds silenced through the platform's seams.
#include "cardlib/lucard.h"
#include "cardlib/luflightlayer.h"
#include "game/mainform.h"
#include "platform/messagebox.h"
#include "platform/modal.h"
#include "platform/sound.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

// A shown game window on a folder of its own, whose boxes say OK or No and
// whose dialogs close at once.
struct Game {
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    platform::MessageBoxHandler boxes;
    platform::ModalHandler dialogs;
    platform::SoundHandler sounds;

    explicit Game(int decks)
    {
        QDir(dir.path()).mkdir(QStringLiteral("Data"));
        boxes = platform::SetMessageBoxHandler([](const QString&, platform::MsgType, platform::MsgButtons b) {
            return b == platform::MsgButtons::Ok ? platform::MsgResult::Ok : platform::MsgResult::No;
        });
        dialogs = platform::SetModalHandler([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
        sounds = platform::SetSoundHandler([](const QString&) {});
        form = std::make_unique<TMainForm>(dir.path());
        // The cards jump unless a benchmark lets them fly.
        form->AnimateCards = false;
        form->Decks = decks;
        if (decks == 2)
            form->PrepareDeckSize();
        form->show();
        QCoreApplication::processEvents();
    }
    ~Game()
    {
        form.reset();
        platform::SetMessageBoxHandler(std::move(boxes));
        platform::SetModalHandler(std::move(dialogs));
        platform::SetSoundHandler(std::move(sounds));
    }

    void Deal()
    {
        form->DealMenuClick();
        form->Timer->stop();
        QCoreApplication::sendPostedEvents();
    }

    // A deal with known centre cards (a 7 and a 9) and a full pile, nobody stuck.
    void LaidOut()
    {
        Deal();
        TMainForm& F = *form;
        for (TLuCardTable* Table : {F.CardTable1, F.CardTable2}) {
            Table->SetLandingPosition(TLuCardTable::PosTop);
            Table->PlaceCard(Table == F.CardTable1 ? 7 : 22, false, nullptr);
        }
        F.UserStuck = F.ComputerStuck = false;
    }
};

void Put(TLuCardGroup* Group, int Index, int ID)
{
    TLuSingleCard* Card = Group->CardAt(Index);
    Card->SetID(ID);
    Card->SetEmpty(false);
}

// The key "1" plays an 8 onto the 7, then the posted refill hands the pile's
// top card into the slot through the way station and works out both sides'
// wait signs.
void BM_UserMoveWithRefill(benchmark::State& state)
{
    Game game(1);
    game.LaidOut();
    TMainForm& F = *game.form;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Put(F.Play1Card1, 0, 47); // 8 of hearts
        Put(F.Play1Pile, 20, 35); // 9 of spades: the refill, which fits the 8
        F.CardTable1->SetLandingPosition(TLuCardTable::PosTop);
        F.CardTable1->PlaceCard(7, false, nullptr);
        if (++n % 500 == 0) // the laid-card list of the table grows with every move
            F.CardTable1->ClearTable(false);
        state.ResumeTiming();

        QChar key = u'1';
        F.FormKeyPress(key);
        QCoreApplication::sendPostedEvents();
    }
}
BENCHMARK(BM_UserMoveWithRefill)->Unit(benchmark::kMicrosecond);

// One tick: the computer plays a 10 onto its own 9, then its refill runs.
void BM_ComputerTickWithRefill(benchmark::State& state)
{
    Game game(1);
    game.LaidOut();
    TMainForm& F = *game.form;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Put(F.Play2Card1, 0, 49); // 10 of hearts
        Put(F.Play2Pile, 20, 31); // 5 of spades
        F.CardTable2->SetLandingPosition(TLuCardTable::PosTop);
        F.CardTable2->PlaceCard(22, false, nullptr);
        F.ComputerStuck = false;
        if (++n % 500 == 0)
            F.CardTable2->ClearTable(false);
        state.ResumeTiming();

        F.TimerTimer();
        QCoreApplication::sendPostedEvents();
    }
}
BENCHMARK(BM_ComputerTickWithRefill)->Unit(benchmark::kMicrosecond);

// A whole deal: dealt, then ticks and the user's keys in a fixed random
// order until a side wins and the end of the deal has been handled.
void WholeDeal(benchmark::State& state, int decks)
{
    Game game(decks);
    TMainForm& F = *game.form;
    std::mt19937 rng(7);
    long events = 0;
    for (auto _ : state) {
        game.Deal();
        while (F.InGame) {
            if (rng() % 3 == 0) {
                QChar key = QChar(u'1' + static_cast<char16_t>(rng() % 4));
                F.FormKeyPress(key);
            } else {
                F.TimerTimer();
            }
            F.Timer->stop();
            QCoreApplication::sendPostedEvents();
            ++events;
        }
    }
    state.counters["events_per_deal"] = static_cast<double>(events) / static_cast<double>(state.iterations());
}

void BM_WholeDealSingleDeck(benchmark::State& state)
{
    WholeDeal(state, 1);
}
BENCHMARK(BM_WholeDealSingleDeck)->Unit(benchmark::kMillisecond);

void BM_WholeDealDoubleDeck(benchmark::State& state)
{
    WholeDeal(state, 2);
}
BENCHMARK(BM_WholeDealDoubleDeck)->Unit(benchmark::kMillisecond);

// The deal with its cards flying from the deck, frame by frame as the frame
// timer would move them (16 ms each, painted each time), from the click to
// the start box: the CPU of the whole animated deal.
void BM_AnimatedDeal(benchmark::State& state)
{
    Game game(1);
    TMainForm& F = *game.form;
    F.AnimateCards = true;
    TLuFlightLayer::SetManualTime(true);
    long frames = 0;
    for (auto _ : state) {
        F.InGame = false;
        F.DealMenuClick();
        F.Timer->stop();
        while (F.Game.Flights.InAir()) {
            F.Game.Flights.Layer()->Advance(16);
            QCoreApplication::processEvents();
            ++frames;
        }
        F.Timer->stop();
        QCoreApplication::sendPostedEvents();
    }
    TLuFlightLayer::SetManualTime(false);
    state.counters["frames_per_deal"] = static_cast<double>(frames) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AnimatedDeal)->Unit(benchmark::kMillisecond);

// One frame of a played card's flight on the game's window: the layer moves
// the card 16 ms on and the window paints what changed (the card's old and
// new rectangles, the controls under them repainting from their buffers).
void BM_PlayFlightFrame(benchmark::State& state)
{
    Game game(1);
    game.LaidOut();
    TMainForm& F = *game.form;
    F.AnimateCards = true;
    TLuFlightLayer::SetManualTime(true);
    TLuFlightLayer& Layer = *F.Game.Flights.Layer();
    // Seven frames of 16 ms stay short of the landing at 130 ms.
    constexpr int FramesPerFlight = 7;
    int frame = FramesPerFlight;
    for (auto _ : state) {
        if (frame == FramesPerFlight) {
            state.PauseTiming();
            F.Game.Flights.Settle();
            Put(F.Play1Card1, 0, 47); // 8 of hearts onto the 7
            F.CardTable1->SetLandingPosition(TLuCardTable::PosTop);
            F.CardTable1->PlaceCard(7, false, nullptr);
            QChar key = u'1';
            F.FormKeyPress(key);
            QCoreApplication::processEvents();
            frame = 0;
            state.ResumeTiming();
        }
        Layer.Advance(16);
        QCoreApplication::processEvents();
        ++frame;
    }
    F.Game.Flights.Settle();
    QCoreApplication::sendPostedEvents();
    TLuFlightLayer::SetManualTime(false);
}
BENCHMARK(BM_PlayFlightFrame)->Unit(benchmark::kMicrosecond);

} // namespace
