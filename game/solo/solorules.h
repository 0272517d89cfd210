#pragma once
// The moves of the game against the computer on the window's cards: whether a side can play, the user's play
// by mouse or key, the refill of an emptied hand slot through the side's way
// station, and the stalemate that turns new centre cards when neither side
// can play. It works on the game state and the cards and asks its host for
// sounds, posted messages, the score label, the wait signs and the computer's
// clock. Its cards move through the flights, so a move's second half (the
// count, the refill, the next stalemate round) runs when its card has landed:
// at once without animation.
#include <QChar>

#include <cstdint>
#include <functional>

class TLuCardGroup;
class TLuCardTable;
class TCardFlights;
class TGameHost;
struct TCardComponents;
struct TGameState;

class TSoloRules {
public:
    TSoloRules(TGameState& State, TCardComponents& Cards, TGameHost& Host, TCardFlights& Flights)
        : State(State)
        , Cards(Cards)
        , Host(Host)
        , Flights(Flights)
    {
    }

    // True when one of the side's hand slots fits a centre pile; shows the
    // side's wait sign exactly when it cannot play.
    bool SideCanPlay(int Side);

    // The user's slot was clicked: when its card fits a free centre pile it
    // is played there, and counted once it has landed. The play happens
    // here, so PlayIt stays as it is (the group plays nothing itself).
    void UserClick(TLuCardGroup* Slot, bool& PlayIt);
    // The keys "1" to "4" play the user's slots the same way. Any other key
    // does nothing.
    void UserKey(QChar Key);

    // A played slot (1..4) of the side takes the top card of the side's pile
    // through its way station; then both stuck flags are worked out again
    // and a stalemate follows when neither side can play, nothing is in the
    // air and the deal has no winner yet.
    void RefillSlot(int Side, int SlotNumber);
    // Turns a card from each pile onto the centre piles, round after round,
    // until a side can play again or a side has reached the target.
    void Stalemate();
    // The side's pile card (or, with the pile empty, its first hand card)
    // goes onto the side's centre pile; Then runs once it lies there, or at
    // once when the side has no card left.
    void TurnSideCard(int Side, const std::function<void()>& Then = {});

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
    // A user play: the slot's card goes to the first free centre pile it
    // fits, and is counted once it has landed.
    void UserPlay(TLuCardGroup* Slot);
    // One round of a stalemate, and what follows it once both cards lie.
    void StalemateRound();
    void StalemateRoundDone();
    // What follows every user play: the count, the point, and either the
    // win or the refill.
    void CountUserPlay(TLuCardGroup* Slot);

    TGameState& State;
    TCardComponents& Cards;
    TGameHost& Host;
    TCardFlights& Flights;
};

// The highest place of Group that holds a card, -1 when all are empty.
int TopCardIndex(const TLuCardGroup* Group);
