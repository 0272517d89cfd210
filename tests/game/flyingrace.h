#pragma once
// The race on a stand-in host with its cards flying, the flights' time
// moved by the test: what the tests of cards in the air stand on.
#include "cardlib/luflightlayer.h"
#include "tests/game/fakehost.h"
#include "tests/game/gametesting.h"

namespace gametesting {

class FlyingRace : public RaceGameTest {
protected:
    void SetUp() override
    {
        RaceGameTest::SetUp();
        TLuFlightLayer::SetManualTime(true);
        State.AnimateCards = true;
    }
    void TearDown() override { TLuFlightLayer::SetManualTime(false); }

    TLuFlightLayer& Layer() { return *Game->Flights.Layer(); }

    // Time passes for the flights; then the posted messages run.
    void Pass(int Milliseconds)
    {
        Layer().Advance(Milliseconds);
        Drain();
    }

    // A deal whose cards have all landed and whose start box was answered,
    // then emptied as the test needs it.
    void ClearedDeal(int Centre1, int Centre2)
    {
        if (State.InGame)
            Host.Answers.push_back(true); // "Quit game and re-deal?"
        Game->Flow.Deal();
        for (int I = 0; I < 100 && Game->Flights.InAir(); ++I)
            Pass(16);
        ASSERT_TRUE(State.InGame);
        ClearTable(State, Cards, Centre1, Centre2);
        Host.Sounds.clear();
        Host.Boxes.clear();
    }
};

} // namespace gametesting
