#pragma once
// A list of races on the local network that a test sets by hand: no
// daemon, no network.
#include "dialogs/racelist.h"

class TFakeRaceList : public TRaceList {
public:
    TState Now = TState::Looking;
    QString Failure;
    std::vector<TListedRace> Listed;

    TState State() const override { return Now; }
    QString Error() const override { return Failure; }
    std::vector<TListedRace> Races() const override { return Listed; }

    void Set(TState State, std::vector<TListedRace> Races = {})
    {
        Now = State;
        Listed = std::move(Races);
        Q_EMIT Changed();
    }
};
