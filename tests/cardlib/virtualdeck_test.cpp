// The virtual deck: its composition, the shuffle from a fixed clock, the
// order cards come out in, the visual deck's peeling, and the virtual-deck
// file with every way it can be wrong.
#include "cardlib/lubusy.h"
#include "cardlib/lucarddeck.h"
#include "cardlib/lusinglecard.h"
#include "cardlib/luvirtualdeck.h"
#include "platform/random.h"
#include "tests/support/seams.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using testing_support::FixedClock;
using testing_support::ScriptedMessageBoxes;

platform::SystemTime TimeOfDay(int hour, int minute, int second, int ms)
{
    platform::SystemTime t;
    t.Year = 2026;
    t.Month = 12;
    t.Day = 10;
    t.Hour = hour;
    t.Minute = minute;
    t.Second = second;
    t.Milliseconds = ms;
    return t;
}

// Every card of the four suits Count times.
void SetAllCounts(TLuVirtualDeck& deck, std::uint8_t count)
{
    for (int s = 1; s <= 4; ++s)
        deck.IncludedCards().SuitByIndex(s).SetAll(count);
}

// A composition of exactly n cards without jokers: every card n / 52 times
// and the first n % 52 cards of the unshuffled order once more.
void SetCardCount(TLuVirtualDeck& deck, int n)
{
    SetAllCounts(deck, static_cast<std::uint8_t>(n / 52));
    int extra = n % 52;
    for (int s = 1; s <= 4 && extra > 0; ++s)
        for (int value = 2; value <= 14 && extra > 0; ++value, --extra)
            deck.IncludedCards().SuitByIndex(s).SetCount(value,
                                                         static_cast<std::uint8_t>(n / 52 + 1));
}

std::vector<int> DrawAll(TLuVirtualDeck& deck)
{
    std::vector<int> ids;
    for (int id = deck.DrawNext(); id >= 0; id = deck.DrawNext())
        ids.push_back(id);
    return ids;
}

TEST(IncludedCards, SuitsHaveTheirIDBlocks)
{
    TLuIncludedCards cards;
    EXPECT_EQ(cards.SuitByIndex(1).IDBase(), 0);
    EXPECT_EQ(cards.SuitByIndex(2).IDBase(), 13);
    EXPECT_EQ(cards.SuitByIndex(3).IDBase(), 26);
    EXPECT_EQ(cards.SuitByIndex(4).IDBase(), 39);
    EXPECT_EQ(&cards.SuitByIndex(1), &cards.Clubs());
    EXPECT_EQ(&cards.SuitByIndex(2), &cards.Diamonds());
    EXPECT_EQ(&cards.SuitByIndex(3), &cards.Spades());
    EXPECT_EQ(&cards.SuitByIndex(4), &cards.Hearts());
    for (int other : {0, 5, -1})
        EXPECT_EQ(&cards.SuitByIndex(other), &cards.Clubs()) << other;
    EXPECT_EQ(cards.Jokers().RedJoker(), 0);
    EXPECT_EQ(cards.Jokers().BlueJoker(), 0);
}

TEST(IncludedCards, SuitCountsOutsideTheRanksAreIgnored)
{
    TLuSuit suit(13);
    for (int value = 2; value <= 14; ++value)
        EXPECT_EQ(suit.GetCount(value), 1) << value;
    for (int value : {0, 1, 15, -3}) {
        suit.SetCount(value, 9);
        EXPECT_EQ(suit.GetCount(value), 0) << value;
    }
    suit.SetJack(3);
    EXPECT_EQ(suit.GetCount(11), 3);
    suit.SetCount(14, 2);
    EXPECT_EQ(suit.Ace(), 2);
    suit.SetAll(0);
    EXPECT_EQ(suit.Two() + suit.Ten() + suit.King(), 0);
}

