#pragma once
// The rule options of a card table: suit checking and trumps, what dealing
// lays on the table, trick size, the take delay, the landing direction and
// automatic play. Plain values read and written without side effects.
#include "cardlib/lutypes.h"

#include <cstdint>

// Direction in which a table's landing position advances.
enum TLuTableDir : std::uint8_t
{
    tdClockWise,
    tdCounterClockWise
};

class TLuGameOptions
{
public:
    TLuGameOptions() = default;

    bool SuitChecking() const { return FSuitChecking; }
    void SetSuitChecking(bool value) { FSuitChecking = value; }
    bool StrictSuitChecking() const { return FStrictSuitChecking; }
    void SetStrictSuitChecking(bool value) { FStrictSuitChecking = value; }
    // Kept with the table's settings; no rule reads it.
    bool TakerPlay() const { return FTakerPlay; }
    void SetTakerPlay(bool value) { FTakerPlay = value; }
    std::int32_t TableOpenCards() const { return FTableOpenCards; }
    void SetTableOpenCards(std::int32_t value) { FTableOpenCards = value; }
    std::int32_t TableCloseCards() const { return FTableCloseCards; }
    void SetTableCloseCards(std::int32_t value) { FTableCloseCards = value; }
    TLuCardSuitType Trump() const { return FTrump; }
    void SetTrump(TLuCardSuitType value) { FTrump = value; }
    // Kept with the table's settings; no rule reads it.
    std::int32_t FinishScore() const { return FFinishScore; }
    void SetFinishScore(std::int32_t value) { FFinishScore = value; }
    std::int32_t CardsPerTrick() const { return FCardsPerTrick; }
    void SetCardsPerTrick(std::int32_t value) { FCardsPerTrick = value; }
    // Milliseconds; 0 or less means no pause.
    std::int32_t TakeDelay() const { return FTakeDelay; }
    void SetTakeDelay(std::int32_t value) { FTakeDelay = value; }
    TLuTableDir AutoPosDirection() const { return FAutoPosDirection; }
    void SetAutoPosDirection(TLuTableDir value) { FAutoPosDirection = value; }
    bool AutoPlay() const { return FAutoPlay; }
    void SetAutoPlay(bool value) { FAutoPlay = value; }

    // Copies every option of source.
    void Assign(const TLuGameOptions& source) { *this = source; }

private:
    TLuGameOptions(const TLuGameOptions&) = default;
    TLuGameOptions& operator=(const TLuGameOptions&) = default;

    bool FStrictSuitChecking = false;
    bool FTakerPlay = false;
    bool FSuitChecking = false;
    std::int32_t FTableOpenCards = 0;
    std::int32_t FTableCloseCards = 0;
    TLuCardSuitType FTrump = stJoker;
    std::int32_t FFinishScore = 0;
    std::int32_t FCardsPerTrick = 1;
    std::int32_t FTakeDelay = 500;
    TLuTableDir FAutoPosDirection = tdClockWise;
    bool FAutoPlay = false;
};
