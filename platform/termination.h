#pragma once
// A request to end the program from outside (SIGTERM when the desktop
// session ends or `kill` is used, SIGHUP when its terminal goes, SIGINT from
// Ctrl+C). Nobody is there to answer a question, and the system kills a
// program that lingers, so such a request must end the program at once
// with nothing lost: the program installs a handler that saves what it
// must and ends the process (ExitNow). Without a handler the windows are
// closed through their close query, as their close button does.
//
// The signal handler itself only writes a byte to a pipe that the event
// loop reads, so the saving runs on the main thread at the next turn of
// whichever event loop is running (a modal box's too). Further signals
// while it runs are only more bytes in the pipe: they cannot cut a write.
#include <QObject>

#include <functional>

class QSocketNotifier;

namespace platform {

class TerminationRequests : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one instance at a time, normally main's.
    explicit TerminationRequests(QObject* Parent = nullptr);
    ~TerminationRequests() override;

    // How many requests have arrived.
    int Count() const { return FCount; }
    // The signal of the last request (0 before the first).
    int LastSignal() const { return FLastSignal; }

    // Runs for the first request instead of closing the windows; it is
    // expected to end the process. Later requests are ignored while it runs.
    void SetHandler(std::function<void(int Signal)> Handler) { FHandler = std::move(Handler); }

Q_SIGNALS:
    // After the request was handled (the windows were asked to close, or
    // the handler returned).
    void Requested();

private:
    void Arrived();

    QSocketNotifier* FNotifier = nullptr;
    std::function<void(int)> FHandler;
    bool FHandling = false;
    int FCount = 0;
    int FLastSignal = 0;
};

// Ends the process now with Status, without unwinding the event loops or
// running destructors: what had to be kept has been written. Standard
// output and error are flushed first.
[[noreturn]] void ExitNow(int Status);

} // namespace platform
