#pragma once
// A card group: a card control holding an ordered list of cards that belong
// to one player or one place (a pile, a hand). It shows them as a
// cascade, answers questions about them, and plays a card onto its card
// table. A played card is never removed: it stays in its place with Empty
// set, still carrying its ID, and dealing fills such places again.
//
// Playing, as a card table sees it: TLuSingleCard::PlayToTable takes the card's Table (the group's),
// sets the table's landing position from the TablePos (SetLandingPosition),
// empties the card in its group, flies the group's sprite (if any) to the
// table's place for that position (Left/Top + TablePlaces[LandingPos()]),
// fires the group's AfterPlay and finally calls
// TLuCardTable::AddCard(Card, FaceDown, Group). A refused card is made
// non-empty again by the table. Of the group, a table uses CardAt,
// ItemCount, Controller, Dealer/SetDealer, IndexOfSuit, FirstEmptyIndex,
// EmptyAllCards, PlayTurn, Left and Top, and its cards' Bounds.
#include "cardlib/lucarddrawing.h"
#include "cardlib/lucardlist.h"
#include "cardlib/lucustomcardcontrol.h"
#include "cardlib/lutypes.h"

#include <QLabel>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QDropEvent;
class QMouseEvent;
class TLuCardTable;
class TLuSingleCard;
class TLuSprite;

class TLuCardGroup;
using TLuCardGroupNotifyEvent = std::function<void(TLuCardGroup* Sender)>;
using TLuCardGroupCardClickEvent =
    std::function<void(TLuCardGroup* Sender, TLuSingleCard* Card, int Position, bool& PlayIt,
                       TLuTablePos& TablePos, bool& FaceDown, Qt::MouseButton Button)>;
using TLuCardGroupBeforePlayEvent =
    std::function<void(TLuCardGroup* Sender, int& Position, TLuTablePos& TablePos, bool& FaceDown)>;
using TLuCardGroupAfterPlayEvent = std::function<void(TLuCardGroup* Sender, int Position, TLuTablePos TablePos)>;
using TLuCardGroupAfterAddCardEvent = std::function<void(TLuCardGroup* Sender, TLuSingleCard* Card)>;
using TLuCardGroupAfterDeleteCardEvent = std::function<void(TLuCardGroup* Sender)>;
// The toolkit reports that Source was dropped on the group at (X, Y).
using TLuCardGroupDragDropEvent = std::function<void(TLuCardGroup* Sender, QObject* Source, int X, int Y)>;

// One entry of the sort: the key the cards are ordered by and the ID that moves.
struct TLuSortPair {
    std::int32_t Key = 0;
    std::int32_t ID = 0;
};
using TLuSortArray = std::vector<TLuSortPair>;

// Sorts the pairs ascending by key with the group's quicksort. The order in
// which pairs of equal key end up (the two jokers by value) is part of the
// group's behaviour, so this is the one place that decides it.
void SortPairs(TLuSortArray& Pairs);

class TLuCardGroup : public TLuCustomCardControl, public TLuCascadeOwner {
    Q_OBJECT
public:
    explicit TLuCardGroup(QWidget* Parent = nullptr);
    ~TLuCardGroup() override;

    TLuCardList& CardList() { return *FCardList; }
    const TLuCardList& CardList() const { return *FCardList; }

    // Queries: none of them draws or fires an event.
    // The card at Index; nullptr outside the list or for an item without a card.
    TLuSingleCard* CardAt(int Index) const override;
    int ItemCount() const override;
    // Rebuilds NonEmptyIndexes (the Index of every card that is not Empty, in
    // list order) and returns its length.
    int NonEmptyCount();
    const std::vector<std::int32_t>& NonEmptyIndexes() const { return FNonEmptyIndexes; }
    // A uniformly chosen entry of NonEmptyIndexes (the process-wide
    // generator), -1 when every card is empty.
    int RandomNonEmptyIndex();
    // The first card of that suit that is not Empty; -1 if none.
    int IndexOfSuit(TLuCardSuitType Suit) const;
    // The first Empty card; the last position when none is empty (-1 for a
    // group without items).
    int FirstEmptyIndex() const;

