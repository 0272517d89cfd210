#include "cardlib/lucardtable.h"

#include "cardlib/lubusy.h"
#include "cardlib/lucarddrawing.h"
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardimages.h"
#include "cardlib/lusinglecard.h"
#include "cardlib/lusprite.h"
#include "cardlib/luvirtualdeck.h"
#include "cardlib/luwait.h"

#include <QMouseEvent>

TLuCardTable::TLuCardTable(QWidget* Parent)
    : TLuCustomCardControl(Parent)
{
    FGameOptions = std::make_unique<TLuGameOptions>();
    FPointList = std::make_unique<TLuPointList>(this);
    FPlayerList = std::make_unique<TLuPlayerList>(this);
    SetBufferSize(TableWidth, TableHeight);

    // Created bottom, left, top, right: each draws itself at its place as
    // soon as it knows its position, face down first and then face up.
    auto MakeCard = [this](int Pos) {
        auto Card = std::make_unique<TLuSingleCard>(this, &Buffer());
        Card->SetIndex(Pos);
        Card->SetShowBack(false);
        return Card;
    };
    FCardBottom = MakeCard(PosBottom);
    FCardLeft = MakeCard(PosLeft);
    FCardTop = MakeCard(PosTop);
    FCardRight = MakeCard(PosRight);

    resize(TableWidth, TableHeight);
    SetEmpty(false);
}

TLuCardTable::~TLuCardTable() = default;

void TLuCardTable::Loaded()
{
    TLuCustomCardControl::Loaded();
    if (!AutoEmpty())
        return;
    SetEmpty(true);
    ClearTable(false);
    FLandingPos = 0;
}

// ---------------------------------------------------------------------------
// Positions and properties

void TLuCardTable::SetCardBottom(const TLuSingleCard& Value)
{
    FCardBottom->Assign(Value);
}

void TLuCardTable::SetCardLeft(const TLuSingleCard& Value)
{
    FCardLeft->Assign(Value);
}

void TLuCardTable::SetCardTop(const TLuSingleCard& Value)
{
    FCardTop->Assign(Value);
}

void TLuCardTable::SetCardRight(const TLuSingleCard& Value)
{
    FCardRight->Assign(Value);
}

TLuSingleCard* TLuCardTable::PositionCard(int Pos) const
{
    switch (Pos) {
    case PosBottom:
        return FCardBottom.get();
    case PosLeft:
        return FCardLeft.get();
    case PosTop:
        return FCardTop.get();
    case PosRight:
        return FCardRight.get();
    default:
        return nullptr;
    }
}

std::array<TLuSingleCard*, TablePositionCount> TLuCardTable::PositionCards() const
{
    return {FCardBottom.get(), FCardLeft.get(), FCardTop.get(), FCardRight.get()};
}

TLuVirtualDeck* TLuCardTable::VirtualDeck() const
{
    return FVirtualDeck.data();
}

void TLuCardTable::SetVirtualDeck(TLuVirtualDeck* Value)
{
    FVirtualDeck = Value;
}

void TLuCardTable::SetLandingPosition(int Pos)
{
    if (Pos >= 0 && Pos < TablePositionCount)
        FLandingPos = Pos;
}

void TLuCardTable::SetRandomCards(bool Value)
{
    FRandomCards = Value;
    // There is no form designer: only a table that does not start out empty
    // gets random cards.
    if (Value && !AutoEmpty())
        for (TLuSingleCard* Card : PositionCards())
            Card->SetID(RandomStandardCardID());
}

void TLuCardTable::SetCardBack(TLuCardBackType Value)
{
    if (Value == CardBack())
        return;
    TLuCustomCardControl::SetCardBack(Value);
    for (TLuSingleCard* Card : PositionCards())
        Card->SetCardBack(Value);
}

void TLuCardTable::SetShowBack(bool Value)
{
    TLuCustomCardControl::SetShowBack(Value);
    for (TLuSingleCard* Card : PositionCards())
        Card->SetShowBack(Value);
}

// ---------------------------------------------------------------------------
// Players

int TLuCardTable::PlayerCount() const
{
    return FPlayerList->Count();
}

int TLuCardTable::NextPlayer(int Index) const
{
    // An index at or past the last player (the list may have shrunk) wraps
    // to the first, so the rotation always comes back into the list.
    const int Count = PlayerCount();
    if (Count > 0 && Index + 1 >= Count)
        return 0;
    return Index + 1;
}

TLuCardGroup* TLuCardTable::PlayerGroup(int Index) const
{
    const TLuPlayerItem* Item = FPlayerList->Items(Index);
    return Item ? Item->CardGroup() : nullptr;
}

