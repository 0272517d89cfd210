// The races' announcement and browsing through a real Avahi daemon, one
// side per process, for the test in two network namespaces
// (discovery_netns.sh). Every line it prints starts with what happened and
// the wall-clock time in milliseconds, which both namespaces share, so that
// the script can tell how long the browser took to list an announcement.
//
//   discoveryprobe announce NAME PORT SECONDS  announces, withdraws after SECONDS
//   discoveryprobe browse SECONDS              prints the list at each change
#include "network/raceannouncer.h"
#include "network/racebrowser.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <cstdio>

using namespace network;

namespace {

const char* StatusName(TDiscoveryStatus Status)
{
    switch (Status) {
    case TDiscoveryStatus::Starting: return "starting";
    case TDiscoveryStatus::Running: return "running";
    case TDiscoveryStatus::NoDaemon: return "nodaemon";
    case TDiscoveryStatus::Failed: return "failed";
    }
    return "?";
}

void Say(const QString& Line)
{
    std::printf("%lld %s\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()), Line.toUtf8().constData());
    std::fflush(stdout);
}

int Usage()
{
    std::fprintf(stderr, "usage: discoveryprobe announce NAME PORT SECONDS | browse SECONDS\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication App(argc, argv);
    const QStringList Args = App.arguments().mid(1);
    if (Args.size() == 4 && Args[0] == QLatin1String("announce")) {
        Say(QStringLiteral("announcing"));
        TRaceAnnouncer Announcer(Args[1], static_cast<quint16>(Args[2].toUInt()));
        const auto Report = [&] {
            Say(QStringLiteral("status %1 %2 %3")
                    .arg(QLatin1String(StatusName(Announcer.Status())), Announcer.Name(), Announcer.Error()));
        };
        QObject::connect(&Announcer, &TRaceAnnouncer::StatusChanged, &App, Report);
        Report();
        QTimer::singleShot(Args[3].toInt() * 1000, &App, [&] {
            Announcer.Withdraw();
            Say(QStringLiteral("withdrawn"));
            // The daemon's goodbye goes out with its own timing.
            QTimer::singleShot(1000, &App, &QCoreApplication::quit);
        });
        return App.exec();
    }
    if (Args.size() == 2 && Args[0] == QLatin1String("browse")) {
        TRaceBrowser Browser;
        const auto Report = [&] {
            Say(QStringLiteral("status %1 %2").arg(QLatin1String(StatusName(Browser.Status())), Browser.Error()));
            for (const TFoundRace& Race : Browser.Races())
                Say(QStringLiteral("race\t%1\t%2\t%3").arg(Race.Name, Race.Address).arg(Race.Port));
            Say(QStringLiteral("end %1").arg(Browser.Races().size()));
        };
        QObject::connect(&Browser, &TRaceBrowser::Changed, &App, Report);
        Report();
        QTimer::singleShot(Args[1].toInt() * 1000, &App, &QCoreApplication::quit);
        return App.exec();
    }
    return Usage();
}