TEST(IncludedCards, BuildCardListInUnshuffledOrder)
{
    TLuIncludedCards cards;
    TLuArrayInt list{99, 99};
    cards.BuildCardList(list);
    ASSERT_EQ(list.size(), 52u);
    for (int i = 0; i < 52; ++i)
        EXPECT_EQ(list[static_cast<std::size_t>(i)], i + 2);
    EXPECT_EQ(cards.CountCards(), 52);

    for (int s = 1; s <= 4; ++s)
        cards.SuitByIndex(s).SetAll(2);
    cards.BuildCardList(list);
    ASSERT_EQ(list.size(), 104u);
    EXPECT_EQ(cards.CountCards(), 104);
    for (int i = 0; i < 104; ++i)
        EXPECT_EQ(list[static_cast<std::size_t>(i)], i / 2 + 2) << i;
}

TEST(IncludedCards, CopiesZeroesAndJokersChangeTheDeck)
{
    TLuIncludedCards cards;
    cards.Hearts().SetQueen(3); // ID 51 three times
    cards.Clubs().SetTwo(0);    // ID 2 left out
    cards.Spades().SetAll(0);   // IDs 28..40 left out
    cards.Jokers().SetRedJoker(1);
    cards.Jokers().SetBlueJoker(2);
    TLuArrayInt list;
    cards.BuildCardList(list);
    EXPECT_EQ(cards.CountCards(), 52 + 2 - 1 - 13 + 3);
    ASSERT_EQ(static_cast<int>(list.size()), cards.CountCards());
    EXPECT_EQ(list.front(), 3);
    EXPECT_EQ(std::count(list.begin(), list.end(), 51), 3);
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](int id) { return id >= 28 && id <= 40; }),
              0);
    EXPECT_EQ(std::vector<int>(list.end() - 3, list.end()), (std::vector<int>{54, 55, 55}));
    // Diamonds (15..27) come before spades and hearts, whatever the member order.
    EXPECT_LT(std::find(list.begin(), list.end(), 27) - list.begin(),
              std::find(list.begin(), list.end(), 41) - list.begin());
}

TEST(IncludedCards, AssignCopiesCountsButKeepsIDBases)
{
    TLuIncludedCards source;
    source.Diamonds().SetAce(4);
    source.Jokers().SetBlueJoker(1);
    TLuIncludedCards copy;
    copy.Assign(source);
    EXPECT_EQ(copy.Diamonds().Ace(), 4);
    EXPECT_EQ(copy.Jokers().BlueJoker(), 1);
    EXPECT_EQ(copy.Diamonds().IDBase(), 13);
    EXPECT_EQ(copy.CountCards(), 56);
}

class VirtualDeckTest : public ::testing::Test
{
protected:
    VirtualDeckTest() : clock(TimeOfDay(1, 2, 3, 4))
    {
        form.resize(640, 480);
        boxes.SetFallback(platform::MsgResult::Ok);
    }

    TLuCardDeck* AddVisualDeck(TLuVisualDeckType type = dcSingle)
    {
        auto* visual = new TLuCardDeck(&form);
        visual->setGeometry(18, 83, 103, 104);
        visual->SetDeckType(type);
        deck.SetVisualDeck(visual);
        return visual;
    }

    FixedClock clock;
    ScriptedMessageBoxes boxes;
    QWidget form;
    TLuVirtualDeck deck{&form};
};

TEST_F(VirtualDeckTest, NewDeckHoldsFiftyTwoBlanks)
{
    EXPECT_EQ(deck.Cards(), TLuArrayInt(52, 0));
    EXPECT_EQ(deck.NextIndex(), 0);
    EXPECT_EQ(deck.CardCount(), 52);
    EXPECT_EQ(deck.ShuffleCount(), 0);
    EXPECT_TRUE(deck.DealAnimation());
    EXPECT_FALSE(deck.CustomDeck());
    EXPECT_EQ(deck.VisualDeck(), nullptr);
    EXPECT_EQ(deck.IncludedCards().CountCards(), 52);
}

