#pragma once
// The race with no window: a stand-in host that records what the race asks
// of it, answers its questions by script and keeps its posted messages in a
// queue that Drain delivers, on card components laid out on a plain widget.
#include "cardlib/lucard.h"
#include "game/table/cardlayout.h"
#include "game/table/gamehost.h"
#include "game/table/gamestate.h"
#include "game/solo/sologame.h"
#include "tests/game/gametesting.h"
#include "tests/support/seams.h"

#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace gametesting {

class TFakeHost final : public TGameHost {
public:
    QStringList Sounds;
    std::deque<std::pair<unsigned, int>> Posted;
    bool WaitSign[3] = {false, false, false}; // by side
    std::int32_t ShownScore = 0;
    bool Running = false;
    int Pace = 0;
    bool HelpMenuEnabled = true;
    bool PauseButtonVisible = false;
    int HallOfFameOffers = 0;
    // Every box, in order, with whether the computer was running while it was open.
    struct TBox {
        QString Text;
        bool ComputerRunning;
    };
    std::vector<TBox> Boxes;
    std::deque<bool> Answers; // Yes or No, for the questions in order
    // Runs inside PlaySound, before the name is recorded (a test may throw from it).
    std::function<void(const char*)> OnSound;
    // Runs with each box's text while the box is open, before its answer.
    std::function<void(const QString&)> WhileOpen;

    void PlaySound(const char* Name) override
    {
        if (OnSound)
            OnSound(Name);
        Sounds << QString::fromLatin1(Name);
    }
    void Post(unsigned Msg, int WParam) override { Posted.emplace_back(Msg, WParam); }
    void ShowWaitSign(int Side, bool Visible) override { WaitSign[Side] = Visible; }
    void ShowScore(std::int32_t Score) override { ShownScore = Score; }
    void StartComputer() override { Running = true; }
    void StopComputer() override { Running = false; }
    bool ComputerRunning() const override { return Running; }
    void SetComputerPace(int Milliseconds) override { Pace = Milliseconds; }
    void EnableHelpMenu(bool Enabled) override { HelpMenuEnabled = Enabled; }
    void ShowPauseButton(bool Visible) override { PauseButtonVisible = Visible; }
    void EnterHallOfFame() override { ++HallOfFameOffers; }
    void ShowMessage(const QString& Text) override
    {
        Boxes.push_back({Text, Running});
        if (WhileOpen)
            WhileOpen(Text);
    }
    bool AskYesNo(const QString& Text, platform::MsgType) override
    {
        Boxes.push_back({Text, Running});
        if (WhileOpen)
            WhileOpen(Text);
        if (Answers.empty()) {
            ADD_FAILURE() << "Unexpected question: " << Text.toStdString();
            return false;
        }
        const bool Answer = Answers.front();
        Answers.pop_front();
        return Answer;
    }
};

class RaceGameTest : public ::testing::Test {
protected:
    testing_support::SteppingClock clock{QDateTime(QDate(2026, 12, 10), QTime(13, 0, 0, 125), Qt::UTC)};
    QWidget table; // owns the card components
    TGameState State;
    TCardComponents Cards;
    TFakeHost Host;
    std::unique_ptr<TSoloGame> Game;

    void SetUp() override
    {
        table.resize(572, 448);
        CreateCardComponents(
            Cards, &table,
            [this](TLuCardGroup* Sender, TLuSingleCard*, int, bool& PlayIt, TLuTablePos&, bool&,
                   Qt::MouseButton) { Game->Rules.UserClick(Sender, PlayIt); },
            [this] { Game->Flow.Deal(); });
        PrepareFirstDeal(Cards);
        // Cards jump to their places unless a test lets them fly.
        State.AnimateCards = false;
        Game = std::make_unique<TSoloGame>(State, Cards, Host);
    }

    // Delivers the posted messages in order, as the window's handlers do.
    void Drain()
    {
        while (!Host.Posted.empty()) {
            const auto [Msg, WParam] = Host.Posted.front();
            Host.Posted.pop_front();
            if (Msg == MsgRefillUser)
                Game->Rules.RefillSlot(UserSide, WParam);
            else if (Msg == MsgRefillComputer)
                Game->Rules.RefillSlot(ComputerSide, WParam);
            else if (Msg == MsgGameOver)
                Game->Flow.GameOver();
        }
    }

    void Key(QChar K) { Game->Rules.UserKey(K); }

    // A deal in progress with every card place empty, the given centre
    // cards, nobody stuck, nothing counted yet and nothing asked so far.
    void ClearedDeal(int Centre1, int Centre2)
    {
        Game->Flow.Deal();
        Drain();
        ClearTable(State, Cards, Centre1, Centre2);
        Host.Sounds.clear();
        Host.Boxes.clear();
    }
};

} // namespace gametesting
