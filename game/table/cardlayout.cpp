#include "game/table/cardlayout.h"

#include "cardlib/lucard.h"
#include "cardlib/lucarditem.h"
#include "dialogs/splashform.h"
#include "platform/messagebox.h"
#include "platform/stringtable.h"

#include <QApplication>
#include <QWidget>

namespace {

// Every card place of the table, in client coordinates of the window.
constexpr int PileLeft = 54;
constexpr int SlotLefts[SlotCount] = {179, 273, 368, 463};
constexpr int ComputerRowTop = 24, UserRowTop = 344;
constexpr int CardTable1Left = 195, CardTable2Left = 342, CentreTop = 168;
constexpr int DeckLeft = 37, DeckTop = 169;
constexpr int VirtualDeckOriginX = 70, VirtualDeckOriginY = 178;
constexpr int DeckShuffleCount = 100;

template <typename T>
T* Named(T* Component, const char* Name)
{
    Component->setObjectName(QString::fromLatin1(Name));
    Component->BeginLoad();
    return Component;
}

// Appends Count places to the group; each starts empty and takes the
// group's face-down state. Nothing needs drawing: the group's background
// already shows where empty places lie. Drawing each one as it comes would
// redraw every empty place before it (a gap widens the card in front of
// it), which made a double deck's preparation take a visible moment.
void AddEmptyPlaces(TLuCardGroup* Group, int Count)
{
    const bool Drawing = Group->Enabled();
    Group->SetEnabled(false);
    for (int I = 0; I < Count; ++I)
        if (TLuSingleCard* Card = Group->CardList().Add()->Card())
            Card->SetEmpty(true);
    Group->SetEnabled(Drawing);
}

TLuCardGroup* MakePile(QWidget* Parent, const char* Name, int Top)
{
    auto* Pile = Named(new TLuCardGroup(Parent), Name);
    Pile->SetBounds(PileLeft, Top, CardWidth, CardHeight);
    Pile->SetCascadeStyle(csTight);
    Pile->SetAutoTight(true);
    Pile->SetShowAutoTight(true);
    // All places lie on top of each other: the pile shows its top card only.
    Pile->SetTightness(0);
    AddEmptyPlaces(Pile, SingleDeckPilePlaces);
    return Pile;
}

TLuCardGroup* MakeSlot(QWidget* Parent, const char* Name, int N, int Top)
{
    auto* Slot = Named(new TLuCardGroup(Parent), Name);
    Slot->SetBounds(SlotLefts[N], Top, CardWidth, CardHeight);
    Slot->SetShowBack(false);
    AddEmptyPlaces(Slot, 1);
    return Slot;
}

TLuCardTable* MakeTable(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height)
{
    auto* Table = Named(new TLuCardTable(Parent), Name);
    Table->SetBounds(Left, Top, Width, Height);
    Table->GameOptions().SetTableOpenCards(1);
    for (TLuSingleCard* Card : Table->PositionCards()) {
        Card->SetShowBack(false);
        Card->SetEmpty(true);
    }
    Table->SetEmpty(true);
    return Table;
}

// The hourglass for the length of a preparation, put back on every way out.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// Marks the second deck's places of the pile (the last 26) reserved or not.
// A pile that never had them keeps its single deck's places as they are.
void ReserveSecondDeck(TLuCardGroup* Pile, bool Reserved)
{
    const int Count = Pile->ItemCount();
    for (int I = Count - 1; I >= Count - SecondDeckPilePlaces && I >= SingleDeckPilePlaces; --I)
        if (TLuSingleCard* Card = Pile->CardAt(I))
            Card->SetReserved(Reserved);
}

} // namespace

