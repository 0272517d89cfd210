// Start-up of the game window to its first paint, headless: construct the
// window (components, menu, settings and Hall of Fame read from the file),
// show it and run the event loop until the table has been painted once.
#include "dialogs/gamesettings.h"
#include "dialogs/halloffametable.h"
#include "dialogs/settingsfile.h"
#include "game/mainform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Shows Window and runs the event loop until Watched has been painted once.
bool ShowToFirstPaint(QWidget& Window, QWidget& Watched)
{
    FirstPaint paint;
    Watched.installEventFilter(&paint);
    Window.show();
    QElapsedTimer guard;
    guard.start();
    while (!paint.painted && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    Watched.removeEventFilter(&paint);
    return paint.painted;
}

// A folder to run from, with a settings file that holds all twenty tables
// full (the usual case after some play) or no settings file at all.
struct AppFolder {
    QTemporaryDir dir;
    QString appDir = dir.path() + u'/';

    explicit AppFolder(bool withSettings, int decks = 1)
    {
        QDir(dir.path()).mkdir(QStringLiteral("Data"));
        if (!withSettings)
            return;
        THallOfFameTable table;
        for (int d = 1; d <= 2; ++d)
            for (int s = 1; s <= 2; ++s)
                for (int l = 1; l <= 5; ++l)
                    for (int r = 1; r <= 5; ++r)
                        table.At(d, s, l, r) = {2000 - 100 * r, QStringLiteral("Player %1").arg(r)};
        TSettingsFile file(appDir + QStringLiteral("Data/"));
        TGameSettings settings;
        settings.Decks = decks;
        file.WriteSettings(settings);
        file.WriteHallOfFame(table);
    }
};

void StartUpToFirstPaint(benchmark::State& state, bool withSettings, int decks = 1)
{
    AppFolder folder(withSettings, decks);
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(folder.appDir);
        if (!ShowToFirstPaint(*form, *form->ClientArea())) {
            state.SkipWithError("the window was never painted");
            break;
        }
        // Taking the window down is not part of start-up.
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_StartUpToFirstPaint(benchmark::State& state)
{
    StartUpToFirstPaint(state, true);
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstPaintWithoutSettingsFile(benchmark::State& state)
{
    StartUpToFirstPaint(state, false);
}
BENCHMARK(BM_StartUpToFirstPaintWithoutSettingsFile)->Unit(benchmark::kMillisecond);

// A double deck appends 26 places to each pile behind the splash window.
void BM_StartUpToFirstPaintDoubleDeck(benchmark::State& state)
{
    StartUpToFirstPaint(state, true, 2);
}
BENCHMARK(BM_StartUpToFirstPaintDoubleDeck)->Unit(benchmark::kMillisecond);

// The yardstick: a bare window of the same size with a menu of five items.
void BM_BareWindowWithMenuToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        for (const char* item : {"&Deal", "&Options", "&Scores", "&Exit"})
            window->menuBar()->addAction(QString::fromLatin1(item));
        window->menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("Contents"));
        auto* client = new QWidget;
        client->setFixedSize(TMainForm::ClientWidth, TMainForm::ClientHeight);
        window->setCentralWidget(client);
        if (!ShowToFirstPaint(*window, *client)) {
            state.SkipWithError("the window was never painted");
            break;
        }
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWindowWithMenuToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
