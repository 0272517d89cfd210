#pragma once
// The races being hosted on the local network, as the join window shows
// them: whatever looks for them (the Avahi daemon's browser, or a test's
// list) gives them here, already checked, and says when they change.
#include <QObject>
#include <QString>

#include <vector>

struct TListedRace {
    QString Name;    // the host's
    QString Address; // HOST:PORT, as the address box takes it
    bool operator==(const TListedRace&) const = default;
};

class TRaceList : public QObject {
    Q_OBJECT
public:
    enum class TState {
        Looking,  // the first answers are not in yet
        Ready,    // Races() is what the network has
        NoDaemon, // nothing can look: no Avahi daemon runs here
        Failed,   // nothing can look, for Error()
    };

    using QObject::QObject;
    ~TRaceList() override;

    virtual TState State() const = 0;
    virtual QString Error() const = 0;
    virtual std::vector<TListedRace> Races() const = 0;

Q_SIGNALS:
    void Changed();
};