TEST_F(VirtualDeckTest, WithoutShufflingTheLastCardComesFirst)
{
    deck.Prepare();
    EXPECT_EQ(deck.DrawNext(), 53) << "the ace of hearts";
    deck.IncludedCards().Jokers().SetBlueJoker(1);
    deck.Prepare();
    EXPECT_EQ(deck.CardCount(), 53);
    EXPECT_EQ(deck.DrawNext(), 55) << "the blue joker";
}

// Seed 01:02:03.004 UTC: S = ((1*60+2)*60+3)*1000+4 = 3723004. A four-card
// deck 2, 3, 4, 5 and one pass draw four numbers, S := S*134775813+1 mod 2^32
// and j := (S*4) >> 32:
//   i=0: S=2746612461, j=2  -> 4 3 2 5
//   i=1: S=1196956322, j=1  -> 4 3 2 5
//   i=2: S=3078884651, j=2  -> 4 3 2 5
//   i=3: S=1840672216, j=1  -> 4 5 2 3
// and the cards are dealt from the end: 3, 2, 5, 4.
TEST_F(VirtualDeckTest, ShuffleOfAFixedSeedWorkedByHand)
{
    SetAllCounts(deck, 0);
    for (int value = 2; value <= 5; ++value)
        deck.IncludedCards().Clubs().SetCount(value, 1);
    deck.SetShuffleCount(1);
    deck.Prepare();
    EXPECT_EQ(deck.Cards(), (TLuArrayInt{4, 5, 2, 3}));
    EXPECT_EQ(platform::RandSeed(), 1840672216u);
    EXPECT_EQ(DrawAll(deck), (std::vector<int>{3, 2, 5, 4}));
}

// The game's deck: 100 passes over 52 cards from the same seed. The first
// five cards dealt were worked out apart from this program, with the same
// generator rule and exchange steps; the whole order is checked against a
// second, independent run of that rule here.
TEST_F(VirtualDeckTest, GameShuffleOfAFixedSeed)
{
    deck.SetShuffleCount(100);
    deck.Prepare();

    std::vector<std::int32_t> expected(52);
    for (int i = 0; i < 52; ++i)
        expected[static_cast<std::size_t>(i)] = i + 2;
    std::uint32_t s = 3723004u;
    for (int pass = 0; pass < 100; ++pass)
        for (std::size_t i = 0; i < 52; ++i) {
            s = s * 134775813u + 1u;
            const auto j = static_cast<std::size_t>((std::uint64_t{s} * 52u) >> 32);
            std::swap(expected[i], expected[j]);
        }
    EXPECT_EQ(deck.Cards(), TLuArrayInt(expected.begin(), expected.end()));
    EXPECT_EQ(platform::RandSeed(), s) << "exactly 5,200 numbers drawn";

    const std::vector<int> dealt = DrawAll(deck);
    ASSERT_EQ(dealt.size(), 52u);
    EXPECT_EQ(std::vector<int>(dealt.begin(), dealt.begin() + 5),
              (std::vector<int>{37, 29, 30, 39, 17}));
    std::vector<int> sorted = dealt;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 52; ++i)
        EXPECT_EQ(sorted[static_cast<std::size_t>(i)], i + 2);
}

TEST_F(VirtualDeckTest, SameMillisecondSameOrderNextMillisecondAnother)
{
    deck.SetShuffleCount(100);
    deck.Prepare();
    const TLuArrayInt first = deck.Cards();
    deck.Prepare();
    EXPECT_EQ(deck.Cards(), first);
    clock.Set(TimeOfDay(1, 2, 3, 5));
    deck.Prepare();
    EXPECT_NE(deck.Cards(), first);
}

TEST_F(VirtualDeckTest, PrepareSeedsFromTheTimeOfDayOnly)
{
    clock.Set(TimeOfDay(23, 59, 59, 999));
    deck.Prepare(); // no passes: nothing is drawn after seeding
    EXPECT_EQ(platform::RandSeed(), 86399999u);
}

