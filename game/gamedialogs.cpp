#include "game/gamedialogs.h"

#include "cardlib/lucarddeck.h"
#include "dialogs/halloffame.h"
#include "dialogs/nameform.h"
#include "dialogs/optionsform.h"
#include "dialogs/optionshost.h"
#include "dialogs/scoreform.h"
#include "game/gamerules.h"
#include "game/mainform.h"

#include <QTimer>

namespace {

// The options dialog reads and changes the game through this.
class TGameOptionsHost final : public TOptionsHost {
public:
    explicit TGameOptionsHost(TMainForm& Form)
        : F(Form)
    {
    }

    std::int32_t Scoring() const override { return F.Scoring; }
    std::int32_t Decks() const override { return F.Decks; }
    std::int32_t Level() const override { return F.Level; }
    bool SoundsOn() const override { return F.SoundsOn; }
    TLuCardBackType CardBack() const override { return F.Deck->CardBack(); }
    bool FreshRun() const override { return F.FreshRun; }
    bool UserWon() const override { return F.UserWon; }
    void SetFreshRun(bool Value) override { F.FreshRun = Value; }
    void EnterHallOfFame() override { F.EnterHallOfFame(); }
    void SetHallEntryDone(bool Value) override { F.HallEntryDone = Value; }
    void SetDecks(std::int32_t Value) override
    {
        F.Decks = Value;
        F.PrepareDeckSize();
    }
    void SetScoring(std::int32_t Value) override { F.Scoring = Value; }
    void SetLevel(std::int32_t Value) override
    {
        F.Level = Value;
        F.Timer->setInterval(gamerules::LevelInterval(F.Level));
    }
    void SetSoundsOn(bool Value) override { F.SoundsOn = Value; }
    void SetCardBack(TLuCardBackType Value) override { F.Deck->SetCardBack(Value); }

private:
    TMainForm& F;
};

} // namespace

namespace gamedialogs {

void EnterHallOfFame(TMainForm& F)
{
    ::EnterHallOfFame(F.HallOfFame, F.Decks, F.Scoring + 1, F.Level + 1, F.Score, F.HallEntryDone, &AskName);
}

void ShowHallOfFame(TMainForm& F)
{
    const bool WasRunning = F.Timer->isActive();
    F.Timer->stop();
    ShowScores(F.HallOfFame);
    if (WasRunning)
        F.Timer->start();
}

bool ShowOptions(TMainForm& F)
{
    const bool WasRunning = F.Timer->isActive();
    F.Timer->stop();
    TGameOptionsHost Host(F);
    const bool RestartNeeded = ShowOptionsDialog(Host);
    if (WasRunning && !RestartNeeded && !F.UserWon && !F.ComputerWon)
        F.Timer->start();
    return RestartNeeded;
}

} // namespace gamedialogs
