#include "game/solo/computerplayer.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "game/table/cardcomponents.h"
#include "game/table/cardflights.h"
#include "game/table/flightpace.h"
#include "game/table/gamehost.h"
#include "core/moves.h"
#include "game/table/gamestate.h"
#include "game/solo/solorules.h"

void TComputerPlayer::Tick()
{
    if (State.UserStuck && State.ComputerStuck) {
        // Cards still in the air may free a side; their landing looks again.
        if (Flights.InAir())
            return;
        Rules.Stalemate();
    } else if (State.ComputerStuck) {
        return;
    }
    if (State.UserWon || State.ComputerWon)
        return;

    // Its own centre pile (the right) first, with any of the four slots; then the user's.
    const auto Move = core::ComputerMove(Cards.Hand(ComputerSide), Cards.CentreTops(), {1, 0},
                                         {State.Pile1Busy, State.Pile2Busy});
    if (Move)
        Play(Cards.Slot(ComputerSide, Move->Slot + 1), Cards.Centre(Move->Centre));
}

void TComputerPlayer::Play(TLuCardGroup* Slot, TLuCardTable* Pile)
{
    Flights.PlayOnto(Slot, 0, Pile, TFlightPace::PlayMs, [this, Slot] { Counted(Slot); });
}

void TComputerPlayer::Counted(TLuCardGroup* Slot)
{
    ++State.ComputerPlayed;
    if (State.ComputerPlayed >= State.TargetCount && !State.UserWon) {
        State.ComputerWon = true;
        Host.Post(MsgGameOver);
        Rules.PlayGameSound("YouLost");
    } else {
        Host.Post(MsgRefillComputer, Cards.SlotNumber(ComputerSide, Slot));
    }
}