TEST_F(VirtualDeckTest, PrepareResetsTheVisualDeckAndReportsWhileBusy)
{
    TLuCardDeck* visual = AddVisualDeck();
    visual->SetDeckEmpty(true);
    visual->SetDealtOut(true);
    deck.SetShuffleCount(100);
    int reports = 0;
    deck.AfterPrepareDeck = [&](TLuVirtualDeck* sender) {
        EXPECT_EQ(sender, &deck);
        EXPECT_TRUE(Busy());
        ++reports;
    };
    deck.Prepare();
    EXPECT_EQ(reports, 1);
    EXPECT_FALSE(Busy());
    EXPECT_EQ(visual->CardLast().ID(), deck.Cards().front());
    EXPECT_EQ(visual->CardFirst().ID(), deck.Cards().back());
    EXPECT_FALSE(visual->DeckEmpty());
    EXPECT_FALSE(visual->DealtOut());
    EXPECT_EQ(visual->LayerCount(), 3);
    EXPECT_EQ(deck.NextIndex(), 51);
}

TEST_F(VirtualDeckTest, OriginIsOnePixelInsideTheTopCardsCorner)
{
    deck.SetOriginX(5);
    deck.SetOriginY(6);
    EXPECT_EQ(deck.OriginX(), 5);
    EXPECT_EQ(deck.OriginY(), 6);
    TLuCardDeck* visual = AddVisualDeck();
    EXPECT_EQ(deck.OriginX(), 18 + 103 - 70);
    EXPECT_EQ(deck.OriginY(), 83 + 104 - 95);
    visual->move(100, 50);
    EXPECT_EQ(deck.OriginX(), 100 + 103 - 70);
    EXPECT_EQ(deck.OriginY(), 50 + 104 - 95);
}

// Each row deals a whole deck of Count cards through a visual deck of the
// given type: where layers are peeled, and whether the stack ends empty (it
// does when the peel points have brought it to 0 before it is dealt out).
struct PeelCase
{
    int Count;
    TLuVisualDeckType Type;
    std::vector<int> PeelAfter; // 1-based numbers of the cards after which a layer goes
    bool EndsEmpty;
};

class PeelTest : public VirtualDeckTest, public ::testing::WithParamInterface<PeelCase>
{
};

TEST_P(PeelTest, LayersGoAtThePeelPoints)
{
    const PeelCase& c = GetParam();
    TLuCardDeck* visual = AddVisualDeck(c.Type);
    SetCardCount(deck, c.Count);
    deck.SetShuffleCount(1);
    deck.Prepare();
    ASSERT_EQ(deck.CardCount(), c.Count);
    const TLuArrayInt order = deck.Cards();

    std::vector<int> peeledAfter;
    int layers = visual->LayerCount();
    for (int n = 1; n <= c.Count; ++n) {
        const int id = deck.DrawNext();
        ASSERT_EQ(id, order[static_cast<std::size_t>(c.Count - n)]) << "card " << n;
        EXPECT_EQ(visual->CardFirst().ID(), id);
        if (n < c.Count) {
            EXPECT_EQ(static_cast<int>(deck.Cards().size()), c.Count - n) << "card " << n;
            if (visual->LayerCount() != layers)
                peeledAfter.push_back(n);
            layers = visual->LayerCount();
        }
    }
    EXPECT_EQ(peeledAfter, c.PeelAfter);
    EXPECT_EQ(visual->DeckEmpty(), c.EndsEmpty);
    EXPECT_EQ(visual->LayerCount(), 0);
    EXPECT_TRUE(visual->DealtOut());
    EXPECT_EQ(deck.NextIndex(), -1);
    EXPECT_TRUE(deck.Cards().empty());
    EXPECT_EQ(deck.DrawNext(), -1);
    EXPECT_EQ(deck.NextIndex(), -1);
    EXPECT_FALSE(Busy());
}

