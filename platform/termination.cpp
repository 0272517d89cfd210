#include "platform/termination.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

// The handler may only write to a descriptor; the event loop reads it.
int Pipe[2] = {-1, -1};
constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void OnSignal(int Signal)
{
    const char Byte = static_cast<char>(Signal);
    [[maybe_unused]] const ssize_t Written = ::write(Pipe[0], &Byte, 1);
}

} // namespace

TerminationRequests::TerminationRequests(QObject* Parent)
    : QObject(Parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, Pipe) != 0)
        return; // no pipe: the signals keep their default action
    FNotifier = new QSocketNotifier(Pipe[1], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, [this] { Arrived(); });
    struct sigaction Action = {};
    Action.sa_handler = OnSignal;
    sigemptyset(&Action.sa_mask);
    Action.sa_flags = SA_RESTART;
    for (const int Signal : Signals)
        ::sigaction(Signal, &Action, nullptr);
}

TerminationRequests::~TerminationRequests()
{
    if (!FNotifier)
        return;
    for (const int Signal : Signals)
        std::signal(Signal, SIG_DFL);
    delete FNotifier;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

void TerminationRequests::Arrived()
{
    char Bytes[16];
    ssize_t Read = 0;
    while ((Read = ::read(Pipe[1], Bytes, sizeof Bytes)) > 0)
        FLastSignal = static_cast<unsigned char>(Bytes[Read - 1]);
    if (FHandling)
        return;
    ++FCount;
    if (FHandler) {
        FHandling = true;
        FHandler(FLastSignal);
        FHandling = false;
    } else {
        // Modal boxes first (a question open is answered as its close box
        // would), then the windows under them, each through its close query.
        QApplication::closeAllWindows();
    }
    Q_EMIT Requested();
}

void ExitNow(int Status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(Status);
}

} // namespace platform
