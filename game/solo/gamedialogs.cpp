#include "game/solo/gamedialogs.h"

#include "cardlib/lucarddeck.h"
#include "dialogs/halloffame.h"
#include "dialogs/nameform.h"
#include "dialogs/optionsform.h"
#include "dialogs/optionshost.h"
#include "dialogs/scoreform.h"
#include "game/table/cardcomponents.h"
#include "game/table/cardlayout.h"
#include "game/table/gamehost.h"
#include "core/scoring.h"
#include "game/table/gamestate.h"
#include "platform/playername.h"

#include <QCoreApplication>

namespace {

// The options dialog reads and changes the game through this.
class TGameOptionsHost final : public TOptionsHost {
public:
    TGameOptionsHost(TGameState& State, TCardComponents& Cards, TGameHost& Host)
        : State(State)
        , Cards(Cards)
        , Host(Host)
    {
    }

    std::int32_t Scoring() const override { return State.Scoring; }
    std::int32_t Decks() const override { return State.Decks; }
    std::int32_t Level() const override { return State.Level; }
    bool SoundsOn() const override { return State.SoundsOn; }
    bool AnimateCards() const override { return State.AnimateCards; }
    TLuCardBackType CardBack() const override { return Cards.Deck->CardBack(); }
    bool FreshRun() const override { return State.FreshRun; }
    bool UserWon() const override { return State.UserWon; }
    void SetFreshRun(bool Value) override { State.FreshRun = Value; }
    void EnterHallOfFame() override { Host.EnterHallOfFame(); }
    void SetHallEntryDone(bool Value) override { State.HallEntryDone = Value; }
    void SetDecks(std::int32_t Value) override
    {
        State.Decks = Value;
        PrepareDeckSize(Cards, State.Decks);
    }
    void SetScoring(std::int32_t Value) override { State.Scoring = Value; }
    void SetLevel(std::int32_t Value) override
    {
        State.Level = Value;
        Host.SetComputerPace(core::LevelInterval(State.Level));
    }
    void SetSoundsOn(bool Value) override { State.SoundsOn = Value; }
    void SetAnimateCards(bool Value) override { State.AnimateCards = Value; }
    void SetCardBack(TLuCardBackType Value) override { Cards.Deck->SetCardBack(Value); }

private:
    TGameState& State;
    TCardComponents& Cards;
    TGameHost& Host;
};

} // namespace

namespace gamedialogs {

void EnterHallOfFame(TGameState& State)
{
    ::EnterHallOfFame(State.HallOfFame, State.Decks, State.Scoring + 1, State.Level + 1, State.Score,
                      State.HallEntryDone, [&State] {
                          std::optional<QString> Name = AskName();
                          if (Name)
                              State.LastHallOfFameName = *Name;
                          return Name;
                      });
}

QString UnaskedName(const TGameState& State)
{
    return State.LastHallOfFameName.isEmpty() ? DefaultPlayerName() : State.LastHallOfFameName;
}

void ShowHallOfFame(TGameState& State, TNetRaceRecords& Races, TGameHost& Host)
{
    const bool WasRunning = Host.ComputerRunning();
    Host.StopComputer();
    ShowScores(State.HallOfFame, State.Statistics, Races);
    if (WasRunning)
        Host.StartComputer();
}

bool ShowOptions(TGameState& State, TCardComponents& Cards, TGameHost& Host)
{
    const bool WasRunning = Host.ComputerRunning();
    Host.StopComputer();
    TGameOptionsHost OptionsHost(State, Cards, Host);
    const bool RestartNeeded = ShowOptionsDialog(OptionsHost);
    if (WasRunning && !RestartNeeded && !State.UserWon && !State.ComputerWon)
        Host.StartComputer();
    return RestartNeeded;
}

} // namespace gamedialogs

QString DefaultPlayerName()
{
    for (const char* Variable : {"USER", "LOGNAME"}) {
        const QString Value = platform::CutName(platform::CleanName(qEnvironmentVariable(Variable)).trimmed());
        if (!Value.isEmpty())
            return Value;
    }
    return QCoreApplication::translate("TNetRaceWindow", "Player");
}
