#include "game/computerplayer.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "game/cardcomponents.h"
#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/gamestate.h"
#include "game/racerules.h"

void TComputerPlayer::Tick()
{
    if (State.UserStuck && State.ComputerStuck)
        Rules.Stalemate();
    else if (State.ComputerStuck)
        return;
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
    {
        const TPileBusyGuard Busy(State, Cards, Pile);
        PlaySlotOnto(Slot, Pile);
    }

    ++State.ComputerPlayed;
    if (State.ComputerPlayed >= State.TargetCount && !State.UserWon) {
        State.ComputerWon = true;
        Host.Post(MsgGameOver);
        Rules.PlayGameSound("YouLost");
    } else {
        Host.Post(MsgRefillComputer, Cards.SlotNumber(ComputerSide, Slot));
    }
}
