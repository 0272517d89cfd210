#include "game/solo/solorules.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "game/table/cardcomponents.h"
#include "game/table/cardflights.h"
#include "game/table/flightpace.h"
#include "game/table/gamehost.h"
#include "core/moves.h"
#include "core/scoring.h"
#include "game/table/gamestate.h"

#include <memory>

int TopCardIndex(const TLuCardGroup* Group)
{
    for (int I = Group->ItemCount() - 1; I >= 0; --I)
        if (const TLuSingleCard* Card = Group->CardAt(I); Card && !Card->Empty())
            return I;
    return -1;
}

void TSoloRules::UpdateScoreLabel()
{
    ++State.Score;
    Host.ShowScore(State.Score);
}

void TSoloRules::PlayGameSound(const char* Name)
{
    if (State.SoundsOn)
        Host.PlaySound(Name);
}

bool TSoloRules::SideCanPlay(int Side)
{
    const bool CanPlay = core::CanPlay(Cards.Hand(Side), Cards.CentreTops());
    Host.ShowWaitSign(Side, !CanPlay);
    return CanPlay;
}

TLuCardTable* TSoloRules::ChoosePile(TLuCardGroup* Slot) const
{
    const int N = Cards.SlotNumber(UserSide, Slot);
    if (N == 0)
        return nullptr;
    // The user's piles from the left; one with a card on its way takes no other.
    const auto Centre = core::PileFor(Cards.Hand(UserSide)[static_cast<std::size_t>(N - 1)], Cards.CentreTops(),
                                      {0, 1}, {State.Pile1Busy, State.Pile2Busy});
    return Centre ? Cards.Centre(*Centre) : nullptr;
}

void TSoloRules::UserPlay(TLuCardGroup* Slot)
{
    // Hand cards that have landed while the deal's others still fly wait
    // for the start box, as they do when the deal shows at once.
    if (Flights.Dealing())
        return;
    TLuCardTable* Pile = ChoosePile(Slot);
    if (!Pile)
        return;
    PlayGameSound("PlayCard");
    Flights.PlayOnto(Slot, 0, Pile, TFlightPace::PlayMs, [this, Slot] { CountUserPlay(Slot); });
}

void TSoloRules::UserClick(TLuCardGroup* Slot, bool& /*PlayIt*/)
{
    UserPlay(Slot);
}

void TSoloRules::UserKey(QChar Key)
{
    if (Key < u'1' || Key > u'4')
        return;
    UserPlay(Cards.Slot(UserSide, Key.unicode() - u'0'));
}

void TSoloRules::CountUserPlay(TLuCardGroup* Slot)
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

void TSoloRules::RefillSlot(int Side, int SlotNumber)
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

void TSoloRules::UpdateStuck()
{
    State.UserStuck = !SideCanPlay(UserSide);
    State.ComputerStuck = !SideCanPlay(ComputerSide);
}

void TSoloRules::Stalemate()
{
    Host.StopComputer();
    PlayGameSound("NoPlay");
    StalemateRound();
}

void TSoloRules::StalemateRound()
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

void TSoloRules::StalemateRoundDone()
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

void TSoloRules::TurnSideCard(int Side, const std::function<void()>& Then)
{
    TLuCardTable* Centre = Cards.CentrePile(Side);
    const std::optional<int> From = core::StalemateCard(Cards.PileCount(Side), Cards.Hand(Side));
    if (!From) {
        if (Then)
            Then();
        return;
    }
    // The pile's table is set back after its card (the flights do that): a
    // pile left aimed at the centre pile, as a stalemate that ended the deal
    // once left it, laid its next refill face up there.
    if (*From == core::PileTop)
        Flights.PlayOnto(Cards.Pile(Side), TopCardIndex(Cards.Pile(Side)), Centre, TFlightPace::TurnMs, Then);
    else
        Flights.PlayOnto(Cards.Slot(Side, *From + 1), 0, Centre, TFlightPace::TurnMs, Then);
}
