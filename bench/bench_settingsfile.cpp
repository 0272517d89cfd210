// libs: veltodialogs
// The write at close: the five settings and the hundred Hall of Fame keys,
// key by key (each key reads, rewrites, flushes and replaces the whole file)
// against one batch (read once, replaced once). With the usual file (the
// settings and twenty full tables) and with a 16 MB file where other
// programs' sections surround ours. Every close writes values that
// differ from the file's (two tables taken in turn), or only one entry.
#include "dialogs/gamesettings.h"
#include "dialogs/halloffametable.h"
#include "dialogs/settingsfile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

THallOfFameTable FullTable(int base)
{
    THallOfFameTable table;
    for (int d = 1; d <= 2; ++d)
        for (int s = 1; s <= 2; ++s)
            for (int l = 1; l <= 5; ++l)
                for (int r = 1; r <= 5; ++r)
                    table.At(d, s, l, r) = {base - 100 * r, QStringLiteral("Player %1").arg(r)};
    return table;
}

// Other programs' sections, about half of `bytes` before ours and half after.
QByteArray ForeignSections(qsizetype bytes, int first)
{
    QByteArray text;
    text.reserve(bytes + 256);
    for (int i = first; text.size() < bytes; ++i) {
        text += "[Other Program " + QByteArray::number(i) + "]\r\nPath=C:\\Programs\\Other\\"
                + QByteArray::number(i) + "\r\nWindowLeft=120\r\nWindowTop=80\r\nRecent=file"
                + QByteArray::number(i) + ".txt\r\n\r\n";
    }
    return text;
}

struct DataFolder {
    QTemporaryDir dir;
    QString dataDir = dir.path() + QStringLiteral("/Data/");

    explicit DataFolder(qsizetype foreignBytes)
    {
        QDir().mkpath(dataDir);
        TSettingsFile file(dataDir);
        file.WriteSettings(TGameSettings{});
        file.WriteHallOfFame(FullTable(2000));
        if (foreignBytes == 0)
            return;
        QFile ini(file.FilePath());
        ini.open(QIODevice::ReadOnly);
        QByteArray ours = ini.readAll();
        ini.close();
        ours.replace("\n", "\r\n");
        ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
        ini.write(ForeignSections(foreignBytes / 2, 0) + ours + "\r\n" + ForeignSections(foreignBytes / 2, 1000000));
    }
};

enum class Path { KeyByKey, Batch };
enum class Change { Everything, OneEntry };

void CloseWrite(benchmark::State& state, Path path, Change change)
{
    const qsizetype foreignBytes = state.range(0) << 20;
    DataFolder folder(foreignBytes);
    TSettingsFile file(folder.dataDir);
    const THallOfFameTable tables[] = {FullTable(3000), FullTable(4000)};
    THallOfFameTable oneChanged = FullTable(2000);
    const TGameSettings settings[] = {TGameSettings{1, 2, 0, false, 11}, TGameSettings{}};
    int turn = 0;
    for (auto _ : state) {
        const int which = turn++ % 2;
        bool written = false;
        if (change == Change::OneEntry)
            oneChanged.At(1, 1, 3, 1).Score = 5000 + turn;
        const THallOfFameTable& table = change == Change::OneEntry ? oneChanged : tables[which];
        const TGameSettings& s = change == Change::OneEntry ? settings[1] : settings[which];
        if (path == Path::Batch)
            written = file.WriteAll(s, table);
        else
            written = file.WriteSettings(s) && file.WriteHallOfFame(table);
        if (!written) {
            state.SkipWithError("the settings file could not be written");
            break;
        }
    }
    state.SetLabel(QStringLiteral("%1 KB file").arg(QFileInfo(file.FilePath()).size() / 1024).toStdString());
}

void BM_CloseKeyByKey(benchmark::State& state)
{
    CloseWrite(state, Path::KeyByKey, Change::Everything);
}
void BM_CloseBatch(benchmark::State& state)
{
    CloseWrite(state, Path::Batch, Change::Everything);
}
void BM_CloseKeyByKeyOneEntryChanged(benchmark::State& state)
{
    CloseWrite(state, Path::KeyByKey, Change::OneEntry);
}
void BM_CloseBatchOneEntryChanged(benchmark::State& state)
{
    CloseWrite(state, Path::Batch, Change::OneEntry);
}

// Argument: megabytes of other programs' sections (0: the usual file).
BENCHMARK(BM_CloseKeyByKey)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseBatch)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseKeyByKeyOneEntryChanged)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseBatchOneEntryChanged)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);

} // namespace
