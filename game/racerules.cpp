#include "game/racerules.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "game/cardcomponents.h"
#include "game/cardflights.h"
#include "game/gamehost.h"
#include "game/gamerules.h"
#include "game/gamestate.h"

#include <memory>

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

void TRaceRules::UserPlay(TLuCardGroup* Slot)
{
    // Hand cards that have landed while the deal's others still fly wait
    // for the start box, as they do when the deal shows at once.
    if (Flights.Dealing())
        return;
    TLuCardTable* Pile = ChoosePile(Slot);
    if (!Pile)
        return;
    PlayGameSound("PlayCard");
    Flights.PlayOnto(Slot, 0, Pile, TCardFlights::PlayMs, [this, Slot] { CountUserPlay(Slot); });
}

void TRaceRules::UserClick(TLuCardGroup* Slot, bool& /*PlayIt*/)
{
    UserPlay(Slot);
}

void TRaceRules::UserKey(QChar Key)
{
    if (Key < u'1' || Key > u'4')
        return;
    UserPlay(Cards.Slot(UserSide, Key.unicode() - u'0'));
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
    const auto AfterRefill = [this] {
        UpdateStuck();
        // Nothing turns new centre cards after a deal has ended (that would
        // start the computer again on a finished deal), once a side has won
        // (its deal is ending), or while a card is in the air: the landing
        // of the last one looks again.
        if (State.UserStuck && State.ComputerStuck && State.InGame && !State.UserWon && !State.ComputerWon
            && !Flights.InAir())
            Stalemate();
    };
    TLuCardGroup* Slot = Cards.Slot(Side, SlotNumber);
    const int Top = TopCardIndex(Cards.Pile(Side));
    if (Slot && Top >= 0)
        Flights.Refill(Side, Top, Slot, AfterRefill);
    else
        AfterRefill();
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
    StalemateRound();
}

void TRaceRules::StalemateRound()
{
    // Both sides' cards are in the air together; the round ends when both lie.
    auto Waiting = std::make_shared<int>(2);
    const auto OneDown = [this, Waiting] {
        if (--*Waiting == 0)
            StalemateRoundDone();
    };
    TurnSideCard(UserSide, OneDown);
    TurnSideCard(ComputerSide, OneDown);
}

void TRaceRules::StalemateRoundDone()
{
    ++State.UserPlayed;
    ++State.ComputerPlayed;
    UpdateScoreLabel();
    UpdateStuck();
    if (State.UserStuck && State.ComputerStuck
        && (TopCardIndex(Cards.Play1Pile) >= 0 || TopCardIndex(Cards.Play2Pile) >= 0)) {
        StalemateRound();
        return;
    }

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

void TRaceRules::TurnSideCard(int Side, const std::function<void()>& Then)
{
    TLuCardTable* Centre = Cards.CentrePile(Side);
    TLuCardGroup* Pile = Cards.Pile(Side);
    // The pile's table is set back after its card (the flights do that): a
    // pile left aimed at the centre pile, as a stalemate that ended the deal
    // once left it, laid its next refill face up there.
    if (const int Top = TopCardIndex(Pile); Top >= 0) {
        Flights.PlayOnto(Pile, Top, Centre, TCardFlights::TurnMs, Then);
        return;
    }
    for (TLuCardGroup* Slot : Cards.Slots(Side)) {
        if (SlotHoldsCard(Slot)) {
            Flights.PlayOnto(Slot, 0, Centre, TCardFlights::TurnMs, Then);
            return;
        }
    }
    if (Then)
        Then();
}
