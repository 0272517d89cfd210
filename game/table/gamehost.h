#pragma once
// What the race asks of the window it runs in. The rules, the computer and
// the flow of a deal work on the game state and the card components and reach
// everything else (sounds, the clock of the computer, the red lights, the
// score label, the menu, the boxes) only through this, so they run the same
// against the real window and against a test's stand-in.
#include "platform/messagebox.h"
#include "platform/windowmessages.h"

#include <QString>
#include <cstdint>

// Messages the game posts to its host; posted, never sent, so each runs after
// the handler that posted it, in posting order, before the next computer tick.
constexpr unsigned MsgRefillUser = platform::WM_USER + 1;     // WParam: the user's hand slot just played
constexpr unsigned MsgRefillComputer = platform::WM_USER + 2; // WParam: the computer's hand slot just played
constexpr unsigned MsgGameOver = platform::WM_USER + 3;

class TGameHost {
public:
    // Plays one of the program's named sounds now (whether sounds are on is
    // the game's concern, not the host's).
    virtual void PlaySound(const char* Name) = 0;
    // Queues Msg for the game; it comes back through the host's handler.
    virtual void Post(unsigned Msg, int WParam = 0) = 0;
    // Shows or hides the side's red light at once.
    virtual void ShowWaitSign(int Side, bool Visible) = 0;
    virtual void ShowScore(std::int32_t Score) = 0;

    // The computer's pace: its ticks come only while it runs.
    virtual void StartComputer() = 0;
    virtual void StopComputer() = 0;
    virtual bool ComputerRunning() const = 0;
    virtual void SetComputerPace(int Milliseconds) = 0;

    // The parts of the window a deal switches: the Help menu is off during a
    // deal and the (always disabled) Pause button shows.
    virtual void EnableHelpMenu(bool Enabled) = 0;
    virtual void ShowPauseButton(bool Visible) = 0;

    // Offers the current score to the Hall of Fame (asks for a name when it ranks).
    virtual void EnterHallOfFame() = 0;
    // A box with one OK button, and a question answered Yes or No.
    virtual void ShowMessage(const QString& Text) = 0;
    virtual bool AskYesNo(const QString& Text, platform::MsgType Type) = 0;

protected:
    ~TGameHost() = default;
};
