#include "cardlib/lusinglecard.h"

#include "cardlib/lucardimages.h"
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lucustomcardcontrol.h"
#include "cardlib/lusprite.h"

namespace {

int SuitOrderOf(TLuCardSuitType Suit)
{
    switch (Suit) {
    case stClub:
        return 1;
    case stDiamond:
        return 2;
    case stSpade:
        return 3;
    case stHeart:
        return 4;
    case stJoker:
        break;
    }
    return 5;
}

// What to add to a value 2..14 for the ID of that card in the suit's block;
// the jokers' "suit" counts as the first block.
int SuitBlockOffset(TLuCardSuitType Suit)
{
    switch (Suit) {
    case stDiamond:
        return 13;
    case stSpade:
        return 26;
    case stHeart:
        return 39;
    case stClub:
    case stJoker:
        break;
    }
    return 0;
}

void Fire(const TLuSingleCardNotifyEvent& Event, TLuCustomCardControl* Owner, TLuSingleCard* Card)
{
    if (Event)
        Event(Owner, Card);
}

} // namespace

TLuSingleCard::TLuSingleCard(TLuCustomCardControl* Owner, QImage* Target)
{
    AcquireCardImages();
    FBounds = {Owner->Left(), Owner->Top(), Owner->Left() + CardWidth, Owner->Top() + CardHeight};
    FSprite = Owner->Sprite();
    FTable = Owner->GroupTable();
    FOwner = Owner;
    FCardBack = Owner->CardBack();
    FShowBack = Owner->ShowBack();
    FTarget = Target;
    FFaceImage = CardImage(14);
    FBackImage = CardImage(BackImageIndex(FCardBack));
}

TLuSingleCard::~TLuSingleCard()
{
    ReleaseCardImages();
}

void TLuSingleCard::Redraw()
{
    if (FOwner->Enabled())
        Draw(false);
}

void TLuSingleCard::SetID(int N)
{
    if (N == FID || N < MinCardID || N > MaxCardID)
        return;
    // The picture first: one that cannot be read leaves the card as it was.
    FFaceImage = CardImage(N);
    FID = N;
    FSuit = IDToSuit(N);
    FValue = IDToValue(N);
    FSuitOrder = SuitOrderOf(FSuit);
    FSortKey = FValue * 100 + FSuitOrder;
    // A face-down or empty card looks the same whatever its ID.
    if (!FShowBack && !FEmpty)
        Redraw();
    Fire(FOwner->OnCardIDChange, FOwner, this);
}

void TLuSingleCard::SetValue(int V)
{
    if (V < MinCardID || V > JokerValue)
        return;
    FValue = V;
    if (V == JokerValue) {
        SetSuit(stJoker);
        return;
    }
    // A joker has no suit to keep: it becomes the club of that value (the
    // first block), so that ID, value and suit agree again.
    SetID(V + SuitBlockOffset(FSuit));
}

void TLuSingleCard::SetSuit(TLuCardSuitType S)
{
    // Only the five suits compose an ID; any other ordinal would leave Suit
    // and ID disagreeing.
    if (S > stJoker)
        return;
    FSuit = S;
    if (FValue > 14 && S != stJoker)
        FValue = 2;
    if (S == stJoker) {
        // A joker suit makes any card the red joker.
        FValue = JokerValue;
        SetID(RedJokerID);
        return;
    }
    SetID(FValue + SuitBlockOffset(S));
}

void TLuSingleCard::SetCardBack(TLuCardBackType B)
{
    // There is no image for a design outside the fifteen.
    if (BackImageIndex(B) < 0)
        return;
    FBackImage = CardImage(BackImageIndex(B));
    FCardBack = B;
    if (FShowBack && !FEmpty)
        Redraw();
    Fire(FOwner->OnCardBackChange, FOwner, this);
}

void TLuSingleCard::SetShowBack(bool F)
{
    if (F == FShowBack)
        return;
    FShowBack = F;
    Redraw();
    Fire(FOwner->OnCardShowBackChange, FOwner, this);
}

void TLuSingleCard::SetEmpty(bool F)
{
    if (F == FEmpty)
        return;
    FEmpty = F;
    Redraw();
    Fire(FOwner->OnCardEmptyChange, FOwner, this);
}

void TLuSingleCard::SetNegative(bool F)
{
    FNegative = F;
    Redraw();
}

void TLuSingleCard::SetIndex(int I)
{
    FIndex = I;
    Redraw();
}

void TLuSingleCard::Assign(const TLuSingleCard& Source)
{
    SetCardBack(Source.CardBack());
    SetShowBack(Source.ShowBack());
    SetID(Source.ID());
    SetEmpty(Source.Empty());
}

QPoint TLuSingleCard::ParentPos() const
{
    return QPoint(FOwner->Left() + FBounds.Left, FOwner->Top() + FBounds.Top);
}

void TLuSingleCard::Draw(bool Invalidate)
{
    FOwner->DrawCard(*this, Invalidate);
}

void TLuSingleCard::PlayToTable(TLuTablePos TablePos, bool FaceDown)
{
    TLuCardTable* Target = Table();
    if (!Target || Empty())
        return;
    const QPoint Start = ParentPos();
    if (TablePos != tpAuto)
        Target->SetLandingPosition(static_cast<int>(TablePos) - static_cast<int>(tpBottom));
    const QPoint Dest = QPoint(Target->Left(), Target->Top()) + TablePlace(Target->LandingPos());

    SetEmpty(true);
    if (TLuSprite* Flight = Sprite()) {
        const TLuCardImage* Image = FaceDown ? BackImage() : FaceImage();
        Flight->Fly(Start.x() + 1, Start.y() + 1, Dest.x(), Dest.y(), CardPicture(Image), false);
    }
    TLuCardGroup* Group = Owner()->AsCardGroup();
    if (Group && Group->AfterPlay)
        Group->AfterPlay(Group, Index(), TablePos);
    Target->AddCard(*this, FaceDown, Group);
}
