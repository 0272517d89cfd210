#include "cardlib/lucardgroup.h"

#include "cardlib/lubusy.h"
#include "cardlib/lucardimages.h"
#include "cardlib/lucarditem.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "cardlib/lusprite.h"
#include "cardlib/luwait.h"
#include "platform/abort.h"
#include "platform/random.h"

#include <QDropEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <exception>
#include <utility>

namespace {

void QuickSort(TLuSortArray& A, int Lo, int Hi)
{
    int I = Lo;
    int J = Hi;
    const int Pivot = (A[static_cast<std::size_t>(Lo)].Key + A[static_cast<std::size_t>(Hi)].Key) / 2;
    do {
        while (A[static_cast<std::size_t>(I)].Key < Pivot)
            ++I;
        while (A[static_cast<std::size_t>(J)].Key > Pivot)
            --J;
        if (I <= J) {
            std::swap(A[static_cast<std::size_t>(I)], A[static_cast<std::size_t>(J)]);
            ++I;
            --J;
        }
    } while (I <= J);
    if (Lo < J)
        QuickSort(A, Lo, J);
    if (I < Hi)
        QuickSort(A, I, Hi);
}

// Sets a flag for the length of a scope, also when an exception leaves it.
class TFlagScope {
public:
    explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

void SetCaption(QLabel* Label, const QString& Text)
{
    if (Label)
        Label->setText(Text);
}

QString DealerCaption(bool Dealer)
{
    return Dealer ? QStringLiteral("Dealer") : QString();
}

} // namespace

void SortPairs(TLuSortArray& Pairs)
{
    if (!Pairs.empty())
        QuickSort(Pairs, 0, static_cast<int>(Pairs.size()) - 1);
}

// ---------------------------------------------------------------------------
// Construction

TLuCardGroup::TLuCardGroup(QWidget* Parent)
    : TLuCustomCardControl(Parent)
{
    SetBufferSize(CardWidth, CardHeight);
    SetBounds(Left(), Top(), CardWidth, CardHeight);
    TLuCustomGraphicControl::SetEmpty(false);
    FCardList = std::make_unique<TLuCardList>(this);
    // The card cursor follows the pointer without a button held.
    setMouseTracking(true);
}

TLuCardGroup::~TLuCardGroup()
{
    // Cleared before the cards go, so that CardAt and ItemCount answer
    // "none" rather than reach into a list that is being destroyed.
    FCardList.reset();
}

void TLuCardGroup::Loaded()
{
    TLuCustomCardControl::Loaded();
    if (AutoEmpty())
        EmptyAllCards();
}

// ---------------------------------------------------------------------------
// Queries

TLuSingleCard* TLuCardGroup::CardAt(int Index) const
{
    if (!FCardList)
        return nullptr;
    const TLuCardItem* Item = FCardList->Items(Index);
    return Item ? Item->Card() : nullptr;
}

int TLuCardGroup::ItemCount() const
{
    return FCardList ? FCardList->Count() : 0;
}

int TLuCardGroup::NonEmptyCount()
{
    FNonEmptyIndexes.clear();
    for (int I = 0; I < ItemCount(); ++I)
        if (const TLuSingleCard* Card = CardAt(I); Card && !Card->Empty())
            FNonEmptyIndexes.push_back(Card->Index());
    return static_cast<int>(FNonEmptyIndexes.size());
}

int TLuCardGroup::RandomNonEmptyIndex()
{
    const int Count = NonEmptyCount();
    if (Count == 0)
        return -1;
    return FNonEmptyIndexes[static_cast<std::size_t>(platform::Random(Count))];
}

int TLuCardGroup::IndexOfSuit(TLuCardSuitType Suit) const
{
    for (int I = 0; I < ItemCount(); ++I)
        if (const TLuSingleCard* Card = CardAt(I); Card && Card->Suit() == Suit && !Card->Empty())
            return I;
    return -1;
}

int TLuCardGroup::FirstEmptyIndex() const
{
    for (int I = 0; I < ItemCount(); ++I)
        if (const TLuSingleCard* Card = CardAt(I); Card && Card->Empty())
            return I;
    return ItemCount() - 1;
}

// ---------------------------------------------------------------------------
// Commands

void TLuCardGroup::EmptyAllCards()
{
    ForEachCard([&](TLuSingleCard& Card) { Card.SetEmpty(true); });
}

void TLuCardGroup::PlayCard(int Position, bool FaceDown, TLuTablePos TablePos)
{
    if (FPlayDelay > 0 && FController == ctComputer) {
        // The event loop runs during the pause: the window may close meanwhile.
        const QPointer<TLuCardGroup> Self(this);
        {
            TLuBusyGuard Holding;
            Wait(FPlayDelay);
        }
        if (!Self)
            return;
    }
    if (Position < 0 || Position >= ItemCount())
        return;
    if (TLuSingleCard* Card = CardAt(Position))
        Card->PlayToTable(TablePos, FaceDown);
}

void TLuCardGroup::PlayTurn()
{
    int Position = -1;
    TLuTablePos TablePos = FTablePlayPos;
    bool FaceDown = false;
    if (FController != ctComputer) {
        // Nobody plays for a person: the handler hears of the turn, then the
        // operation that asked for it ends.
        if (BeforePlay)
            BeforePlay(this, Position, TablePos, FaceDown);
        platform::Abort();
    }
    Position = RandomNonEmptyIndex();
    if (BeforePlay)
        BeforePlay(this, Position, TablePos, FaceDown);
    if (Position >= 0 && Position < ItemCount())
        PlayCard(Position, FaceDown, TablePos);
}

// ---------------------------------------------------------------------------
// Property setters

void TLuCardGroup::SetTable(TLuCardTable* T)
{
    FTable = T;
    ForEachCard([&](TLuSingleCard& Card) { Card.SetTable(T); });
}

void TLuCardGroup::SetSprite(TLuSprite* Value)
{
    TLuCustomCardControl::SetSprite(Value);
    ForEachCard([&](TLuSingleCard& Card) { Card.SetSprite(Value); });
}

void TLuCardGroup::SetCardBack(TLuCardBackType Value)
{
    TLuCustomCardControl::SetCardBack(Value);
    ForEachCard([&](TLuSingleCard& Card) { Card.SetCardBack(Value); });
}

void TLuCardGroup::SetShowBack(bool Value)
{
    TLuCustomCardControl::SetShowBack(Value);
    ForEachCard([&](TLuSingleCard& Card) { Card.SetShowBack(Value); });
}

void TLuCardGroup::SetScore(int V)
{
    if (V == FScore)
        return;
    FScore = V;
    SetCaption(FScoreLabel, QString::number(FScore));
    if (AfterScoreChange)
        AfterScoreChange(this);
}

void TLuCardGroup::SetScoreLabel(QLabel* L)
{
    FScoreLabel = L;
    SetCaption(L, QString::number(FScore));
}

void TLuCardGroup::SetPlayerName(const QString& N)
{
    FPlayerName = N;
    SetCaption(FPlayerNameLabel, N);
}

void TLuCardGroup::SetPlayerNameLabel(QLabel* L)
{
    FPlayerNameLabel = L;
    SetCaption(L, FPlayerName);
}

void TLuCardGroup::SetDealer(bool F)
{
    FDealer = F;
    SetCaption(FDealerLabel, DealerCaption(F));
    if (OnDealerChange)
        OnDealerChange(this);
}

void TLuCardGroup::SetDealerLabel(QLabel* L)
{
    FDealerLabel = L;
    SetCaption(L, DealerCaption(FDealer));
}

void TLuCardGroup::SetPlayDelay(int V)
{
    if (V >= 0)
        FPlayDelay = V;
}

void TLuCardGroup::SetRandomCards(bool F)
{
    FRandomCards = F;
    if (!F || AutoEmpty())
        return;
    // Repeats are allowed.
    ForEachCard([&](TLuSingleCard& Card) { Card.SetID(RandomStandardCardID()); });
}

// ---------------------------------------------------------------------------
// Layout

void TLuCardGroup::FillAndInvalidate(int AWidth, int AHeight)
{
    FillRect(Buffer(), TLuRect{0, 0, AWidth, AHeight}, BrushRgb());
    Invalidate();
}

void TLuCardGroup::RedrawBuffer(bool Invalidate)
{
    if (!Enabled())
        return;
    if (ItemCount() == 0) {
        FillAndInvalidate(Buffer().width(), Buffer().height());
        return;
    }
    ForEachCard([&](TLuSingleCard& Card) { Card.Draw(Invalidate); });
}

void TLuCardGroup::DrawCard(TLuSingleCard& Card, bool Invalidate)
{
    DrawGroupCard(Card, *this, Invalidate);
}

void TLuCardGroup::SetCascadeSide(TLuCascadeSide S)
{
    FCascadeSide = S;
    RedrawBuffer(true);
}

void TLuCardGroup::SetCascadeStyle(TLuCascadeStyle C)
{
    FCascadeStyle = C;
    if (C != csTight)
        SetAutoTight(false);
    RedrawBuffer(true);
}

void TLuCardGroup::SetTightness(int V)
{
    FTightness = std::clamp(V, 0, MaxTightness);
    RedrawBuffer(false);
}

void TLuCardGroup::SetAutoTight(bool F)
{
    FAutoTight = F;
    if (F) {
        SetCascadeStyle(csTight);
        SetAutoSize(false);
    } else {
        SetTightness(DefaultTightness);
    }
}

void TLuCardGroup::AutoTighten()
{
    const int Count = ItemCount();
    if (!FAutoTight || Count < 1)
        return;
    // Integer division truncates toward zero; SetTightness clamps what is negative.
    if (FCascadeSide == csDown)
        SetTightness((Height() - CardHeight) / Count);
    else
        SetTightness((Width() - CardWidth) / Count);
}

void TLuCardGroup::Resize()
{
    TLuCustomCardControl::Resize();
    AutoTighten();
}

void TLuCardGroup::SetSortStyle(TLuSortStyle S)
{
    FSortStyle = S;
    if (S != soNone)
        Sort(S);
}

void TLuCardGroup::Sort(TLuSortStyle Style)
{
    // Setting the last card's ID redraws it, and drawing the last card of a
    // sorted group asks for a sort: that request finds this one running. Left
    // to run, it would swap two jokers of equal key back and forth for ever.
    if (ItemCount() == 0 || FSorting)
        return;
    const TFlagScope Sorting(FSorting);
    const TLuUpdateGuard Batch(*this);

    TLuSortArray Pairs;
    Pairs.reserve(static_cast<std::size_t>(ItemCount()));
    for (int I = 0; I < ItemCount(); ++I) {
        const TLuSingleCard* Card = CardAt(I);
        TLuSortPair Pair;
        Pair.ID = Card ? Card->ID() : 0;
        if (Card && Style == soSuit)
            Pair.Key = Card->ID();
        else if (Card && Style == soValue)
            Pair.Key = Card->SortKey();
        Pairs.push_back(Pair);
    }
    SortPairs(Pairs);
    for (int J = 0; J < static_cast<int>(Pairs.size()) && J < ItemCount(); ++J)
        if (TLuSingleCard* Card = CardAt(J))
            Card->SetID(Pairs[static_cast<std::size_t>(J)].ID);
}

int TLuCardGroup::CardIndexAt(int X, int Y)
{
    {
        const TFlagScope Measure(FMeasuring);
        RedrawBuffer(false);
    }
    for (int I = 0; I < ItemCount(); ++I)
        if (const TLuSingleCard* Card = CardAt(I); Card && Card->Bounds().ContainsStrictly(X, Y))
            return I;
    return -1;
}

// ---------------------------------------------------------------------------
// Mouse and drag and drop

void TLuCardGroup::mouseMoveEvent(QMouseEvent* Event)
{
    TLuCustomCardControl::mouseMoveEvent(Event);
    if (FCardCursor == Qt::ArrowCursor)
        return;
    const QPoint At = Event->position().toPoint();
    const int I = CardIndexAt(At.x(), At.y());
    if (I < 0)
        return;
    const TLuSingleCard* Card = CardAt(I);
    if (!Card || Card->Empty())
        unsetCursor();
    else
        setCursor(FCardCursor);
}

void TLuCardGroup::mouseReleaseEvent(QMouseEvent* Event)
{
    TLuCustomCardControl::mouseReleaseEvent(Event);
    if (Busy())
        return;
    const QPoint At = Event->position().toPoint();
    const int I = CardIndexAt(At.x(), At.y());
    TLuTablePos TablePos = FTablePlayPos;
    unsetCursor();
    bool PlayIt = false;
    bool FaceDown = false;
    if (I >= 0 && I < ItemCount() && OnCardClick) {
        // The handler may close the window, and the group with it.
        const QPointer<TLuCardGroup> Self(this);
        OnCardClick(this, CardAt(I), I, PlayIt, TablePos, FaceDown, Event->button());
        if (!Self)
            return;
    }
    if (!FTable || !PlayIt || I < 0 || I >= ItemCount())
        return;
    if (const TLuSingleCard* Card = CardAt(I); Card && !Card->Empty())
        PlayCard(I, FaceDown, TablePos);
}

namespace {

// Closes a control's drop bracket: redrawn into its Buffer, shown in one
// copy, then released to the screen again. EndUpdate runs whatever happens;
// the first error is handed back rather than thrown, so that the other
// control's bracket is closed too.
std::exception_ptr CloseDropBracket(TLuCustomGraphicControl& Control)
{
    std::exception_ptr Error;
    try {
        Control.RedrawBuffer(false);
        Control.FlushBuffer();
    } catch (...) {
        Error = std::current_exception();
    }
    Control.EndUpdate();
    return Error;
}

} // namespace

void TLuCardGroup::DragDrop(QObject* Source, int X, int Y)
{
    // Only a buffered card control has a Buffer to hold back and flush.
    TLuCustomGraphicControl* From = qobject_cast<TLuCustomGraphicControl*>(Source);
    if (From)
        From->BeginUpdate();
    BeginUpdate();
    std::exception_ptr Error;
    try {
        if (OnDragDrop)
            OnDragDrop(this, Source, X, Y);
    } catch (...) {
        Error = std::current_exception();
    }
    std::exception_ptr CloseError;
    if (From)
        CloseError = CloseDropBracket(*From);
    if (std::exception_ptr GroupError = CloseDropBracket(*this); !CloseError)
        CloseError = GroupError;
    if (Error)
        std::rethrow_exception(Error);
    if (CloseError)
        std::rethrow_exception(CloseError);
}

void TLuCardGroup::dropEvent(QDropEvent* Event)
{
    TLuCustomCardControl::dropEvent(Event);
    const QPoint At = Event->position().toPoint();
    DragDrop(Event->source(), At.x(), At.y());
}
