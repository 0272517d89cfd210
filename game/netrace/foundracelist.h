#pragma once
// The races the Avahi daemon finds on the local network, as the join
// window lists them (TRaceList): the browser's checked races with the
// address the join window takes, and its status in the window's terms.
#include "dialogs/racelist.h"

namespace network {
class TRaceBrowser;
}

class TFoundRaceList : public TRaceList {
public:
    // Starts browsing at once; stops with the object.
    explicit TFoundRaceList(QObject* Parent = nullptr);
    ~TFoundRaceList() override;

    TState State() const override;
    QString Error() const override;
    std::vector<TListedRace> Races() const override;

private:
    network::TRaceBrowser* FBrowser;
};
