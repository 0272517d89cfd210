#pragma once
// The flow of a deal: dealing both sides from a freshly shuffled deck each,
// the score at the start of a deal in either scoring style, the end of a
// deal with its bonus, the question to play again and the Hall of Fame
// offer, and the question before closing during a deal.
#include "dialogs/halloffametable.h"
#include "platform/systemclock.h"

#include <QString>
#include <functional>
#include <optional>

class TCardFlights;
class TGameHost;
class TSoloRules;
struct TCardComponents;
struct TGameState;

class TDealFlow {
public:
    TDealFlow(TGameState& State, TCardComponents& Cards, TGameHost& Host, TSoloRules& Rules, TCardFlights& Flights)
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
    // Before something else takes the table (a race against another
    // player): during a deal asks Question, and on Yes leaves the deal
    // paused (the computer stopped, the cards landed) for Abandon or Resume.
    // False when the user keeps playing: the deal goes on.
    bool AskToLeave(const QString& Question);
    // The paused deal goes on as it was (the other thing never started).
    void Resume();
    // The paused deal is given up: it counts as lost, nothing runs, keys
    // play nothing and the Help menu is back.
    void Abandon();
    // Runs Box (a window opened over the table) with every card in the air
    // landed first; what their landings start runs after it.
    void OverTheTable(const std::function<void()>& Box);
    // The program is ending on a request from outside, with nobody to
    // answer a question: a running deal is given up (counted as lost, as a
    // close is), and a win still waiting for its name (its question to play
    // again or the name box is open) enters the Hall of Fame under Name.
    void Terminate(const QString& Name);

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
    TSoloRules& Rules;
    TCardFlights& Flights;
    platform::SystemTime FSideSeeded;
    // The Hall of Fame as it was before a won deal's entry, from its question
    // to play again until its name has been given or refused: the name box
    // lays a nameless entry in while it is open.
    std::optional<THallOfFameTable> FHallBeforeName;
};