std::vector<int> EveryEighth(int upTo)
{
    std::vector<int> result;
    for (int n = 8; n <= upTo; n += 8)
        result.push_back(n);
    return result;
}

INSTANTIATE_TEST_SUITE_P(
    DeckSizes, PeelTest,
    ::testing::Values(
        // The single deck: after the 14th, 27th and 40th card; the 52nd card's
        // peel finds the stack at 0 and the deal-out turns it empty.
        PeelCase{52, dcSingle, {14, 27, 40}, true}, PeelCase{20, dcSingle, {8}, false},
        PeelCase{25, dcSingle, {13}, false}, PeelCase{26, dcSingle, {1, 14}, true},
        // The double deck: one of thirteen layers every eight cards.
        PeelCase{104, dcDouble, EveryEighth(96), true},
        PeelCase{53, dcDouble, {5, 13, 21, 29, 37, 45}, false},
        PeelCase{88, dcDouble, {8, 16, 24, 32, 40, 48, 56, 64, 72, 80}, false},
        PeelCase{89, dcDouble, {1, 9, 17, 25, 33, 41, 49, 57, 65, 73, 81}, true},
        // Beyond a thousand cards nothing is peeled while dealing.
        PeelCase{1001, dcSingle, {}, false}));

TEST_F(VirtualDeckTest, WithoutAVisualDeckTheSameOrderComesOut)
{
    deck.SetShuffleCount(100);
    deck.Prepare();
    const TLuArrayInt order = deck.Cards();
    for (int n = 1; n < 52; ++n) {
        EXPECT_EQ(deck.DrawNext(), order[static_cast<std::size_t>(52 - n)]);
        EXPECT_EQ(deck.Cards().size(), 52u) << "not shortened card by card";
    }
    EXPECT_EQ(deck.DrawNext(), order[0]);
    EXPECT_TRUE(deck.Cards().empty());
    EXPECT_EQ(deck.DrawNext(), -1);
}

TEST_F(VirtualDeckTest, EmptyCompositionDealsNothingAndShowsTheStackEmpty)
{
    TLuCardDeck* visual = AddVisualDeck();
    SetAllCounts(deck, 0);
    deck.Prepare();
    EXPECT_EQ(deck.CardCount(), 0);
    EXPECT_EQ(deck.NextIndex(), -1);
    EXPECT_TRUE(visual->DeckEmpty());
    EXPECT_EQ(deck.DrawNext(), -1);
}

// The virtual-deck file.
// A virtual-deck file record: the header, the version, the counts and 108
// card IDs 2, 9, 16, ... (steps of 7 through 2..55).
QByteArray DeckRecord(std::int32_t version = 1, std::int32_t shuffles = 0, std::int32_t count = 10)
{
    QByteArray data(1148, '\0');
    data[0] = 33;
    const QByteArray text("Lumeri Software Virtual Deck File");
    std::copy(text.begin(), text.end(), data.begin() + 1);
    qToLittleEndian<std::int32_t>(version, data.data() + 36);
    // Bytes the program reads and drops.
    std::fill(data.begin() + 40, data.begin() + 708, '\x5A');
    qToLittleEndian<std::int32_t>(shuffles, data.data() + 708);
    qToLittleEndian<std::int32_t>(count, data.data() + 712);
    for (int i = 0; i < 108; ++i)
        qToLittleEndian<std::int32_t>(2 + (i * 7) % 54, data.data() + 716 + 4 * i);
    return data;
}

class DeckFileTest : public VirtualDeckTest
{
protected:
    QString Write(const QByteArray& data, const QString& name = QStringLiteral("deck.vdf"))
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }

    // Switches custom mode on with the file; returns the texts of the boxes shown.
    QStringList SwitchOn(const QString& path)
    {
        deck.SetCustomDeckFileName(path);
        deck.SetCustomDeck(true);
        return boxes.Texts();
    }

    void ExpectUnchanged()
    {
        EXPECT_FALSE(deck.CustomDeck());
        EXPECT_EQ(deck.ShuffleCount(), 7);
        EXPECT_EQ(deck.CardCount(), 52);
        for (std::int32_t id : deck.CustomCards())
            EXPECT_EQ(id, 0);
    }

    void SetUp() override { deck.SetShuffleCount(7); }

    QTemporaryDir dir;
};

