#pragma once
// The computer opponent: no lookahead and no memory. Each tick of its clock
// makes at most one move, the first that fits in a fixed order: its own
// centre pile with any slot before the user's centre pile. Its strength is
// the clock's pace alone.
class TLuCardGroup;
class TLuCardTable;
class TGameHost;
class TRaceRules;
struct TCardComponents;
struct TGameState;

class TComputerPlayer {
public:
    TComputerPlayer(TGameState& State, TCardComponents& Cards, TGameHost& Host, TRaceRules& Rules)
        : State(State)
        , Cards(Cards)
        , Host(Host)
        , Rules(Rules)
    {
    }

    // One tick: the stalemate when both sides are stuck, then (unless the
    // computer waits for the user or a side has won) the first move that fits.
    void Tick();
    // Plays Slot's card onto Pile and counts it; posts the refill or, with the
    // last card, the end of the deal.
    void Play(TLuCardGroup* Slot, TLuCardTable* Pile);

private:
    TGameState& State;
    TCardComponents& Cards;
    TGameHost& Host;
    TRaceRules& Rules;
};