    // Commands.
    void EmptyAllCards();
    // Plays the card at Position onto Table. A computer-controlled group with
    // a PlayDelay first pauses under the busy state. Positions outside the
    // list do nothing.
    void PlayCard(int Position, bool FaceDown, TLuTablePos TablePos);
    // The group plays by itself (a table's automatic play): a computer group
    // plays a random non-empty card after BeforePlay; a network or human group
    // fires BeforePlay and then ends the current operation with the silent
    // abort (platform::EAbort).
    void PlayTurn();

    // Properties.
    TLuCardTable* Table() const { return FTable; }
    // Also points every card at T.
    void SetTable(TLuCardTable* T);
    QLabel* PlayerNameLabel() const { return FPlayerNameLabel; }
    void SetPlayerNameLabel(QLabel* L);
    QLabel* ScoreLabel() const { return FScoreLabel; }
    void SetScoreLabel(QLabel* L);
    QLabel* DealerLabel() const { return FDealerLabel; }
    void SetDealerLabel(QLabel* L);
    // Cursor over a card that is not empty; Qt::ArrowCursor (0, the default
    // cursor) switches the cursor handling off.
    Qt::CursorShape CardCursor() const { return FCardCursor; }
    void SetCardCursor(Qt::CursorShape Value) { FCardCursor = Value; }
    TLuTablePos TablePlayPos() const { return FTablePlayPos; }
    void SetTablePlayPos(TLuTablePos Value) { FTablePlayPos = Value; }
    TLuController Controller() const { return FController; }
    void SetController(TLuController Value) { FController = Value; }
    // Stored only; nothing depends on them.
    TLuSortStyle ShowSortStyle() const { return FShowSortStyle; }
    void SetShowSortStyle(TLuSortStyle Value) { FShowSortStyle = Value; }
    bool ShowOnlyPointCards() const { return FShowOnlyPointCards; }
    void SetShowOnlyPointCards(bool Value) { FShowOnlyPointCards = Value; }
    bool ShowAutoTight() const { return FShowAutoTight; }
    void SetShowAutoTight(bool Value) { FShowAutoTight = Value; }
    // With true (and AutoEmpty off) every card gets a random standard card.
    bool RandomCards() const { return FRandomCards; }
    void SetRandomCards(bool F);
    bool Dealer() const { return FDealer; }
    // Fires OnDealerChange every time, also with an unchanged value.
    void SetDealer(bool F);
    int Score() const { return FScore; }
    // An unchanged score does nothing.
    void SetScore(int V);
    QString PlayerName() const { return FPlayerName; }
    void SetPlayerName(const QString& N);
    // Milliseconds a computer-controlled group pauses before it plays;
    // negative values are ignored.
    int PlayDelay() const { return FPlayDelay; }
    void SetPlayDelay(int V);

    // Layout.
    TLuCascadeSide CascadeSide() const override { return FCascadeSide; }
    void SetCascadeSide(TLuCascadeSide S);
    TLuCascadeStyle CascadeStyle() const override { return FCascadeStyle; }
    // Any style but csTight also switches AutoTight off.
    void SetCascadeStyle(TLuCascadeStyle C);
    int Tightness() const override { return FTightness; }
    // Clamped to 0..70.
    void SetTightness(int V);
    bool AutoTight() const { return FAutoTight; }
    // On: a tight cascade without AutoSize, whose Tightness follows the size
    // at the next resize or Add. Off: Tightness back to 16.
    void SetAutoTight(bool F);
    TLuSortStyle SortStyle() const override { return FSortStyle; }
    void SetSortStyle(TLuSortStyle S);
    bool Measuring() const override { return FMeasuring; }

