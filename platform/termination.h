#pragma once
// A request to end the program from outside (SIGTERM when the desktop
// session ends, SIGHUP when its terminal goes, SIGINT from Ctrl+C) closes
// the windows the way their close button does: a running deal asks first,
// and the settings are written at the close. Without this the program would
// die on the spot and lose every setting and score of the session.
#include <QObject>

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

Q_SIGNALS:
    // After the windows were asked to close.
    void Requested();

private:
    void Arrived();

    QSocketNotifier* FNotifier = nullptr;
    int FCount = 0;
};

} // namespace platform
