#include "game/racerules.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "game/cardcomponents.h"
#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/gamestate.h"

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

bool& PileBusy(TGameState& State, const TCardComponents& Cards, const TLuCardTable* Pile)
{
    return Pile == Cards.CardTable1 ? State.Pile1Busy : State.Pile2Busy;
}

TPileBusyGuard::TPileBusyGuard(TGameState& State, const TCardComponents& Cards, const TLuCardTable* Pile)
    : FBusy(PileBusy(State, Cards, Pile))
{
    FBusy = true;
}

TPileBusyGuard::~TPileBusyGuard()
{
    FBusy = false;
}

void PlaySlotOnto(TLuCardGroup* Slot, TLuCardTable* Pile)
{
    Slot->SetTable(Pile);
    Pile->SetLandingPosition(TopPosition);
    Slot->PlayCard(0, false, tpTop);
}

void TRaceRules::UpdateScoreLabel()
{
    ++State.Score;
    Host.ShowScore(State.Score);
}

void TRaceRules::PlayGameSound(const char* Name)
{
    if (State.SoundsOn)
        Host.PlaySound(Name);
}

bool TRaceRules::SideCanPlay(int Side)
{
    bool CanPlay = false;
    for (TLuCardGroup* Slot : Cards.Slots(Side)) {
        if (SlotHoldsCard(Slot)
            && (gamerules::IsAdjacent(SlotValue(Slot), TopValue(Cards.CardTable1))
                || gamerules::IsAdjacent(SlotValue(Slot), TopValue(Cards.CardTable2)))) {
            CanPlay = true;
            break;
        }
    }
    Host.ShowWaitSign(Side, !CanPlay);
    return CanPlay;
}

TLuCardTable* TRaceRules::ChoosePile(TLuCardGroup* Slot) const
{
    if (!SlotHoldsCard(Slot))
        return nullptr;
    const int Value = SlotValue(Slot);
    if (!State.Pile1Busy && gamerules::IsAdjacent(Value, TopValue(Cards.CardTable1)))
        return Cards.CardTable1;
    if (!State.Pile2Busy && gamerules::IsAdjacent(Value, TopValue(Cards.CardTable2)))
        return Cards.CardTable2;
    return nullptr;
}

template <typename TPlay>
void TRaceRules::UserPlay(TLuCardGroup* Slot, TPlay&& Play)
{
    TLuCardTable* Pile = ChoosePile(Slot);
    if (!Pile)
        return;
    {
        const TPileBusyGuard Busy(State, Cards, Pile);
        PlayGameSound("PlayCard");
        Slot->SetTable(Pile);
        Pile->SetLandingPosition(TopPosition);
        Play();
    }
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
    TLuCardGroup* Slot = Cards.Slot(UserSide, Key.unicode() - u'0');
    UserPlay(Slot, [Slot] { Slot->PlayCard(0, false, tpTop); });
}

void TRaceRules::CountUserPlay(TLuCardGroup* Slot)
{
    ++State.UserPlayed;
    UpdateScoreLabel();
    // Once a deal has ended, the cards left in the user's hand can still be
    // played and scored, but they no longer decide a winner: that deal has one.
    if (State.InGame && State.UserPlayed >= State.TargetCount && !State.ComputerWon) {
        State.UserWon = true;
        Host.Post(MsgGameOver);
        PlayGameSound("YouWon");
    } else {
        Host.Post(MsgRefillUser, Cards.SlotNumber(UserSide, Slot));
    }
}

void TRaceRules::RefillSlot(int Side, int SlotNumber)
{
    TLuCardGroup* Pile = Cards.Pile(Side);
    TLuCardGroup* Slot = Cards.Slot(Side, SlotNumber);
    const int Top = TopCardIndex(Pile);
    if (Slot && Top >= 0) {
        TLuCardTable* Station = Cards.TempTable(Side);
        Slot->SetTable(Station);
        Station->SetLandingPosition(TopPosition);
        Pile->PlayCard(Top, false, tpTop);
        Station->TakeTopCard(Slot);
    }
    UpdateStuck();
    // After a deal has ended nothing turns new centre cards: that would
    // start the computer again on a finished deal.
    if (State.UserStuck && State.ComputerStuck && State.InGame)
        Stalemate();
}

void TRaceRules::UpdateStuck()
{
    State.UserStuck = !SideCanPlay(UserSide);
    State.ComputerStuck = !SideCanPlay(ComputerSide);
}

void TRaceRules::Stalemate()
{
    Host.StopComputer();
    PlayGameSound("NoPlay");
    do {
        TurnSideCard(UserSide);
        TurnSideCard(ComputerSide);
        ++State.UserPlayed;
        ++State.ComputerPlayed;
        UpdateScoreLabel();
        UpdateStuck();
    } while (State.UserStuck && State.ComputerStuck
             && (TopCardIndex(Cards.Play1Pile) >= 0 || TopCardIndex(Cards.Play2Pile) >= 0));

    if (State.UserPlayed >= State.TargetCount)
        State.UserWon = true;
    if (State.ComputerPlayed >= State.TargetCount)
        State.ComputerWon = true;
    if (State.UserWon || State.ComputerWon) {
        Host.Post(MsgGameOver);
        PlayGameSound(State.UserWon ? "YouWon" : "YouLost");
        return;
    }
    Host.ShowWaitSign(UserSide, State.UserStuck);
    Host.ShowWaitSign(ComputerSide, State.ComputerStuck);
    Host.StartComputer();
}

void TRaceRules::TurnSideCard(int Side)
{
    TLuCardTable* Centre = Cards.CentrePile(Side);
    TLuCardGroup* Pile = Cards.Pile(Side);
    if (const int Top = TopCardIndex(Pile); Top >= 0) {
        // The pile is aimed at the centre pile for this one card only: left
        // so (a stalemate that ended the deal did), the next refill laid its
        // card face up there and left the slot empty.
        Pile->SetTable(Centre);
        Centre->SetLandingPosition(TopPosition);
        Pile->PlayCard(Top, false, tpTop);
        Pile->SetTable(Cards.TempTable(Side));
        return;
    }
    for (TLuCardGroup* Slot : Cards.Slots(Side)) {
        if (SlotHoldsCard(Slot)) {
            PlaySlotOnto(Slot, Centre);
            return;
        }
    }
}
