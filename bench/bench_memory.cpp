// The heap a long session keeps: whole deals played one after another as a
// player plays them, the window shown and painted, the real message boxes
// and name dialog opened between deals and answered once they have painted
// ("play again?" is always Yes). After a warm-up, the heap in use is read
// at ten points of the run; a cache fills and stops, a leak keeps on
// growing. The reading counts what malloc keeps in its per-thread caches
// too, so some tens of bytes a deal either way are noise.
//
// Headless by default; on a real X server (under xvfb-run, say) pass
// "-platform xcb" before the benchmark's own options: the boxes' buttons
// have icons only there. To find where the heap goes, run one size under a
// heap profiler (--benchmark_filter=BM_HeapPerDeal/300/) and compare two
// sizes' allocations alive at the end.
#include "cardlib/lucard.h"
#include "dialogs/nameform.h"
#include "game/mainform.h"
#include "platform/messagebox.h"
#include "platform/modal.h"
#include "platform/sound.h"
#include "platform/stringtable.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>
#include <random>
#include <cstdio>

namespace {

constexpr int StartBoxId = 65136;
constexpr int WarmUpDeals = 20;
constexpr int Checkpoints = 10;

// Bytes handed out by malloc and not yet freed, small blocks and mapped ones.
double HeapInUse()
{
    const struct mallinfo2 Info = mallinfo2();
    return static_cast<double>(Info.uordblks + Info.hblkhd);
}

// Answers whatever modal window is open, once it has been up for a few
// polls (so it has been exposed and painted): the start box with OK, the
// end-of-deal question with Yes until the last deal, the name dialog with
// a name.
class TAnswerer : public QObject {
public:
    int StartBoxes = 0;
    int LastDeal = 0;
    int NameDialogs = 0;

    TAnswerer()
    {
        FPoll.setInterval(2);
        connect(&FPoll, &QTimer::timeout, this, [this] { Poll(); });
        FPoll.start();
    }

private:
    QTimer FPoll;
    QWidget* FSeen = nullptr;
    int FPolls = 0;

    void Poll()
    {
        QWidget* Modal = QApplication::activeModalWidget();
        if (!Modal || !Modal->isVisible()) {
            FSeen = nullptr;
            return;
        }
        if (Modal != FSeen) {
            FSeen = Modal;
            FPolls = 0;
        }
        if (++FPolls < 3)
            return;
        FSeen = nullptr;
        if (auto* Box = qobject_cast<QMessageBox*>(Modal)) {
            if (Box->text() == platform::LoadStr(StartBoxId))
                ++StartBoxes;
            QAbstractButton* Button = Box->button(QMessageBox::Ok);
            if (!Button)
                Button = Box->button(StartBoxes < LastDeal ? QMessageBox::Yes : QMessageBox::No);
            Button->click();
        } else if (auto* Name = qobject_cast<TNameForm*>(Modal)) {
            ++NameDialogs;
            Name->Edit->setText(QStringLiteral("Player %1").arg(NameDialogs % 7));
            Name->Button1->click();
        } else if (auto* Dialog = qobject_cast<QDialog*>(Modal)) {
            Dialog->reject();
        }
    }
};

void HeapPerDeal(benchmark::State& state)
{
    const int Deals = static_cast<int>(state.range(0));
    QTemporaryDir Dir;
    QDir(Dir.path()).mkdir(QStringLiteral("Data"));
    // The real boxes and dialogs, only the sounds silenced.
    const platform::MessageBoxHandler Boxes = platform::SetMessageBoxHandler({});
    const platform::ModalHandler Dialogs = platform::SetModalHandler({});
    const platform::SoundHandler Sounds = platform::SetSoundHandler([](const QString&) {});
    auto Form = std::make_unique<TMainForm>(Dir.path());
    TMainForm& F = *Form;
    F.Level = 4; // the fastest: deals are short and many
    F.show();
    QApplication::processEvents();

    TAnswerer Answers;
    std::mt19937 Rng(7);
    const auto PlayUntil = [&](int LastDeal) {
        Answers.LastDeal = LastDeal;
        if (!F.InGame)
            F.DealMenuClick();
        // "Play again?" deals the next one from inside the game's own
        // handler; after the last deal the answer is No and the game rests.
        while (F.InGame) {
            if (Rng() % 3 == 0) {
                const QString Text(QChar(u'1' + static_cast<char16_t>(Rng() % 4)));
                const int Code = Qt::Key_1 + Text.front().unicode() - u'1';
                QKeyEvent Press(QEvent::KeyPress, Code, Qt::NoModifier, Text);
                QWidget* Focus = QApplication::focusWidget();
                QApplication::sendEvent(Focus && Focus->window() == &F ? Focus : &F, &Press);
            } else {
                F.TimerTimer();
            }
            F.Timer->stop();
            QApplication::processEvents();
        }
    };

    PlayUntil(WarmUpDeals);
    const double Base = HeapInUse();
    const int Objects = static_cast<int>(F.findChildren<QObject*>().size());
    const int Windows = static_cast<int>(QApplication::topLevelWidgets().size());
    double Half = Base;
    for (auto _ : state) {
        for (int Check = 1; Check <= Checkpoints; ++Check) {
            const int Played = Deals * Check / Checkpoints;
            PlayUntil(WarmUpDeals + Played);
            const double Now = HeapInUse();
            char Name[32];
            std::snprintf(Name, sizeof Name, "kB_after_%05d", Played); // in order in the report
            state.counters[Name] = (Now - Base) / 1024.0;
            if (2 * Check == Checkpoints)
                Half = Now;
        }
    }
    const double End = HeapInUse();
    state.counters["B_per_deal"] = (End - Base) / Deals;
    state.counters["B_per_deal_2nd_half"] = (End - Half) / (Deals - Deals / 2);
    state.counters["objects_grown"] =
        static_cast<double>(static_cast<int>(F.findChildren<QObject*>().size()) - Objects);
    state.counters["windows_grown"] =
        static_cast<double>(static_cast<int>(QApplication::topLevelWidgets().size()) - Windows);
    state.counters["deals"] = static_cast<double>(Answers.StartBoxes - WarmUpDeals);

    Form.reset();
    platform::SetMessageBoxHandler(Boxes);
    platform::SetModalHandler(Dialogs);
    platform::SetSoundHandler(Sounds);
}
BENCHMARK(HeapPerDeal)->Name("BM_HeapPerDeal")->Arg(300)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
