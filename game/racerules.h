#pragma once
// The rules of a move in the race: whether a side can play, the user's play
// by mouse or key, the refill of an emptied hand slot through the side's way
// station, and the stalemate that turns new centre cards when neither side
// can play. It works on the game state and the cards and asks its host for
// sounds, posted messages, the score label, the wait signs and the computer's
// clock.
#include <QChar>

#include <cstdint>

class TLuCardGroup;
class TLuCardTable;
class TGameHost;
struct TCardComponents;
struct TGameState;

class TRaceRules {
public:
    TRaceRules(TGameState& State, TCardComponents& Cards, TGameHost& Host)
        : State(State)
        , Cards(Cards)
        , Host(Host)
    {
    }

    // True when one of the side's hand slots fits a centre pile; shows the
    // side's wait sign exactly when it cannot play.
    bool SideCanPlay(int Side);

    // The user's slot was clicked: when its card fits a free centre pile,
    // points the slot at it and sets PlayIt, so the group plays the card
    // once this returns; then counts the move.
    void UserClick(TLuCardGroup* Slot, bool& PlayIt);
    // The keys "1" to "4" play the user's slots the same way, but the play
    // happens here. Any other key does nothing.
    void UserKey(QChar Key);

    // A played slot (1..4) of the side takes the top card of the side's pile
    // through its way station; then both stuck flags are worked out again
    // and a stalemate follows when neither side can play.
    void RefillSlot(int Side, int SlotNumber);
    void Stalemate();
    void TurnSideCard(int Side);

    // Score := Score + 1, then shown.
    void UpdateScoreLabel();
    // Plays the named sound while sounds are on.
    void PlayGameSound(const char* Name);

private:
    // Both stuck flags worked out again, with their wait signs.
    void UpdateStuck();
    // The centre pile Slot's card may go on (the left one first), nullptr
    // when none fits or the slot is empty.
    TLuCardTable* ChoosePile(TLuCardGroup* Slot) const;
    // A user play: the first free centre pile the slot's card fits is marked
    // busy while Play plays it there; then the play is counted.
    template <typename TPlay>
    void UserPlay(TLuCardGroup* Slot, TPlay&& Play);
    // What follows every user play: the count, the point, and either the
    // win or the refill.
    void CountUserPlay(TLuCardGroup* Slot);

    TGameState& State;
    TCardComponents& Cards;
    TGameHost& Host;
};

// Marks a centre pile busy while a card is on its way onto it, and frees it
// again however the play ends: a pile left busy would take no card until the
// next deal.
class TPileBusyGuard {
public:
    TPileBusyGuard(TGameState& State, const TCardComponents& Cards, const TLuCardTable* Pile);
    ~TPileBusyGuard();
    TPileBusyGuard(const TPileBusyGuard&) = delete;
    TPileBusyGuard& operator=(const TPileBusyGuard&) = delete;

private:
    bool& FBusy;
};

// The busy flag of a centre pile: set while a card is played onto it.
bool& PileBusy(TGameState& State, const TCardComponents& Cards, const TLuCardTable* Pile);
// Plays the card of a one-card hand slot face up onto the top place of Pile.
void PlaySlotOnto(TLuCardGroup* Slot, TLuCardTable* Pile);
// The highest place of Group that holds a card, -1 when all are empty.
int TopCardIndex(const TLuCardGroup* Group);
// The card of a one-card hand slot, when it holds one.
bool SlotHoldsCard(TLuCardGroup* Slot);
int SlotValue(TLuCardGroup* Slot);
int TopValue(const TLuCardTable* Pile);
