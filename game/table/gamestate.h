#pragma once
// The state of the game, apart from the cards on the table: the settings in
// force, the counts and flags of the deal in progress, the score and its run,
// the Hall of Fame and the statistics of the game against the computer. The
// window holds one; the rules, the computer and the flow of a deal read and
// change it, and the flights read the switch of animation.
#include "dialogs/gamestatistics.h"
#include "dialogs/halloffametable.h"

#include <cstdint>

struct TGameState {
    // Settings: read at start-up, changed by the options dialog, written at close.
    std::int32_t Scoring = 0; // 0 normal, 1 Las Vegas
    std::int32_t Decks = 1;   // 1 single deck, 2 double deck
    std::int32_t Level = 2;   // 0 "Unbeatable" .. 4 "Easy"
    bool SoundsOn = true;
    // Cards travel to their places instead of jumping there.
    bool AnimateCards = true;

    // The deal in progress.
    bool InGame = false;
    std::int32_t TargetCount = 0; // cards a side must play to win; set by each deal
    std::int32_t UserPlayed = 0;
    std::int32_t ComputerPlayed = 0;
    // The side has no hand card that fits either centre pile.
    bool UserStuck = false;
    bool ComputerStuck = false;
    // A card is on its way onto CardTable1 / CardTable2.
    bool Pile1Busy = false;
    bool Pile2Busy = false;
    // The side has reached TargetCount; one stalemate can set both.
    bool UserWon = false;
    bool ComputerWon = false;

    // The score and its run.
    std::int32_t Score = 0;
    bool FreshRun = true;       // the next Las Vegas deal starts a new run
    bool HallEntryDone = false; // no further Hall of Fame entry in this run
    THallOfFameTable HallOfFame;
    // The name last given for the Hall of Fame in this run of the program.
    QString LastHallOfFameName;

    // The deal the statistics will count, from the start box's OK until it
    // is won, lost or given up. It keeps the deck size, level and scoring it
    // was dealt with: the options may change them before it is counted.
    struct TCountedDeal {
        bool Open = false;
        std::int32_t Deck = 1, Level = 1, Scoring = 1; // 1-based, as in the statistics
        std::int64_t StartedMs = 0;                    // on the steady clock
    };
    TCountedDeal CountedDeal;
    TGameStatistics Statistics;
};