TLuCardGroup* TLuCardTable::FindHumanPlayer() const
{
    for (int I = 0; I < PlayerCount(); ++I)
        if (TLuCardGroup* Group = PlayerGroup(I); Group && Group->Controller() == ctHuman)
            return Group;
    return nullptr;
}

void TLuCardTable::AutoPlayCurrent()
{
    if (!FGameOptions->AutoPlay() || PlayerCount() <= 0)
        return;
    if (TLuCardGroup* Group = PlayerGroup(FCurrentPlayer))
        Group->PlayTurn();
}

// ---------------------------------------------------------------------------
// Laying and taking cards

int TLuCardTable::NextLandingPos(int Pos) const
{
    if (FGameOptions->AutoPosDirection() == tdCounterClockWise)
        return (Pos + TablePositionCount - 1) % TablePositionCount;
    return (Pos + 1) % TablePositionCount;
}

QPoint TLuCardTable::WindowPlace(int Pos) const
{
    return QPoint(Left(), Top()) + TablePlace(Pos);
}

void TLuCardTable::Fly(QPoint From, QPoint To, const QImage* Image)
{
    if (TLuSprite* S = Sprite())
        S->Fly(From.x(), From.y(), To.x(), To.y(), Image, false);
}

void TLuCardTable::FireAfterAddCard(bool OwnedCard)
{
    if (AfterAddCard)
        AfterAddCard(this, PlayedCardsCount(), FTopCardPos, PositionCard(FTopCardPos), FTopCardID, FPrevCardID,
                     OwnedCard);
}

void TLuCardTable::PlaceCard(int CardID, bool FaceDown, TLuCardGroup* Group)
{
    // A number that is no card would be recorded as laid while the position
    // went on showing its old card.
    if (CardID < MinCardID || CardID > MaxCardID)
        return;
    try {
        TLuBusyGuard BusyState;
        if (Empty())
            SetEmpty(false);
        TLuSingleCard& Card = *PositionCard(FLandingPos);
        Card.SetShowBack(FaceDown);
        Card.SetID(CardID);
        if (Card.Empty())
            Card.SetEmpty(false);
        else
            Card.Draw(false);
        FPrevCardID = FTopCardID;
        FTopCardID = CardID;
        FTopCardPos = FLandingPos;
        FLandingPos = NextLandingPos(FLandingPos);
        FPlayedCards.push_back(CardID);
        --FCardsLeft;
    } catch (...) {
        // The announcement belongs to the cleanup: listeners hear of the
        // attempt also when the card could not be shown.
        FireAfterAddCard(Group != nullptr);
        throw;
    }
    FireAfterAddCard(Group != nullptr);
}

void TLuCardTable::AddCard(TLuSingleCard& Card, bool FaceDown, TLuCardGroup* Group)
{
    TLuBusyGuard BusyState;
    const TLuGameOptions& Options = *FGameOptions;
    const bool SuitChecking = Options.SuitChecking();
    const bool TableEmpty = PlayedCardsCount() == 0;
    bool SuitExists = false;

    if (SuitChecking && TableEmpty)
        FLeadSuit = Card.Suit();
    if (SuitChecking)
        SuitExists = Group && Group->IndexOfSuit(FLeadSuit) >= 0;
    bool Accept = true;
    // A trump may not open the table before a trump has been played.
    if (SuitChecking && Options.StrictSuitChecking() && TableEmpty && !FTrumpPlayed && Card.Suit() == Options.Trump())
        Accept = false;
    // Suit must be followed while the player still holds it.
    if (SuitChecking && Group && !TableEmpty && SuitExists && Card.Suit() != FLeadSuit)
        Accept = false;
    if (SuitChecking && Accept && !TableEmpty && Card.Suit() == Options.Trump())
        FTrumpPlayed = true;
    if (BeforeAddCard)
        BeforeAddCard(this, &Card, SuitExists, Accept);

    if (Accept) {
        PlaceCard(Card.ID(), FaceDown, Group);
        FCurrentPlayer = NextPlayer(FCurrentPlayer);
        ++FTrickCardCount;
        if (FTrickCardCount == Options.CardsPerTrick()) {
            FTrickCardCount = 0;
            if (FCardsLeft > 0) {
                if (AfterTrickFinish)
                    AfterTrickFinish(this);
            } else if (AfterPartyFinish) {
                AfterPartyFinish(this);
            }
        }
        // A computer player plays at once, which comes back into AddCard.
        AutoPlayCurrent();
        return;
    }

    if (!Group)
        return;
    // The refused card goes back where it came from. The pause and the
    // flight run the event loop, in which the window may close the table or
    // the group.
    const QPointer<TLuCardTable> Self(this);
    const QPointer<TLuCardGroup> Home(Group);
    if (TLuSprite* S = Sprite())
        S->SetVisible(true);
    if (Options.TakeDelay() > 0)
        Wait(Options.TakeDelay());
    if (!Self || !Home)
        return;
    if (TLuSprite* S = Sprite())
        S->FlyBack();
    if (!Self || !Home)
        return;
    Card.SetEmpty(false);
}

