#pragma once
// The flow of a deal: dealing both sides from a freshly shuffled deck each,
// the score at the start of a deal in either scoring style, the end of a
// deal with its bonus, the question to play again and the Hall of Fame
// offer, and the question before closing during a deal.
#include "platform/systemclock.h"

class TMainForm;

class TDealFlow {
public:
    explicit TDealFlow(TMainForm& Form)
        : F(Form)
    {
    }

    // A new deal; during a deal it first asks to quit it.
    void Deal();
    // The end of a deal, on the posted game-over message.
    void GameOver();
    // False while the user keeps a running deal; stops the timer first.
    bool CloseQuery();

private:
    void DealSide(int Side);
    void StartScore();

    TMainForm& F;
    platform::SystemTime FSideSeeded;
};
