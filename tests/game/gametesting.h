#pragma once
// A game window on a folder of its own, with its boxes answered by script,
// its sounds recorded and its clock stopped, and small helpers to lay out
// exactly the cards a test needs.
#include "cardlib/lucard.h"
#include "game/table/image.h"
#include "game/mainform.h"
#include "tests/support/modaldialogs.h"
#include "tests/support/seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace gametesting {

using platform::MsgResult;

// Card IDs by suit and rank: clubs 2..14, diamonds 15..27, spades 28..40, hearts 41..53.
constexpr int Club(int Rank) { return Rank; }
constexpr int Diamond(int Rank) { return 13 + Rank; }
constexpr int Spade(int Rank) { return 26 + Rank; }
constexpr int Heart(int Rank) { return 39 + Rank; }

// Runs every posted message (refills, game over) without running timers.
inline void Drain()
{
    QCoreApplication::sendPostedEvents();
}

// The card on top of a centre pile, -1 when it shows none.
inline int TopID(const TLuCardTable* Table)
{
    const TLuSingleCard* Top = Table->CardTop();
    return Top->Empty() ? -1 : Top->ID();
}

// The slot's card ID, -1 when it is empty.
inline int SlotID(const TLuCardGroup* Slot)
{
    const TLuSingleCard* Card = Slot->CardAt(0);
    return Card && !Card->Empty() ? Card->ID() : -1;
}

// The IDs of the group's cards that are not empty, in place order.
inline std::vector<int> CardIDs(const TLuCardGroup* Group)
{
    std::vector<int> IDs;
    for (int I = 0; I < Group->ItemCount(); ++I)
        if (const TLuSingleCard* Card = Group->CardAt(I); Card && !Card->Empty())
            IDs.push_back(Card->ID());
    return IDs;
}

inline void PutCard(TLuCardGroup* Group, int Index, int ID)
{
    TLuSingleCard* Card = Group->CardAt(Index);
    ASSERT_NE(Card, nullptr);
    Card->SetID(ID);
    Card->SetEmpty(false);
}

inline void EmptyGroup(TLuCardGroup* Group)
{
    for (int I = 0; I < Group->ItemCount(); ++I)
        Group->CardAt(I)->SetEmpty(true);
}

// Lays ID on the table's top position, as the game lays every centre card.
inline void PutTop(TLuCardTable* Table, int ID)
{
    Table->SetLandingPosition(TLuCardTable::PosTop);
    Table->PlaceCard(ID, false, nullptr);
}

// Empties every pile and hand slot of a dealt table, lays the given centre
// cards, and clears the stuck flags and the counts.
inline void ClearTable(TGameState& State, TCardComponents& Cards, int Centre1, int Centre2)
{
    for (const int Side : {UserSide, ComputerSide}) {
        EmptyGroup(Cards.Pile(Side));
        for (TLuCardGroup* Slot : Cards.Slots(Side))
            EmptyGroup(Slot);
    }
    PutTop(Cards.CardTable1, Centre1);
    PutTop(Cards.CardTable2, Centre2);
    State.UserStuck = State.ComputerStuck = false;
    State.UserPlayed = State.ComputerPlayed = 0;
}

class GameTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString appDir = dir.path() + u'/';
    QString configPath = appDir + QStringLiteral("Data/Config.INI");
    testing_support::ScriptedMessageBoxes boxes;
    testing_support::SoundRecorder sounds;
    testing_support::ScriptedModalDialogs dialogs;
    testing_support::SteppingClock clock{QDateTime(QDate(2026, 12, 10), QTime(13, 0, 0, 125), Qt::UTC)};
    std::unique_ptr<TMainForm> form;

    void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data"))); }
    void TearDown() override
    {
        if (form)
            form->Timer->stop();
        Drain();
    }

    void WriteConfig(const QString& text)
    {
        QFile f(configPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }

    // The name dialog, dismissed: nothing enters the Hall of Fame.
    void DismissNextDialog()
    {
        dialogs.Then([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    }

    // The window with its cards jumping to their places, as the rules'
    // tests expect; the flights have tests of their own.
    TMainForm& Open()
    {
        form = std::make_unique<TMainForm>(appDir);
        form->AnimateCards = false;
        return *form;
    }

    // Deals with the start box answered and runs whatever the deal posted.
    void Deal()
    {
        if (form->InGame)
            boxes.Answer(MsgResult::Yes); // "Quit game and re-deal?"
        boxes.Answer(MsgResult::Ok);
        form->DealMenuClick();
        Drain();
    }

    // A table the test lays out itself: a deal in progress with every card
    // place empty, the given centre cards, and nobody stuck.
    void ClearedDeal(int Centre1, int Centre2)
    {
        Deal();
        ClearTable(*form, *form, Centre1, Centre2);
        sounds.Clear();
    }
};

} // namespace gametesting
