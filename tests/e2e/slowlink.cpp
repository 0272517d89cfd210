// A slow, lossy wire between two TUN devices, for racing over a bad
// connection on a kernel without netem: every IP packet read from one device
// is written to the other after a fixed delay, unless a seeded coin drops it.
// Each direction keeps its packets' order, as netem with a fixed delay does.
//
// Usage: slowlink TUN_A TUN_B [--netns-a NS] [--netns-b NS]
//                 [--delay-ms 50] [--loss 0.01] [--seed 1]
// A device is opened by name (and made when it does not exist) in the named
// network namespace (/var/run/netns/NS), or in our own without one. The line
// "slowlink: ready" says both are attached. SIGTERM or SIGINT prints the
// counts of each direction and ends with status 0.
#include <fcntl.h>
#include <linux/if.h>
#include <linux/if_tun.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

struct TPacket {
    TClock::time_point Due;
    std::vector<unsigned char> Bytes;
};

struct TDirection {
    int From = -1;
    int To = -1;
    std::string Name;
    std::deque<TPacket> InFlight; // due times only grow: the front is next
    std::size_t BytesInFlight = 0;
    std::mt19937_64 Coin;
    unsigned long Forwarded = 0;
    unsigned long Dropped = 0;
    unsigned long Unsent = 0; // the receiving device refused the write
};

// Beyond this a direction's queue drops, as a router's full buffer would;
// only a flood could fill it at the speeds a test needs.
constexpr std::size_t MaxBytesInFlight = 8u << 20;

[[noreturn]] void Die(const std::string& What)
{
    std::fprintf(stderr, "slowlink: %s: %s\n", What.c_str(), std::strerror(errno));
    std::exit(2);
}

// The namespace counts when /dev/net/tun is opened, not when the device is
// named, so the open happens inside it; then back to our own.
int OpenTun(const std::string& Name, const std::string& Netns)
{
    int Home = -1;
    if (!Netns.empty()) {
        Home = open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
        const int Target = open(("/var/run/netns/" + Netns).c_str(), O_RDONLY | O_CLOEXEC);
        if (Home < 0 || Target < 0 || setns(Target, CLONE_NEWNET) != 0)
            Die("cannot enter network namespace " + Netns);
        close(Target);
    }
    const int Fd = open("/dev/net/tun", O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (Fd < 0)
        Die("cannot open /dev/net/tun");
    ifreq Request{};
    Request.ifr_flags = IFF_TUN | IFF_NO_PI;
    if (Name.size() >= sizeof Request.ifr_name) {
        errno = ENAMETOOLONG;
        Die("device " + Name);
    }
    std::memcpy(Request.ifr_name, Name.c_str(), Name.size());
    if (ioctl(Fd, TUNSETIFF, &Request) != 0)
        Die("cannot attach to " + Name);
    if (Home >= 0) {
        if (setns(Home, CLONE_NEWNET) != 0)
            Die("cannot go back to our own network namespace");
        close(Home);
    }
    return Fd;
}

// Reads what the device holds now; each packet is lost or queued.
void Take(TDirection& D, double Loss, std::chrono::milliseconds Delay)
{
    std::bernoulli_distribution Lost(Loss);
    unsigned char Buffer[65536];
    for (int N = 0; N < 256; ++N) { // then the other direction gets its turn
        const ssize_t Size = read(D.From, Buffer, sizeof Buffer);
        if (Size < 0 && errno != EAGAIN && errno != EINTR)
            Die("read from " + D.Name);
        if (Size <= 0)
            return;
        if (Lost(D.Coin) || D.BytesInFlight + static_cast<std::size_t>(Size) > MaxBytesInFlight) {
            ++D.Dropped;
            continue;
        }
        D.InFlight.push_back({TClock::now() + Delay, {Buffer, Buffer + Size}});
        D.BytesInFlight += static_cast<std::size_t>(Size);
    }
}

// Writes every packet whose time has come.
void Deliver(TDirection& D, TClock::time_point Now)
{
    while (!D.InFlight.empty() && D.InFlight.front().Due <= Now) {
        const std::vector<unsigned char>& Bytes = D.InFlight.front().Bytes;
        if (write(D.To, Bytes.data(), Bytes.size()) == static_cast<ssize_t>(Bytes.size()))
            ++D.Forwarded;
        else
            ++D.Unsent;
        D.BytesInFlight -= Bytes.size();
        D.InFlight.pop_front();
    }
}

void Report(const TDirection& D)
{
    std::printf("slowlink: %s: %lu forwarded, %lu dropped", D.Name.c_str(), D.Forwarded, D.Dropped);
    if (D.Unsent)
        std::printf(", %lu not taken by the device", D.Unsent);
    std::printf(", %zu still in flight\n", D.InFlight.size());
}

[[noreturn]] void Usage()
{
    std::fprintf(stderr, "usage: slowlink TUN_A TUN_B [--netns-a NS] [--netns-b NS] "
                         "[--delay-ms MS] [--loss P] [--seed N]\n");
    std::exit(2);
}

} // namespace

