// A card group under the mouse, with real mouse events on a shown window:
// OnCardClick for any button and over empty cards, nothing while the library
// is busy, the play that the handler asks for, the card cursor, and the
// bracket around a drop between two card controls.
#include "cardgrouptesting.h"

#include "cardlib/lubusy.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include <stdexcept>
#include <vector>

using namespace group_testing;

namespace {

class CardGroupMouseTest : public GroupTest {
protected:
    CardGroupMouseTest()
    {
        Group = MakeGroup({2, 3, 4});
        // As wide as its three cards, so that the window finds it under the pointer.
        Group->SetBounds(20, 30, Group->Buffer().width(), Group->Buffer().height());
        Group->SetTablePlayPos(tpLeft);
        Group->OnCardClick = [this](TLuCardGroup* Sender, TLuSingleCard* Card, int Position, bool& PlayIt,
                                    TLuTablePos& TablePos, bool& FaceDown, Qt::MouseButton Button) {
            Clicks << QStringLiteral("card %1 same %2 play %3 pos %4 down %5 button %6")
                          .arg(Position)
                          .arg(Sender == Group && Card == Group->CardAt(Position))
                          .arg(PlayIt)
                          .arg(int(TablePos))
                          .arg(FaceDown)
                          .arg(int(Button));
            PlayIt = Answer.PlayIt;
            TablePos = Answer.TablePos;
            FaceDown = Answer.FaceDown;
        };
        Form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
    }

    void Click(int X, int Y, Qt::MouseButton Button = Qt::LeftButton)
    {
        QTest::mouseClick(Group, Button, Qt::NoModifier, QPoint(X, Y));
    }

    // A move with no button held, through the window as the system would deliver it.
    // The toolkit drops a move to where the pointer already is (as the last
    // test may have left it), so the pointer first goes to the window's corner.
    void Move(int X, int Y)
    {
        QTest::mouseMove(Form.windowHandle(), QPoint(1, 1));
        QTest::mouseMove(Form.windowHandle(), Group->mapTo(&Form, QPoint(X, Y)));
        QCoreApplication::processEvents();
    }

    QString Expected(int Position, Qt::MouseButton Button = Qt::LeftButton) const
    {
        return QStringLiteral("card %1 same 1 play 0 pos %2 down 0 button %3")
            .arg(Position)
            .arg(int(tpLeft))
            .arg(int(Button));
    }