void TLuCardTable::TakeTopCard(TLuCardGroup* Group)
{
    TLuBusyGuard BusyState;
    if (!Group)
        return;
    const QPointer<TLuCardTable> Self(this);
    const QPointer<TLuCardGroup> Taker(Group);
    if (FGameOptions->TakeDelay() > 0 && Group->Controller() == ctComputer) {
        Wait(FGameOptions->TakeDelay());
        if (!Self || !Taker)
            return;
    }

    // Nothing lies on top (never laid, or already taken): handing on the
    // stale ID of an empty position would conjure up a card.
    TLuSingleCard* TopCard = PositionCard(FTopCardPos);
    if (!TopCard || TopCard->Empty())
        return;
    TLuSingleCard* Slot = Group->CardAt(Group->FirstEmptyIndex());
    if (!Slot)
        return;

    TopCard->SetEmpty(true);
    RedrawCards();
    Fly(TopCard->ParentPos(), Slot->ParentPos(), CardPicture(TopCard->FaceImage()));
    if (!Self)
        return;
    // A group closed during the flight receives nothing; the card has left
    // the table all the same.
    if (Taker) {
        Slot->SetID(TopCard->ID());
        if (Slot->Empty())
            Slot->SetEmpty(false);
    }
    if (!FPlayedCards.empty())
        FPlayedCards.pop_back();
    FLandingPos = FTopCardPos;
    FTopCardPos = (FTopCardPos + 1) % TablePositionCount;
}

void TLuCardTable::ClearTable(bool ClearPlayers)
{
    TLuBusyGuard BusyState;
    FTopCardPos = -1;
    FPlayedCards.clear();
    for (TLuSingleCard* Card : PositionCards())
        Card->SetEmpty(true);
    FLandingPos = PosRight;
    FTopCardID = -1;
    FPrevCardID = -2;
    FLeadSuit = stJoker;
    if (!ClearPlayers)
        return;
    for (int I = 0; I < PlayerCount(); ++I) {
        TLuCardGroup* Group = PlayerGroup(I);
        if (!Group)
            continue;
        Group->SetEmpty(true);
        Group->EmptyAllCards();
        Group->SetEmpty(false);
    }
}

// ---------------------------------------------------------------------------
// Drawing

void TLuCardTable::DrawCard(TLuSingleCard& Card, bool Invalidate)
{
    DrawTableCard(Card, Invalidate);
}

void TLuCardTable::RedrawCards()
{
    DrawPositionCards(false);
}

void TLuCardTable::DrawPositionCards(bool Invalidate)
{
    // Oldest first, so that the card laid last ends on top.
    const int Step = FGameOptions->AutoPosDirection() == tdCounterClockWise ? TablePositionCount - 1 : 1;
    int Pos = FTopCardPos;
    for (int K = 0; K < TablePositionCount; ++K) {
        Pos = (Pos + TablePositionCount + Step) % TablePositionCount;
        TLuSingleCard* Card = PositionCard(Pos);
        if (!Card->Empty() && Enabled())
            Card->Draw(Invalidate);
    }
}

void TLuCardTable::RedrawBuffer(bool Invalidate)
{
    if (!Enabled())
        return;
    const TLuRect Whole{0, 0, Buffer().width(), Buffer().height()};
    FillRect(Buffer(), Whole, BrushRgb());
    if (Invalidate) {
        DrawPositionCards(true);
        TLuCustomGraphicControl::Invalidate();
        return;
    }
    // One copy of the whole image instead of one per card.
    {
        TLuUpdateGuard Batch(*this, false);
        DrawPositionCards(false);
    }
    WMUpdateRect(nullptr, Whole);
}

// ---------------------------------------------------------------------------
// Clicks