int main(int Argc, char** Argv)
{
    std::vector<std::string> Devices;
    std::string NetnsA, NetnsB;
    long DelayMs = 50;
    double Loss = 0.01;
    unsigned long long Seed = 1;
    for (int I = 1; I < Argc; ++I) {
        const std::string Arg = Argv[I];
        const bool HasValue = I + 1 < Argc;
        char* End = nullptr;
        if (Arg == "--netns-a" && HasValue) {
            NetnsA = Argv[++I];
        } else if (Arg == "--netns-b" && HasValue) {
            NetnsB = Argv[++I];
        } else if (Arg == "--delay-ms" && HasValue) {
            DelayMs = std::strtol(Argv[++I], &End, 10);
            if (*End || DelayMs < 0)
                Usage();
        } else if (Arg == "--loss" && HasValue) {
            Loss = std::strtod(Argv[++I], &End);
            if (*End || !(Loss >= 0 && Loss <= 1))
                Usage();
        } else if (Arg == "--seed" && HasValue) {
            Seed = std::strtoull(Argv[++I], &End, 10);
            if (*End)
                Usage();
        } else if (Arg.starts_with("-") || Devices.size() == 2) {
            Usage();
        } else {
            Devices.push_back(Arg);
        }
    }
    if (Devices.size() != 2)
        Usage();

    // The signals come through a descriptor, so that one arriving between
    // two polls is not lost.
    sigset_t Signals;
    sigemptyset(&Signals);
    sigaddset(&Signals, SIGTERM);
    sigaddset(&Signals, SIGINT);
    if (sigprocmask(SIG_BLOCK, &Signals, nullptr) != 0)
        Die("cannot block the signals");
    const int SignalFd = signalfd(-1, &Signals, SFD_CLOEXEC);
    if (SignalFd < 0)
        Die("cannot make a signal descriptor");

    const int A = OpenTun(Devices[0], NetnsA), B = OpenTun(Devices[1], NetnsB);
    // Each direction its own coin: which packets are lost then depends only
    // on the seed and the order of that direction's packets.
    TDirection Directions[2];
    Directions[0].From = Directions[1].To = A;
    Directions[0].To = Directions[1].From = B;
    Directions[0].Name = Devices[0] + " -> " + Devices[1];
    Directions[1].Name = Devices[1] + " -> " + Devices[0];
    Directions[0].Coin.seed(Seed);
    Directions[1].Coin.seed(Seed ^ 0x9e3779b97f4a7c15ull);
    const std::chrono::milliseconds Delay(DelayMs);
    std::printf("slowlink: ready: %s <-> %s, %ld ms each way, %g lost, seed %llu\n", Devices[0].c_str(),
                Devices[1].c_str(), DelayMs, Loss, Seed);
    std::fflush(stdout);

    for (;;) {
        // Sleep until a device has a packet, a signal comes, or the next
        // packet in flight is due.
        timespec Timeout{};
        timespec* Wait = nullptr;
        TClock::time_point Next = TClock::time_point::max();
        for (const TDirection& D : Directions)
            if (!D.InFlight.empty() && D.InFlight.front().Due < Next)
                Next = D.InFlight.front().Due;
        if (Next != TClock::time_point::max()) {
            const auto Left = std::chrono::duration_cast<std::chrono::nanoseconds>(Next - TClock::now());
            const long long Ns = Left.count() > 0 ? Left.count() : 0;
            Timeout.tv_sec = static_cast<time_t>(Ns / 1000000000);
            Timeout.tv_nsec = static_cast<long>(Ns % 1000000000);
            Wait = &Timeout;
        }
        pollfd Fds[3] = {{A, POLLIN, 0}, {B, POLLIN, 0}, {SignalFd, POLLIN, 0}};
        if (ppoll(Fds, 3, Wait, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            Die("poll");
        }
        if (Fds[2].revents & POLLIN)
            break;
        for (int I = 0; I < 2; ++I) {
            if (Fds[I].revents & (POLLERR | POLLHUP | POLLNVAL)) {
                errno = EIO;
                Die("device of " + Directions[I].Name + " failed");
            }
            if (Fds[I].revents & POLLIN)
                Take(Directions[I], Loss, Delay);
        }
        const TClock::time_point Now = TClock::now();
        for (TDirection& D : Directions)
            Deliver(D, Now);
    }
    for (const TDirection& D : Directions)
        Report(D);
    std::fflush(stdout);
    return 0;
}
