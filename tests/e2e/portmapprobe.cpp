// Stands in for the two players of the router test (network_router.sh),
// over plain TCP, with the program's own TPortMapping and TRouterPortMapper.
//
//   portmapprobe host PORT WAIT_S   listens on PORT, asks the router to
//       forward it, prints what the router answered and how long that took,
//       serves one guest (reads its line, answers "host"), then removes the
//       forwarding and prints "removed" (or "not removed").
//       Exit 0 served, 2 refused, 3 no router, 4 no guest within WAIT_S.
//   portmapprobe guest ADDRESS:PORT  connects, says "guest", prints the
//       answer. Exit 0 when it was "host".
#include "network/portmapping.h"
#include "network/raceserver.h"
#include "network/routerportmapper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace network;

namespace {

void Say(const QString& Line)
{
    std::printf("%s\n", qPrintable(Line));
    std::fflush(stdout);
}

int Host(QCoreApplication& App, quint16 Port, int WaitS)
{
    QElapsedTimer Since;
    Since.start();
    QTcpServer Server;
    if (!Server.listen(QHostAddress::AnyIPv4, Port)) {
        Say(QStringLiteral("cannot listen: %1").arg(Server.errorString()));
        return 1;
    }
    TPortMapping Mapping(std::make_unique<TRouterPortMapper>());
    int Status = 4;
    QObject::connect(&Mapping, &TPortMapping::Reported, &App, [&](const TPortMapResult& R) {
        Say(QStringLiteral("%1 after %2 ms").arg(Mapping.Text(Port)).arg(Since.elapsed()));
        if (R.Kind != TPortMapResult::TKind::Mapped) {
            Status = R.Kind == TPortMapResult::TKind::Refused ? 2 : 3;
            App.quit();
        }
    });
    QObject::connect(&Server, &QTcpServer::newConnection, &App, [&] {
        QTcpSocket* Guest = Server.nextPendingConnection();
        Say(QStringLiteral("guest from %1").arg(Guest->peerAddress().toString()));
        QObject::connect(Guest, &QTcpSocket::readyRead, &App, [&, Guest] {
            if (!Guest->canReadLine())
                return;
            Say(QStringLiteral("guest says %1").arg(QString::fromUtf8(Guest->readLine()).trimmed()));
            Guest->write("host\n");
            Guest->flush();
            Guest->waitForBytesWritten(1000);
            Status = 0;
            App.quit();
        });
    });
    QTimer::singleShot(WaitS * 1000, &App, &QCoreApplication::quit);
    Mapping.Start(Port);
    App.exec();
    Say(Mapping.ReleaseWithin(std::chrono::milliseconds(TPortMapping::ExitWaitMs)) ? QStringLiteral("removed")
                                                                                    : QStringLiteral("not removed"));
    return Status;
}

int Guest(const QString& Where)
{
    QString Address;
    quint16 Port = 0;
    if (!ParseAddress(Where, Address, Port)) {
        Say(QStringLiteral("not an address: %1").arg(Where));
        return 1;
    }
    QTcpSocket Socket;
    Socket.connectToHost(Address, Port);
    if (!Socket.waitForConnected(5000)) {
        Say(QStringLiteral("cannot connect: %1").arg(Socket.errorString()));
        return 1;
    }
    Socket.write("guest\n");
    while (!Socket.canReadLine())
        if (!Socket.waitForReadyRead(5000)) {
            Say(QStringLiteral("no answer: %1").arg(Socket.errorString()));
            return 1;
        }
    const QString Answer = QString::fromUtf8(Socket.readLine()).trimmed();
    Say(QStringLiteral("host says %1").arg(Answer));
    return Answer == QStringLiteral("host") ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication App(argc, argv);
    const QStringList Args = App.arguments();
    if (Args.size() == 4 && Args[1] == QStringLiteral("host"))
        return Host(App, static_cast<quint16>(Args[2].toUInt()), Args[3].toInt());
    if (Args.size() == 3 && Args[1] == QStringLiteral("guest"))
        return Guest(Args[2]);
    std::fprintf(stderr, "usage: portmapprobe host PORT WAIT_S | guest ADDRESS:PORT\n");
    return 2;
}