void TLuCardTable::mouseReleaseEvent(QMouseEvent* Event)
{
    TLuCustomCardControl::mouseReleaseEvent(Event);
    if (Busy())
        return;
    TLuBusyGuard BusyState;
    bool TakeIt = false;
    TLuSingleCard* TopCard = PositionCard(FTopCardPos);
    const QPointer<TLuCardTable> Self(this);
    if (OnCardClick && TopCard && !TopCard->Empty())
        OnCardClick(this, TopCard, TakeIt);
    // A handler that closed the table ends the click.
    if (TakeIt && Self)
        TakeTopCard(FindHumanPlayer());
}

// ---------------------------------------------------------------------------
// Dealing

void TLuCardTable::PrepareDeal()
{
    if (!FVirtualDeck)
        return;
    TLuBusyGuard BusyState;
    FCardsLeft = FVirtualDeck->CardCount();
    FVirtualDeck->Prepare();
    FTrumpPlayed = false;
}

int TLuCardTable::NextDeckCard()
{
    if (!FVirtualDeck)
        return -1;
    TLuBusyGuard BusyState;
    const int ID = FVirtualDeck->DrawNext();
    return ID < 0 ? -1 : ID;
}

void TLuCardTable::DealToGroup(TLuCardGroup* Group)
{
    if (!FVirtualDeck || !Group)
        return;
    TLuBusyGuard BusyState;
    const QPointer<TLuCardTable> Self(this);
    const QPointer<TLuCardGroup> Dealt(Group);
    const QPoint Origin(FVirtualDeck->OriginX(), FVirtualDeck->OriginY());
    for (int I = 0; I < Group->ItemCount(); ++I) {
        TLuSingleCard* Card = Group->CardAt(I);
        if (!Card || Card->Reserved())
            continue;
        const int ID = NextDeckCard();
        if (ID < 0)
            break;
        Card->SetID(ID);
        if (Sprite()) {
            Fly(Origin, Card->ParentPos(), CardPicture(Card->ShowBack() ? FCardLeft->BackImage() : CardImage(ID)));
            // The flight runs the event loop, in which the window may close.
            if (!Self || !Dealt)
                return;
        }
        if (Card->Empty())
            Card->SetEmpty(false);
    }
}

void TLuCardTable::DealToPlayers(bool MoveDealer)
{
    TLuBusyGuard BusyState;
    const int Count = PlayerCount();
    for (int I = 0; I < Count; ++I) {
        TLuCardGroup* Dealer = PlayerGroup(I);
        if (!Dealer || !Dealer->Dealer())
            continue;
        FCurrentPlayer = NextPlayer(I);
        if (MoveDealer) {
            Dealer->SetDealer(false);
            if (TLuCardGroup* Next = PlayerGroup(FCurrentPlayer))
                Next->SetDealer(true);
            FCurrentPlayer = NextPlayer(FCurrentPlayer);
        }
        break;
    }
    FTrickCardCount = 0;

    // A turn left beyond the list (players removed since) starts at the
    // first player, so that every player is dealt to.
    if (FCurrentPlayer < 0 || FCurrentPlayer >= Count)
        FCurrentPlayer = 0;
    const QPointer<TLuCardTable> Self(this);
    int P = FCurrentPlayer;
    for (int N = 0; N < Count; ++N) {
        if (TLuCardGroup* Group = PlayerGroup(P))
            DealToGroup(Group);
        if (!Self)
            return;
        P = NextPlayer(P);
    }
    if (AfterDealingFinish)
        AfterDealingFinish(this);
    AutoPlayCurrent();
}

void TLuCardTable::DealToTable()
{
    TLuBusyGuard BusyState;
    const QPointer<TLuCardTable> Self(this);
    int Pos = FLandingPos;
    QPoint Origin(0, 0);
    if (FVirtualDeck)
        Origin = QPoint(FVirtualDeck->OriginX(), FVirtualDeck->OriginY());
    const std::int64_t CloseCards = FGameOptions->TableCloseCards();
    const std::int64_t Total = CloseCards + FGameOptions->TableOpenCards();
    for (std::int64_t K = 1; K <= Total; ++K) {
        const int ID = NextDeckCard();
        if (ID < 0)
            return;
        const bool FaceDown = K <= CloseCards;
        Pos = FLandingPos;
        if (FVirtualDeck && Sprite()) {
            Fly(Origin, WindowPlace(Pos), CardPicture(FaceDown ? FCardLeft->BackImage() : CardImage(ID)));
            if (!Self)
                return;
        }
        PlaceCard(ID, FaceDown, nullptr);
    }
    if (AfterDealToTable)
        AfterDealToTable(this, PlayedCardsCount(), Pos, PositionCard(Pos));
}
