#include "game/computerplayer.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "game/cardcomponents.h"
#include "game/cardflights.h"
#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/gamestate.h"
#include "game/racerules.h"

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

    // Its own centre pile first, with any of the four slots; then the user's.
    const struct {
        TLuCardTable* Pile;
        bool Busy;
    } Choices[] = {{Cards.CardTable2, State.Pile2Busy}, {Cards.CardTable1, State.Pile1Busy}};
    for (const auto& Choice : Choices) {
        if (Choice.Busy)
            continue;
        for (TLuCardGroup* Slot : Cards.Slots(ComputerSide)) {
            if (SlotHoldsCard(Slot) && gamerules::IsAdjacent(SlotValue(Slot), TopValue(Choice.Pile))) {
                Play(Slot, Choice.Pile);
                return;
            }
        }
    }
}

void TComputerPlayer::Play(TLuCardGroup* Slot, TLuCardTable* Pile)
{
    Flights.PlayOnto(Slot, 0, Pile, TCardFlights::PlayMs, [this, Slot] { Counted(Slot); });
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
