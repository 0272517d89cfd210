#pragma once
// The flow of a deal: dealing both sides from a freshly shuffled deck each,
// the score at the start of a deal in either scoring style, the end of a
// deal with its bonus, the question to play again and the Hall of Fame
// offer, and the question before closing during a deal.
#include "platform/systemclock.h"

#include <QString>

class TCardFlights;
class TGameHost;
class TRaceRules;
struct TCardComponents;
struct TGameState;

class TDealFlow {
public:
    TDealFlow(TGameState& State, TCardComponents& Cards, TGameHost& Host, TRaceRules& Rules, TCardFlights& Flights)
        : State(State)
        , Cards(Cards)
        , Host(Host)
        , Rules(Rules)
        , Flights(Flights)
    {
    }

    // A new deal; during a deal it first asks to quit it. Cards still in
    // the air from the last one are put at their places first.
    void Deal();
    // The end of a deal, on the posted game-over message: once the last card
    // in the air has landed.
    void GameOver();
    // False while the user keeps a running deal; stops the computer first.
    // When the window may close, no card stays in the air.
    bool CloseQuery();
    // Ends a running deal for something else (a race against another
    // player) once the user has said Yes to Question; it counts as lost.
    // True when no deal runs any more.
    bool GiveUp(const QString& Question);

private:
    void DealSide(int Side);
    // The rest of a deal once its cards lie: the start box and the race.
    void Dealt();
    void StartScore();
    // The statistics: a deal counts from the start box's OK; one given up
    // (a new deal or the close while it runs) counts as lost.
    void StartCounting();
    void CountEnd(bool Won);

    TGameState& State;
    TCardComponents& Cards;
    TGameHost& Host;
    TRaceRules& Rules;
    TCardFlights& Flights;
    platform::SystemTime FSideSeeded;
};
