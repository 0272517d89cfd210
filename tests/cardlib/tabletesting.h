#pragma once
// A window with a real card table, real card groups as its players and a
// real virtual deck, for the table and dealing tests: what they need to
// build the scene, to read the table's Buffer, and to record the table's
// events in the order they fire.
#include "cardgrouptesting.h"

#include "cardlib/lubusy.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusprite.h"
#include "cardlib/luvirtualdeck.h"

#include <QStringList>

#include <initializer_list>
#include <utility>
#include <vector>

namespace table_testing {

using group_testing::AllBackground;
using group_testing::Background;

// What the table's image must show: the background, then each (position,
// image, face down) card copied at its place in the order given, the
// picture's transparent colour showing the background.
struct LaidCard {
    int Pos;
    int ID;
    bool FaceDown = false;
};

inline QImage ExpectedTable(const std::vector<LaidCard>& Cards, TLuCardBackType Back = cbDefault)
{
    // Bottom, left, top and right.
    const QPoint Places[] = {{24, 60}, {0, 25}, {35, 0}, {60, 35}};
    QImage Out(131, 156, QImage::Format_RGB32);
    Out.fill(Background);
    for (const LaidCard& Card : Cards) {
        const TLuCardImage* Image = CardImage(Card.FaceDown ? BackImageIndex(Back) : Card.ID);
        const QPoint At = Places[Card.Pos];
        for (int Y = 0; Y < CardHeight; ++Y)
            for (int X = 0; X < CardWidth; ++X) {
                const QRgb Pixel = Image->Picture.pixel(X, Y);
                const bool Clear = (Pixel & RGB_MASK) == (Image->TransparentColor & RGB_MASK);
                Out.setPixel(At.x() + X, At.y() + Y, Clear ? Background : (Pixel | 0xFF000000));
            }
    }
    return Out;
}

class TableTest : public group_testing::GroupTest {
protected:
    TableTest()
    {
        Table = MakeTable(300, 200);
        Table->GameOptions().SetTakeDelay(0);
    }

    void TearDown() override
    {
        // Every operation must leave the busy state it entered; a leak would
        // also block the clicks of every later test.
        EXPECT_EQ(BusyCount(), 0u);
        while (BusyCount() > 0)
            EndBusy();
    }

    // A group on the form, playing onto Table (or On), listed as its next
    // player unless told otherwise.
    TLuCardGroup* MakePlayer(std::initializer_list<int> IDs, TLuController Controller = ctComputer,
                             bool Listed = true, TLuCardTable* On = nullptr)
    {
        if (!On)
            On = Table;
        TLuCardGroup* Group = MakeGroup(IDs);
        Group->SetBounds(20 + 90 * (Players % 8), 450, Group->Width(), Group->Height());
        Group->SetTable(On);
        Group->SetController(Controller);
        if (Listed)
            On->PlayerList().AddGroup(Group);
        ++Players;
        return Group;
    }

    // Records AfterAddCard, AfterTrickFinish, AfterPartyFinish,
    // AfterDealingFinish and AfterDealToTable of Table into Log.
    void RecordTableEvents()
    {
        Table->AfterAddCard = [this](TLuCardTable* Sender, int Count, int TopPos, TLuSingleCard* Top, int TopID,
                                     int PrevID, bool Owned) {
            Log << QStringLiteral("Add count %1 pos %2 top %3 prev %4 owned %5%6")
                       .arg(Count)
                       .arg(TopPos)
                       .arg(TopID)
                       .arg(PrevID)
                       .arg(Owned)
                       .arg(Top == Sender->PositionCard(TopPos) ? "" : " wrong card");
        };
        Table->AfterTrickFinish = [this](TLuCardTable*) { Log << QStringLiteral("Trick"); };
        Table->AfterPartyFinish = [this](TLuCardTable*) { Log << QStringLiteral("Party"); };
        Table->AfterDealingFinish = [this](TLuCardTable*) { Log << QStringLiteral("DealingFinish"); };
        Table->AfterDealToTable = [this](TLuCardTable* Sender, int Count, int TopPos, TLuSingleCard* Top) {
            Log << QStringLiteral("DealToTable count %1 pos %2%3")
                       .arg(Count)
                       .arg(TopPos)
                       .arg(Top == Sender->PositionCard(TopPos) ? "" : " wrong card");
        };
    }

    QImage TableImage() const { return Table->Buffer().convertToFormat(QImage::Format_RGB32); }

    TLuCardTable* Table = nullptr;
    QStringList Log;
    int Players = 0;
};

// Records every move of a sprite as "from (x, y) to (x, y)", and whether it
// showed the expected picture.
struct FlightLog {
    explicit FlightLog(TLuSprite& Sprite)
    {
        Sprite.AfterMove = [this](TLuSprite* S) {
            Moves << QStringLiteral("from %1,%2 to %3,%4").arg(S->HomeX()).arg(S->HomeY()).arg(S->X()).arg(S->Y());
            Pictures.push_back(S->Bitmap());
        };
    }
    QStringList Moves;
    std::vector<QImage> Pictures;
};

// Every card ID a deck hands out, in order, until it is dealt out.
inline std::vector<int> DrawAll(TLuVirtualDeck& Deck)
{
    std::vector<int> IDs;
    for (int ID = Deck.DrawNext(); ID >= 0; ID = Deck.DrawNext())
        IDs.push_back(ID);
    return IDs;
}

// A deck of exactly the given club values (2..14), one copy each.
inline void OnlyClubs(TLuVirtualDeck& Deck, const std::vector<int>& Values)
{
    TLuIncludedCards& Cards = Deck.IncludedCards();
    for (int Suit = 1; Suit <= TLuIncludedCards::SuitCount; ++Suit)
        Cards.SuitByIndex(Suit).SetAll(0);
    for (int Value : Values)
        Cards.Clubs().SetCount(Value, 1);
}

} // namespace table_testing
