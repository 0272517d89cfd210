#pragma once
// The computer opponent: no lookahead and no memory. Each tick of its clock
// makes at most one move, the first that fits in a fixed order: its own
// centre pile with any slot before the user's centre pile. Its strength is
// the clock's pace alone.
class TCardFlights;
class TLuCardGroup;
class TLuCardTable;
class TGameHost;
class TSoloRules;
struct TCardComponents;
struct TGameState;

class TComputerPlayer {
public:
    TComputerPlayer(TGameState& State, TCardComponents& Cards, TGameHost& Host, TSoloRules& Rules,
                    TCardFlights& Flights)
        : State(State)
        , Cards(Cards)
        , Host(Host)
        , Rules(Rules)
        , Flights(Flights)
    {
    }

    // One tick: the stalemate when both sides are stuck (once nothing is in
    // the air), then (unless the computer waits for the user or a side has
    // won) the first move that fits.
    void Tick();
    // Plays Slot's card onto Pile and, once it has landed, counts it and
    // posts the refill or, with the last card, the end of the deal.
    void Play(TLuCardGroup* Slot, TLuCardTable* Pile);

private:
    // The count of a landed play, and the refill or the end it leads to.
    void Counted(TLuCardGroup* Slot);

    TGameState& State;
    TCardComponents& Cards;
    TGameHost& Host;
    TSoloRules& Rules;
    TCardFlights& Flights;
};