void CreateCardComponents(TCardComponents& C, QWidget* Parent, const TLuCardGroupCardClickEvent& UserClick,
                          const std::function<void()>& DealClick)
{
    // In the order of the layout, so that later components lie in front;
    // the groups learn their tables once those exist, still while loading.
    C.Play2Pile = MakePile(Parent, "Play2Pile", ComputerRowTop);
    C.Play2Card1 = MakeSlot(Parent, "Play2Card1", 0, ComputerRowTop);
    C.Play2Card2 = MakeSlot(Parent, "Play2Card2", 1, ComputerRowTop);
    C.Play2Card3 = MakeSlot(Parent, "Play2Card3", 2, ComputerRowTop);
    C.Play2Card4 = MakeSlot(Parent, "Play2Card4", 3, ComputerRowTop);
    C.Play1Pile = MakePile(Parent, "Play1Pile", UserRowTop);
    C.Play1Card1 = MakeSlot(Parent, "Play1Card1", 0, UserRowTop);
    C.Play1Card2 = MakeSlot(Parent, "Play1Card2", 1, UserRowTop);
    C.Play1Card3 = MakeSlot(Parent, "Play1Card3", 2, UserRowTop);
    C.Play1Card4 = MakeSlot(Parent, "Play1Card4", 3, UserRowTop);
    for (TLuCardGroup* Slot : C.Slots(UserSide))
        Slot->OnCardClick = UserClick;

    C.CardTable1 = MakeTable(Parent, "CardTable1", CardTable1Left, CentreTop, TableWidth, TableHeight);
    C.CardTable2 = MakeTable(Parent, "CardTable2", CardTable2Left, CentreTop, TableWidth, TableHeight);
    C.TempTable1 = MakeTable(Parent, "TempTable1", 91, 130, 30, 22);
    C.TempTable2 = MakeTable(Parent, "TempTable2", 125, 128, 29, 26);
    for (TLuCardTable* Station : {C.TempTable1, C.TempTable2}) {
        Station->GameOptions().SetTableCloseCards(1);
        Station->GameOptions().SetTakeDelay(0);
        Station->hide();
    }
    // Each centre pile deals to its side: the pile first, then the slots.
    for (const int Side : {UserSide, ComputerSide}) {
        TLuCardTable* Centre = C.CentrePile(Side);
        C.Pile(Side)->SetTable(Centre);
        Centre->PlayerList().AddGroup(C.Pile(Side));
        for (TLuCardGroup* Slot : C.Slots(Side)) {
            Slot->SetTable(Centre);
            Centre->PlayerList().AddGroup(Slot);
        }
    }

    C.Deck = Named(new TLuCardDeck(Parent), "Deck");
    C.Deck->SetAutoSize(true);
    C.Deck->SetBounds(DeckLeft, DeckTop, DeckSingleWidth, DeckSingleHeight);
    C.Deck->setCursor(Qt::PointingHandCursor);
    C.Deck->setToolTip(QCoreApplication::translate("TCardLayout", "Click to Deal New Game"));
    C.Deck->CardLast().SetShowBack(false);
    C.Deck->SetShowLastCard(false);
    C.Deck->OnClick = [DealClick](TLuCardDeck*) {
        if (DealClick)
            DealClick();
    };

    C.VirtualDeck = Named(new TLuVirtualDeck(Parent), "VirtualDeck");
    C.VirtualDeck->SetShuffleCount(DeckShuffleCount);
    C.VirtualDeck->SetVisualDeck(C.Deck);
    C.VirtualDeck->SetOriginX(VirtualDeckOriginX);
    C.VirtualDeck->SetOriginY(VirtualDeckOriginY);
    for (TLuCardTable* Table : {C.CardTable1, C.CardTable2, C.TempTable1, C.TempTable2})
        Table->SetVirtualDeck(C.VirtualDeck);

    platform::EndLoadAll({C.Play2Pile, C.Play2Card1, C.Play2Card2, C.Play2Card3, C.Play2Card4, C.Play1Pile,
                          C.Play1Card1, C.Play1Card2, C.Play1Card3, C.Play1Card4, C.CardTable1, C.CardTable2,
                          C.TempTable1, C.TempTable2, C.Deck, C.VirtualDeck});
}

void PrepareDeckSize(TCardComponents& C, int Decks)
{
    if (Decks == 1) {
        C.Deck->SetDeckType(dcSingle);
        ReserveSecondDeck(C.Play1Pile, true);
        ReserveSecondDeck(C.Play2Pile, true);
    } else {
        C.Deck->SetDeckType(dcDouble);
        if (!SplashForm)
            platform::MessageDlg(platform::LoadStr(platform::strings::SecondDeckWarning), platform::MsgType::Warning,
                                 platform::MsgButtons::Ok);
        TWaitCursor Hourglass;
        if (C.Play2Pile->ItemCount() <= SingleDeckPilePlaces) {
            for (int I = 0; I < SecondDeckPilePlaces; ++I) {
                if (SplashForm)
                    StepSplash(SplashForm);
                AddEmptyPlaces(C.Play1Pile, 1);
                AddEmptyPlaces(C.Play2Pile, 1);
            }
        } else {
            ReserveSecondDeck(C.Play1Pile, false);
            ReserveSecondDeck(C.Play2Pile, false);
        }
    }

    const auto Copies = static_cast<std::uint8_t>(Decks);
    TLuIncludedCards& Included = C.VirtualDeck->IncludedCards();
    for (int Suit = 1; Suit <= TLuIncludedCards::SuitCount; ++Suit)
        Included.SuitByIndex(Suit).SetAll(Copies);
}

void PrepareFirstDeal(TCardComponents& C)
{
    C.CardTable1->PrepareDeal();
    C.CardTable2->PrepareDeal();
}