    // Renders every card again (nothing while Enabled is false); an empty
    // list fills the whole Buffer with the background.
    void RedrawBuffer(bool Invalidate) override;
    // Orders the card IDs by suit or by value; only the IDs move, every
    // place keeps its flags. The result reaches the screen in one copy.
    void Sort(TLuSortStyle Style) override;
    // With AutoTight: the strip size that fits the cards into the control.
    void AutoTighten();
    // The position of the card that shows at (X, Y) of the control, by a
    // measuring pass (strictly inside a card's Bounds); -1 if none.
    int CardIndexAt(int X, int Y);
    // What the group does around a drop of Source at (X, Y): both controls
    // are held back from the screen while OnDragDrop runs, then redrawn and
    // shown with one copy each. A source that is not a card control is not
    // treated as one.
    void DragDrop(QObject* Source, int X, int Y);

    // The base's setters, passed on to every card in list order.
    void SetCardBack(TLuCardBackType Value) override;
    void SetShowBack(bool Value) override;
    void SetSprite(TLuSprite* Value) override;

    void DrawCard(TLuSingleCard& Card, bool Invalidate) override;
    TLuCardGroup* AsCardGroup() override { return this; }
    TLuCardTable* GroupTable() const override { return FTable; }

    // Events (each skipped when unset).
    TLuCardGroupCardClickEvent OnCardClick;
    TLuCardGroupBeforePlayEvent BeforePlay;
    TLuCardGroupAfterPlayEvent AfterPlay;
    TLuCardGroupNotifyEvent AfterScoreChange;
    // The card list changed (an item was added or removed); not while loading.
    TLuCardGroupNotifyEvent AfterUpdate;
    // A new item's card exists; not while loading.
    TLuCardGroupAfterAddCardEvent AfterAddCard;
    // An item's card was destroyed; not while the group itself goes.
    TLuCardGroupAfterDeleteCardEvent AfterDeleteCard;
    TLuCardGroupNotifyEvent OnDealerChange;
    TLuCardGroupDragDropEvent OnDragDrop;

protected:
    // After loading, an AutoEmpty group empties every card.
    void Loaded() override;
    // After the base's handling, AutoTighten.
    void Resize() override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    // A click on a card (any button, also on an empty card) fires
    // OnCardClick, and plays the card when the handler says so; ignored
    // while the library is busy.
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    friend class TLuCardList;
    // Runs Action on every card in list order.
    template <typename TAction>
    void ForEachCard(TAction&& Action)
    {
        for (int I = 0; I < ItemCount(); ++I)
            if (TLuSingleCard* Card = CardAt(I))
                Action(*Card);
    }
    // Fills (0, 0, Width, Height) of the Buffer and invalidates the control.
    void FillAndInvalidate(int AWidth, int AHeight);

    std::unique_ptr<TLuCardList> FCardList;
    std::vector<std::int32_t> FNonEmptyIndexes;
    TLuCardTable* FTable = nullptr;
    QPointer<QLabel> FScoreLabel;
    QPointer<QLabel> FPlayerNameLabel;
    Qt::CursorShape FCardCursor = Qt::PointingHandCursor;
    TLuCascadeStyle FCascadeStyle = csNormal;
    TLuCascadeSide FCascadeSide = csRight;
    TLuTablePos FTablePlayPos = tpAuto;
    TLuController FController = ctComputer;
    TLuSortStyle FSortStyle = soNone;
    TLuSortStyle FShowSortStyle = soNone;
    bool FShowOnlyPointCards = true;
    bool FShowAutoTight = false;
    bool FAutoTight = false;
    bool FRandomCards = false;
    bool FDealer = false;
    bool FMeasuring = false;
    // A sort is running: the sort that drawing the last card asks for finds
    // the group being sorted and leaves it alone.
    bool FSorting = false;
    int FTightness = DefaultTightness;
    int FScore = 0;
    int FPlayDelay = 0;
    QString FPlayerName;
    QPointer<QLabel> FDealerLabel;
};
