// The card components of the table as start-up leaves them, and the
// deck-size preparation in both directions, at start-up behind the splash
// window and later from the options.
#include "dialogs/splashform.h"
#include "game/table/bevel.h"
#include "game/table/cardlayout.h"
#include "tests/game/gametesting.h"

#include <QApplication>
#include <QProgressBar>

namespace {

using namespace gametesting;

class CardLayoutTest : public GameTest {};

int ReservedCount(const TLuCardGroup* Pile)
{
    int n = 0;
    for (int i = 0; i < Pile->ItemCount(); ++i)
        n += Pile->CardAt(i)->Reserved();
    return n;
}

int CardsDealtToSide(TMainForm& F, int Side)
{
    int n = static_cast<int>(CardIDs(F.Pile(Side)).size());
    for (TLuCardGroup* Slot : F.Slots(Side))
        n += static_cast<int>(CardIDs(Slot).size());
    return n;
}

TEST_F(CardLayoutTest, StartUpLeavesEmptyPlacesAFullDeckAndTheTablesWired)
{
    WriteConfig(QStringLiteral("[Settings]\nCardBack=3\n"));
    TMainForm& F = Open();
    for (const int Side : {UserSide, ComputerSide}) {
        TLuCardGroup* Pile = F.Pile(Side);
        EXPECT_EQ(Pile->ItemCount(), 21);
        EXPECT_TRUE(CardIDs(Pile).empty());
        EXPECT_TRUE(Pile->CardAt(0)->ShowBack()) << "pile cards lie face down";
        EXPECT_EQ(Pile->CascadeStyle(), csTight);
        EXPECT_TRUE(Pile->AutoTight());
        EXPECT_TRUE(Pile->ShowAutoTight());
        EXPECT_EQ(Pile->Tightness(), 0);
        EXPECT_EQ(Pile->Table(), F.CentrePile(Side));
        EXPECT_EQ(Pile->CardAt(0)->CardBack(), cbDefault) << "the chosen back is the deck's only";
        TLuCardTable* Centre = F.CentrePile(Side);
        ASSERT_EQ(Centre->PlayerCount(), 5);
        EXPECT_EQ(Centre->PlayerGroup(0), Pile);
        for (int n = 1; n <= SlotCount; ++n) {
            TLuCardGroup* Slot = F.Slot(Side, n);
            EXPECT_EQ(Slot->ItemCount(), 1);
            EXPECT_TRUE(Slot->CardAt(0)->Empty());
            EXPECT_FALSE(Slot->CardAt(0)->ShowBack());
            EXPECT_EQ(Slot->Table(), Centre);
            EXPECT_EQ(Centre->PlayerGroup(n), Slot);
            EXPECT_EQ(static_cast<bool>(Slot->OnCardClick), Side == UserSide);
        }
        EXPECT_EQ(Centre->GameOptions().TableOpenCards(), 1);
        EXPECT_EQ(Centre->VirtualDeck(), F.VirtualDeck);
        EXPECT_EQ(TopID(Centre), -1);
        TLuCardTable* Station = F.TempTable(Side);
        EXPECT_FALSE(Station->isVisible());
        EXPECT_EQ(Station->PlayerCount(), 0);
        EXPECT_EQ(Station->GameOptions().TableCloseCards(), 1);
        EXPECT_EQ(Station->GameOptions().TakeDelay(), 0);
    }
    EXPECT_EQ(F.Deck->CardBack(), cbIvyBlue);
    EXPECT_EQ(F.Deck->size(), QSize(103, 104));
    EXPECT_FALSE(F.Deck->DeckEmpty());
    EXPECT_EQ(F.Deck->toolTip(), "Click to Deal New Game");
    EXPECT_EQ(F.Deck->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(F.VirtualDeck->ShuffleCount(), 100);
    EXPECT_EQ(F.VirtualDeck->VisualDeck(), F.Deck);
    EXPECT_EQ(F.VirtualDeck->CardCount(), 52);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(CardLayoutTest, CardsLieExactlyInTheirFramesAndTheCentreCardsInTheirRings)
{
    TMainForm& F = Open();
    F.show();
    Deal();
    const QImage table = F.ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb silver = qRgb(192, 192, 192);
    for (const TBevel* Frame : {F.Bevel1, F.Bevel5, F.Bevel6, F.Bevel10}) {
        const QPoint at = Frame->pos();
        // The card covers the frame's inside: its corner pixels are the
        // card's cut corners, its edges the card's outline, not silver.
        EXPECT_NE(table.pixel(at + QPoint(36, 1)), silver) << Frame->objectName().toStdString();
        EXPECT_NE(table.pixel(at + QPoint(36, 96)), silver) << Frame->objectName().toStdString();
        EXPECT_NE(table.pixel(at + QPoint(1, 48)), silver) << Frame->objectName().toStdString();
        EXPECT_NE(table.pixel(at + QPoint(71, 48)), silver) << Frame->objectName().toStdString();
        // The frame itself still shows around the card.
        EXPECT_NE(table.pixel(at + QPoint(36, 0)), table.pixel(at + QPoint(36, 1)));
    }
    // The top card of each centre pile lies at (230, 168) and (377, 168),
    // inside its ring (80 x 80 at (225, 176) and (372, 176)).
    for (const QPoint top : {QPoint(230, 168), QPoint(377, 168)}) {
        EXPECT_EQ(table.pixel(top + QPoint(35, -1)), silver);
        EXPECT_NE(table.pixel(top + QPoint(35, 0)), silver);
        EXPECT_NE(table.pixel(top + QPoint(35, 95)), silver);
        EXPECT_EQ(table.pixel(top + QPoint(35, 96)), silver);
    }
}

TEST_F(CardLayoutTest, ADoubleDeckStartShowsTheSplashInTwentySixStepsAndNoWarning)
{
    WriteConfig(QStringLiteral("[Settings]\nDeckSize=2\n"));
    // Watch the splash from outside: record its bar whenever it changes.
    QList<int> steps;
    struct Watcher : QObject {
        QList<int>* Steps;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Show)
                if (auto* splash = qobject_cast<TSplashForm*>(o))
                    QObject::connect(splash->ProgressBar1, &QProgressBar::valueChanged,
                                     [this](int v) { *Steps << v; });
            return false;
        }
    } watcher;
    watcher.Steps = &steps;
    qApp->installEventFilter(&watcher);
    TMainForm& F = Open();
    qApp->removeEventFilter(&watcher);

    ASSERT_EQ(steps.size(), 26);
    EXPECT_EQ(steps.front(), 1);
    EXPECT_EQ(steps.back(), 26);
    EXPECT_EQ(SplashForm, nullptr) << "gone before the window shows";
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(F.Play1Pile->ItemCount(), 47);
    EXPECT_EQ(F.Play2Pile->ItemCount(), 47);
    EXPECT_EQ(ReservedCount(F.Play1Pile), 0);
    EXPECT_EQ(F.VirtualDeck->CardCount(), 104);
    EXPECT_EQ(F.Deck->size(), QSize(139, 96));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    Deal();
    EXPECT_EQ(F.TargetCount, 51);
    EXPECT_EQ(CardsDealtToSide(F, UserSide), 51);
    EXPECT_EQ(CardsDealtToSide(F, ComputerSide), 51);
}

TEST_F(CardLayoutTest, SwitchingDeckSizesReservesAndReleasesTheSecondDecksPlaces)
{
    TMainForm& F = Open();
    EXPECT_EQ(SplashForm, nullptr);

    // To a double deck, as the options dialog does: a warning first, no splash.
    boxes.Answer(MsgResult::Ok);
    F.Decks = 2;
    F.PrepareDeckSize();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Creating a Second Deck, Please be Patient");
    EXPECT_EQ(boxes.Boxes()[0].type, platform::MsgType::Warning);
    EXPECT_EQ(F.Play1Pile->ItemCount(), 47);
    EXPECT_EQ(F.Deck->size(), QSize(139, 96));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass goes again";

    // Back to one deck: nothing shrinks, the last 26 places are reserved.
    F.Decks = 1;
    F.PrepareDeckSize();
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    for (TLuCardGroup* Pile : {F.Play1Pile, F.Play2Pile}) {
        EXPECT_EQ(Pile->ItemCount(), 47);
        EXPECT_EQ(ReservedCount(Pile), 26);
        EXPECT_FALSE(Pile->CardAt(20)->Reserved());
        EXPECT_TRUE(Pile->CardAt(21)->Reserved());
    }
    EXPECT_EQ(F.Deck->size(), QSize(103, 104));
    Deal();
    EXPECT_EQ(F.VirtualDeck->CardCount(), 52);
    EXPECT_EQ(CardIDs(F.Play1Pile).size(), 21u);
    EXPECT_EQ(CardsDealtToSide(F, UserSide), 25);
    EXPECT_EQ(CardsDealtToSide(F, ComputerSide), 25);

    // Double again: nothing appended, the marks cleared.
    boxes.Answer(MsgResult::Ok);
    F.Decks = 2;
    F.PrepareDeckSize();
    EXPECT_EQ(F.Play2Pile->ItemCount(), 47);
    EXPECT_EQ(ReservedCount(F.Play2Pile), 0);
    EXPECT_EQ(ReservedCount(F.Play1Pile), 0);
}

} // namespace
