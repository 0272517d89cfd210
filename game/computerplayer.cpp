#include "game/computerplayer.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "game/gamerules.h"
#include "game/mainform.h"
#include "game/racerules.h"

void TComputerPlayer::Tick()
{
    if (F.UserStuck && F.ComputerStuck)
        F.Stalemate();
    else if (F.ComputerStuck)
        return;
    if (F.UserWon || F.ComputerWon)
        return;

    // Its own centre pile first, with any of the four slots; then the user's.
    const struct {
        TLuCardTable* Pile;
        bool Busy;
    } Choices[] = {{F.CardTable2, F.Pile2Busy}, {F.CardTable1, F.Pile1Busy}};
    for (const auto& Choice : Choices) {
        if (Choice.Busy)
            continue;
        for (TLuCardGroup* Slot : F.Slots(ComputerSide)) {
            if (SlotHoldsCard(Slot) && gamerules::IsAdjacent(SlotValue(Slot), TopValue(Choice.Pile))) {
                F.ComputerPlay(Slot, Choice.Pile);
                return;
            }
        }
    }
}

void TComputerPlayer::Play(TLuCardGroup* Slot, TLuCardTable* Pile)
{
    bool& Busy = PileBusy(F, Pile);
    Busy = true;
    PlaySlotOnto(Slot, Pile);
    Busy = false;

    ++F.ComputerPlayed;
    if (F.ComputerPlayed >= F.TargetCount && !F.UserWon) {
        F.ComputerWon = true;
        F.Post(MsgGameOver);
        F.PlayGameSound("YouLost");
    } else {
        F.Post(MsgRefillComputer, F.SlotNumber(ComputerSide, Slot));
    }
}
