#pragma once
// The flow of a deal: dealing both sides from a freshly shuffled deck each,
// the score at the start of a deal in either scoring style, the end of a
// deal with its bonus, the question to play again and the Hall of Fame
// offer, and the question before closing during a deal.
#include "platform/systemclock.h"

class TGameHost;
class TRaceRules;
struct TCardComponents;
struct TGameState;

class TDealFlow {
public:
    TDealFlow(TGameState& State, TCardComponents& Cards, TGameHost& Host, TRaceRules& Rules)
        : State(State)
        , Cards(Cards)
        , Host(Host)
        , Rules(Rules)
    {
    }

    // A new deal; during a deal it first asks to quit it.
    void Deal();
    // The end of a deal, on the posted game-over message.
    void GameOver();
    // False while the user keeps a running deal; stops the computer first.
    bool CloseQuery();

private:
    void DealSide(int Side);
    void StartScore();

    TGameState& State;
    TCardComponents& Cards;
    TGameHost& Host;
    TRaceRules& Rules;
    platform::SystemTime FSideSeeded;
};
