#pragma once
// The race as one object: the flights its cards take, the rules of a move,
// the computer and the flow of a deal, wired to one game state, one set of
// card components and one host.
// The window holds one and passes its handlers to it while no race against
// another player is on (TTableMode); a test can hold one on a stand-in host
// with no window at all.
#include "game/table/cardflights.h"
#include "game/solo/computerplayer.h"
#include "game/solo/dealflow.h"
#include "game/solo/solorules.h"
#include "game/table/tablemode.h"

class TSoloGame final : public TTableMode {
public:
    TSoloGame(TGameState& State, TCardComponents& Cards, TGameHost& Host)
        : Flights(State, Cards)
        , Rules(State, Cards, Host, Flights)
        , Computer(State, Cards, Host, Rules, Flights)
        , Flow(State, Cards, Host, Rules, Flights)
    {
    }

    TCardFlights Flights;
    TSoloRules Rules;
    TComputerPlayer Computer;
    TDealFlow Flow;

    // TTableMode
    void Key(QChar Key) override { Rules.UserKey(Key); }
    void Click(TLuCardGroup* Slot) override
    {
        bool PlayIt = false;
        Rules.UserClick(Slot, PlayIt);
    }
    void Deal() override { Flow.Deal(); }
    bool CloseQuery() override { return Flow.CloseQuery(); }
};