TEST_F(DeckFileTest, GoodFileReplacesTheOrderAndTheCounts)
{
    QByteArray data = DeckRecord(1, 0, 10);
    data.append("anything after the record is ignored");
    EXPECT_TRUE(SwitchOn(Write(data)).isEmpty());
    EXPECT_TRUE(deck.CustomDeck());
    EXPECT_EQ(deck.CardCount(), 10);
    EXPECT_EQ(deck.ShuffleCount(), 0);
    EXPECT_EQ(deck.SavedShuffleCount(), 7);
    for (int i = 0; i < 108; ++i)
        EXPECT_EQ(deck.CustomCards()[static_cast<std::size_t>(i)], 2 + (i * 7) % 54);

    TLuCardDeck* visual = AddVisualDeck();
    deck.Prepare();
    EXPECT_EQ(deck.CardCount(), 10) << "a custom deck has the file's card count";
    EXPECT_EQ(deck.Cards(), (TLuArrayInt{2, 9, 16, 23, 30, 37, 44, 51, 4, 11}));
    EXPECT_EQ(visual->CardLast().ID(), 2);
    EXPECT_EQ(DrawAll(deck), (std::vector<int>{11, 4, 51, 44, 37, 30, 23, 16, 9, 2}));

    deck.SetCustomDeck(false);
    EXPECT_EQ(deck.ShuffleCount(), 7) << "the shuffle count of before custom mode";
    deck.Prepare();
    EXPECT_EQ(deck.CardCount(), 52);
}

TEST_F(DeckFileTest, AFullFileOfOneHundredAndEightCards)
{
    ASSERT_TRUE(SwitchOn(Write(DeckRecord(1, 3, 108))).isEmpty());
    deck.Prepare();
    EXPECT_EQ(deck.CardCount(), 108);
    EXPECT_EQ(DrawAll(deck).size(), 108u);
}

// Every bad file leaves custom mode off and the deck as it was; all but a
// missing file say why.
struct BadFile
{
    const char* Name;
    QByteArray Data;
    const char* Message; // nullptr: no box at all
};

class BadDeckFileTest : public DeckFileTest, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(BadDeckFileTest, IsRefusedWithoutChangingTheDeck)
{
    const BadFile& c = GetParam();
    const QStringList texts = SwitchOn(Write(c.Data));
    if (c.Message) {
        EXPECT_EQ(texts, QStringList{QString::fromUtf8(c.Message)});
    } else {
        EXPECT_TRUE(texts.isEmpty());
    }
    for (const auto& box : boxes.Boxes())
        EXPECT_EQ(box.type, platform::MsgType::Error);
    ExpectUnchanged();
}

QByteArray WithByte(QByteArray data, int at, char value)
{
    data[at] = value;
    return data;
}