    struct {
        bool PlayIt = false;
        TLuTablePos TablePos = tpLeft;
        bool FaceDown = false;
    } Answer;
    TLuCardGroup* Group = nullptr;
    QStringList Clicks;
};

TEST_F(CardGroupMouseTest, AnyButtonOverAnyCardFiresOnCardClick)
{
    Group->CardAt(2)->SetEmpty(true);
    Click(100, 40, Qt::LeftButton);
    Click(10, 10, Qt::RightButton);
    Click(200, 90, Qt::MiddleButton);
    EXPECT_EQ(Clicks, (QStringList{Expected(1), Expected(0, Qt::RightButton), Expected(2, Qt::MiddleButton)}));
}

TEST_F(CardGroupMouseTest, ClickBesideEveryCardFiresNothing)
{
    for (const QPoint& P : {QPoint(73, 40), QPoint(76, 40), QPoint(0, 40), QPoint(100, 0)})
        Click(P.x(), P.y());
    EXPECT_TRUE(Clicks.isEmpty()) << Clicks.join(',').toStdString();
}

TEST_F(CardGroupMouseTest, ClickWhileBusyIsIgnored)
{
    BeginBusy();
    Click(100, 40);
    EndBusy();
    EXPECT_TRUE(Clicks.isEmpty());
    Click(100, 40);
    EXPECT_EQ(Clicks, QStringList{Expected(1)});
}

TEST_F(CardGroupMouseTest, HandlerThatSetsPlayItPlaysWithItsPlaceAndFace)
{
    TLuCardTable* Table = MakeTable();
    Table->ClearTable(false);
    Group->SetTable(Table);
    Answer = {true, tpTop, true};
    Click(100, 40);
    EXPECT_TRUE(Group->CardAt(1)->Empty());
    EXPECT_EQ(Table->TopCardPos(), 2);
    EXPECT_EQ(Table->CardTop()->ID(), 3);
    EXPECT_TRUE(Table->CardTop()->ShowBack());

    // An empty card is offered to the handler but not played.
    Click(100, 40);
    EXPECT_EQ(Clicks.size(), 2);
    EXPECT_EQ(Table->PlayedCardsCount(), 1);

    // PlayIt left false plays nothing.
    Answer = {false, tpTop, false};
    Click(10, 40);
    EXPECT_FALSE(Group->CardAt(0)->Empty());
    EXPECT_EQ(Table->PlayedCardsCount(), 1);
}

TEST_F(CardGroupMouseTest, WithoutATablePlayItHasNoEffect)
{
    Answer = {true, tpTop, false};
    Click(10, 40);
    EXPECT_EQ(Clicks, QStringList{Expected(0)});
    EXPECT_FALSE(Group->CardAt(0)->Empty());
}

TEST_F(CardGroupMouseTest, HandlerThatClosesTheGroupEndsTheClick)
{
    Group->SetTable(MakeTable());
    Group->OnCardClick = [this](TLuCardGroup* Sender, TLuSingleCard*, int, bool& PlayIt, TLuTablePos&, bool&,
                                Qt::MouseButton) {
        PlayIt = true;
        auto* Fixture = this; // the handler goes with the group
        delete Sender;
        Fixture->Group = nullptr;
    };
    Click(10, 40);
    EXPECT_EQ(Group, nullptr);
}

TEST_F(CardGroupMouseTest, CardCursorOverCardsThatAreNotEmpty)
{
    Group->CardAt(1)->SetEmpty(true);
    Move(10, 40);
    EXPECT_TRUE(Group->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(Group->cursor().shape(), Qt::PointingHandCursor);
    // Over no card the cursor stays as it is.
    Move(73, 40);
    EXPECT_EQ(Group->cursor().shape(), Qt::PointingHandCursor);
    // Over an empty card: the default cursor.
    Move(100, 40);
    EXPECT_FALSE(Group->testAttribute(Qt::WA_SetCursor));

    Move(200, 40);
    EXPECT_EQ(Group->cursor().shape(), Qt::PointingHandCursor);
    // Releasing the mouse gives the default cursor back.
    Click(200, 40);
    EXPECT_FALSE(Group->testAttribute(Qt::WA_SetCursor));
}

TEST_F(CardGroupMouseTest, DefaultCardCursorLeavesTheCursorAlone)
{
    Group->SetCardCursor(Qt::ArrowCursor);
    Group->setCursor(Qt::CrossCursor);
    Move(10, 40);
    EXPECT_EQ(Group->cursor().shape(), Qt::CrossCursor);
}

// ---------------------------------------------------------------------------
// Drag and drop

TEST_F(CardGroupMouseTest, DropRedrawsBothGroupsAndShowsEachInOneCopy)
{
    TLuCardGroup* Source = MakeGroup({40});
    Source->SetBounds(20, 200, Source->Width(), Source->Height());
    Source->show();
    QCoreApplication::processEvents();
    PaintCounter SourcePaints(Source);
    PaintCounter GroupPaints(Group);
    QStringList Seen;
    Group->OnDragDrop = [&](TLuCardGroup* Sender, QObject* From, int X, int Y) {
        Seen << QStringLiteral("at %1,%2 source %3 held %4 %5")
                    .arg(X)
                    .arg(Y)
                    .arg(From == Source)
                    .arg(Source->UpdateCount())
                    .arg(Sender->UpdateCount());
        // The handler moves the card over: the source shows a gap, the group the card.
        Group->CardAt(0)->SetID(Source->CardAt(0)->ID());
        Source->CardAt(0)->SetEmpty(true);
    };
    Group->DragDrop(Source, 30, 40);

    EXPECT_EQ(Seen, QStringList{"at 30,40 source 1 held 1 1"});
    EXPECT_EQ(Source->UpdateCount(), 0);
    EXPECT_EQ(Group->UpdateCount(), 0);
    EXPECT_EQ(SourcePaints.Paints, 1);
    EXPECT_EQ(GroupPaints.Paints, 1);
    EXPECT_TRUE(AllBackground(Source->Buffer(), {0, 0, CardWidth, CardHeight}));
    EXPECT_TRUE(SameImage(Block(Group->Buffer(), 0, 0, CardWidth, CardHeight), Shown(CardImage(40), CardWidth, CardHeight)));
}

TEST_F(CardGroupMouseTest, DropFromAnythingElseBracketsOnlyTheGroup)
{
    QLabel Other(&Form);
    std::vector<QObject*> Received;
    Group->OnDragDrop = [&](TLuCardGroup* Sender, QObject* From, int, int) {
        Received.push_back(From);
        EXPECT_EQ(Sender->UpdateCount(), 1);
    };
    Group->DragDrop(&Other, 1, 1);
    Group->DragDrop(nullptr, 1, 1);
    EXPECT_EQ(Received, (std::vector<QObject*>{&Other, nullptr}));
    EXPECT_EQ(Group->UpdateCount(), 0);
}

TEST_F(CardGroupMouseTest, DropHandlerThatFailsStillClosesBothBrackets)
{
    TLuCardGroup* Source = MakeGroup({40});
    Group->OnDragDrop = [](TLuCardGroup*, QObject*, int, int) { throw std::runtime_error("drop failed"); };
    EXPECT_THROW(Group->DragDrop(Source, 1, 1), std::runtime_error);
    EXPECT_EQ(Source->UpdateCount(), 0);
    EXPECT_EQ(Group->UpdateCount(), 0);
}

} // namespace
