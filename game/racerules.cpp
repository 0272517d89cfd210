#include "game/racerules.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "game/gamerules.h"
#include "game/mainform.h"

#include <QTimer>

namespace {

constexpr int TopPosition = TLuCardTable::PosTop;

} // namespace

int TopCardIndex(const TLuCardGroup* Group)
{
    for (int I = Group->ItemCount() - 1; I >= 0; --I)
        if (const TLuSingleCard* Card = Group->CardAt(I); Card && !Card->Empty())
            return I;
    return -1;
}

bool SlotHoldsCard(TLuCardGroup* Slot)
{
    return Slot && Slot->NonEmptyCount() >= 1;
}

int SlotValue(TLuCardGroup* Slot)
{
    const TLuSingleCard* Card = Slot->CardAt(0);
    return Card ? Card->Value() : 0;
}

int TopValue(const TLuCardTable* Pile)
{
    return Pile->CardTop()->Value();
}

bool TRaceRules::SideCanPlay(int Side)
{
    bool CanPlay = false;
    for (TLuCardGroup* Slot : F.Slots(Side)) {
        if (SlotHoldsCard(Slot)
            && (gamerules::IsAdjacent(SlotValue(Slot), TopValue(F.CardTable1))
                || gamerules::IsAdjacent(SlotValue(Slot), TopValue(F.CardTable2)))) {
            CanPlay = true;
            break;
        }
    }
    F.ShowWaitSign(Side, !CanPlay);
    return CanPlay;
}

bool& PileBusy(TMainForm& F, const TLuCardTable* Pile)
{
    return Pile == F.CardTable1 ? F.Pile1Busy : F.Pile2Busy;
}

void PlaySlotOnto(TLuCardGroup* Slot, TLuCardTable* Pile)
{
    Slot->SetTable(Pile);
    Pile->SetLandingPosition(TopPosition);
    Slot->PlayCard(0, false, tpTop);
}

TLuCardTable* TRaceRules::ChoosePile(TLuCardGroup* Slot) const
{
    if (!SlotHoldsCard(Slot))
        return nullptr;
    const int Value = SlotValue(Slot);
    if (!F.Pile1Busy && gamerules::IsAdjacent(Value, TopValue(F.CardTable1)))
        return F.CardTable1;
    if (!F.Pile2Busy && gamerules::IsAdjacent(Value, TopValue(F.CardTable2)))
        return F.CardTable2;
    return nullptr;
}

template <typename TPlay>
void TRaceRules::UserPlay(TLuCardGroup* Slot, TPlay&& Play)
{
    TLuCardTable* Pile = ChoosePile(Slot);
    if (!Pile)
        return;
    bool& Busy = PileBusy(F, Pile);
    Busy = true;
    F.PlayGameSound("PlayCard");
    Slot->SetTable(Pile);
    Pile->SetLandingPosition(TopPosition);
    Play();
    Busy = false;
    CountUserPlay(Slot);
}

void TRaceRules::UserClick(TLuCardGroup* Slot, bool& PlayIt)
{
    // The group plays the card itself once the click handler has returned.
    UserPlay(Slot, [&PlayIt] { PlayIt = true; });
}

void TRaceRules::UserKey(QChar Key)
{
    if (Key < u'1' || Key > u'4')
        return;
    TLuCardGroup* Slot = F.Slot(UserSide, Key.unicode() - u'0');
    UserPlay(Slot, [Slot] { Slot->PlayCard(0, false, tpTop); });
}

void TRaceRules::CountUserPlay(TLuCardGroup* Slot)
{
    ++F.UserPlayed;
    F.UpdateScoreLabel();
    // Once a deal has ended, the cards left in the user's hand can still be
    // played and scored, but they no longer decide a winner: that deal has one.
    if (F.InGame && F.UserPlayed >= F.TargetCount && !F.ComputerWon) {
        F.UserWon = true;
        F.Post(MsgGameOver);
        F.PlayGameSound("YouWon");
    } else {
        F.Post(MsgRefillUser, F.SlotNumber(UserSide, Slot));
    }
}

void TRaceRules::RefillSlot(int Side, int SlotNumber)
{
    TLuCardGroup* Pile = F.Pile(Side);
    TLuCardGroup* Slot = F.Slot(Side, SlotNumber);
    const int Top = TopCardIndex(Pile);
    if (Slot && Top >= 0) {
        TLuCardTable* Station = F.TempTable(Side);
        Slot->SetTable(Station);
        Station->SetLandingPosition(TopPosition);
        Pile->PlayCard(Top, false, tpTop);
        Station->TakeTopCard(Slot);
    }
    UpdateStuck();
    // After a deal has ended nothing turns new centre cards: that would
    // start the computer again on a finished deal.
    if (F.UserStuck && F.ComputerStuck && F.InGame)
        Stalemate();
}

void TRaceRules::UpdateStuck()
{
    F.UserStuck = !SideCanPlay(UserSide);
    F.ComputerStuck = !SideCanPlay(ComputerSide);
}

void TRaceRules::Stalemate()
{
    F.Timer->stop();
    F.PlayGameSound("NoPlay");
    F.Play1Pile->SetTable(F.CardTable1);
    F.Play2Pile->SetTable(F.CardTable2);
    do {
        TurnSideCard(UserSide);
        TurnSideCard(ComputerSide);
        ++F.UserPlayed;
        ++F.ComputerPlayed;
        F.UpdateScoreLabel();
        UpdateStuck();
    } while (F.UserStuck && F.ComputerStuck && (TopCardIndex(F.Play1Pile) >= 0 || TopCardIndex(F.Play2Pile) >= 0));

    if (F.UserPlayed >= F.TargetCount)
        F.UserWon = true;
    if (F.ComputerPlayed >= F.TargetCount)
        F.ComputerWon = true;
    if (F.UserWon || F.ComputerWon) {
        F.Post(MsgGameOver);
        F.PlayGameSound(F.UserWon ? "YouWon" : "YouLost");
        return;
    }
    F.ShowWaitSign(UserSide, F.UserStuck);
    F.ShowWaitSign(ComputerSide, F.ComputerStuck);
    F.Play1Pile->SetTable(F.TempTable1);
    F.Play2Pile->SetTable(F.TempTable2);
    F.Timer->start();
}

void TRaceRules::TurnSideCard(int Side)
{
    TLuCardTable* Centre = F.CentrePile(Side);
    TLuCardGroup* Pile = F.Pile(Side);
    if (const int Top = TopCardIndex(Pile); Top >= 0) {
        Centre->SetLandingPosition(TopPosition);
        Pile->PlayCard(Top, false, tpTop);
        return;
    }
    for (TLuCardGroup* Slot : F.Slots(Side)) {
        if (SlotHoldsCard(Slot)) {
            PlaySlotOnto(Slot, Centre);
            return;
        }
    }
}