QByteArray WithCard(QByteArray data, int index, std::int32_t id)
{
    qToLittleEndian<std::int32_t>(id, data.data() + 716 + 4 * index);
    return data;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDeckFileTest,
    ::testing::Values(
        BadFile{"first byte not 33", WithByte(DeckRecord(), 0, 32), "Unrecognized file fomat."},
        BadFile{"header text differs", WithByte(DeckRecord(), 10, 'x'), "Unrecognized file fomat."},
        BadFile{"version 2", DeckRecord(2), "Wrong file version."},
        BadFile{"version 0", DeckRecord(0), "Wrong file version."},
        BadFile{"card count 109", DeckRecord(1, 0, 109), "Unrecognized file fomat."},
        BadFile{"card count huge", DeckRecord(1, 0, 0x7FFFFFFF), "Unrecognized file fomat."},
        BadFile{"card count 0", DeckRecord(1, 0, 0), "Unrecognized file fomat."},
        BadFile{"card count negative", DeckRecord(1, 0, -5), "Unrecognized file fomat."},
        BadFile{"a used card is no card", WithCard(DeckRecord(1, 0, 10), 9, 56),
                "Unrecognized file fomat."},
        BadFile{"bad header in a short file", WithByte(DeckRecord().left(40), 0, 0),
                "Unrecognized file fomat."}),
    [](const ::testing::TestParamInfo<BadFile>& param) {
        std::string name = param.param.Name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(DeckFileTest, AnUnusedPlaceMayHoldAnything)
{
    EXPECT_TRUE(SwitchOn(Write(WithCard(DeckRecord(1, 0, 10), 10, -1))).isEmpty());
    EXPECT_TRUE(deck.CustomDeck());
}

TEST_F(DeckFileTest, ShortFilesAreReportedAsUnreadable)
{
    struct Case
    {
        const char* Name;
        int Size;
    };
    for (const Case& c : {Case{"empty", 0}, Case{"one byte", 1}, Case{"header cut", 33},
                          Case{"header only", 34}, Case{"one byte short", 1147}}) {
        ScriptedMessageBoxes own;
        own.SetFallback(platform::MsgResult::Ok);
        const QString path =
            Write(DeckRecord(1, 0, 108).left(c.Size), QString::fromUtf8(c.Name) + ".vdf");
        SwitchOn(path);
        ASSERT_EQ(own.Boxes().size(), 1u) << c.Name;
        EXPECT_EQ(own.Boxes()[0].text,
                  QStringLiteral("Cannot read the virtual deck file \"%1\".").arg(path))
            << c.Name;
        EXPECT_EQ(own.Boxes()[0].type, platform::MsgType::Error);
        ExpectUnchanged();
    }
}

TEST_F(DeckFileTest, MissingFileSwitchesOffSilently)
{
    EXPECT_TRUE(SwitchOn(dir.filePath(QStringLiteral("no such file"))).isEmpty());
    ExpectUnchanged();
    EXPECT_TRUE(SwitchOn(QString()).isEmpty());
    ExpectUnchanged();
}

TEST_F(DeckFileTest, AFolderInsteadOfAFileIsUnreadable)
{
    const QStringList texts = SwitchOn(dir.path());
    EXPECT_EQ(texts.size(), 1);
    ExpectUnchanged();
}

TEST_F(DeckFileTest, EmptyFileNameSwitchesOffWithoutRestoringTheShuffleCount)
{
    ASSERT_TRUE(SwitchOn(Write(DeckRecord(1, 3, 20))).isEmpty());
    deck.SetCustomDeckFileName(QString());
    EXPECT_FALSE(deck.CustomDeck());
    EXPECT_EQ(deck.ShuffleCount(), 3);
}

TEST_F(DeckFileTest, LoadingReadsTheFileOnceAtTheEnd)
{
    const QString good = Write(DeckRecord(1, 5, 12));
    TLuVirtualDeck loaded(&form);
    loaded.BeginLoad();
    loaded.SetCustomDeck(true); // stored before the file name, as a layout may
    loaded.SetCustomDeckFileName(good);
    loaded.SetShuffleCount(100);
    loaded.EndLoad();
    EXPECT_TRUE(loaded.CustomDeck());
    EXPECT_EQ(loaded.CardCount(), 12);
    EXPECT_EQ(loaded.ShuffleCount(), 5);
    EXPECT_EQ(loaded.SavedShuffleCount(), 100);
    EXPECT_TRUE(boxes.Texts().isEmpty());

    TLuVirtualDeck bad(&form);
    bad.BeginLoad();
    bad.SetCustomDeckFileName(Write(DeckRecord(3), QStringLiteral("v3.vdf")));
    bad.SetCustomDeck(true);
    bad.EndLoad();
    EXPECT_FALSE(bad.CustomDeck());
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Wrong file version.")});
}

} // namespace
