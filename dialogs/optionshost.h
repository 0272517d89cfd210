#pragma once
// What the options dialog reads from and changes in the game. The game window
// implements it; the dialog knows nothing else of the game.
#include "cardlib/lutypes.h"

#include <cstdint>

class TOptionsHost {
public:
    virtual ~TOptionsHost() = default;
    virtual std::int32_t Scoring() const = 0;
    virtual std::int32_t Decks() const = 0;
    virtual std::int32_t Level() const = 0;
    virtual bool SoundsOn() const = 0;
    virtual bool AnimateCards() const = 0;
    virtual TLuCardBackType CardBack() const = 0;
    virtual bool FreshRun() const = 0;
    virtual bool UserWon() const = 0;
    virtual void SetFreshRun(bool Value) = 0;
    virtual void EnterHallOfFame() = 0;
    virtual void SetHallEntryDone(bool Value) = 0;
    virtual void SetDecks(std::int32_t Decks) = 0;   // the game also prepares the deck size at once
    virtual void SetScoring(std::int32_t Scoring) = 0;
    virtual void SetLevel(std::int32_t Level) = 0;   // the game also sets the computer's pace at once
    virtual void SetSoundsOn(bool Value) = 0;
    virtual void SetAnimateCards(bool Value) = 0;
    virtual void SetCardBack(TLuCardBackType Back) = 0;
};
