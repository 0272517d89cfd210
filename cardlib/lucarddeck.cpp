#include "cardlib/lucarddeck.h"

#include "cardlib/lucardimages.h"
#include "cardlib/lusinglecard.h"

#include <QMouseEvent>

TLuCardDeck::TLuCardDeck(QWidget* Parent) : TLuCustomCardControl(Parent)
{
    // Drawing the bottom card sizes the Buffer to the single stack.
    FCardLast = std::make_unique<TLuSingleCard>(this, &Buffer());
    FCardLast->SetShowBack(false);
    FCardLast->SetIndex(0);
    FCardFirst = std::make_unique<TLuSingleCard>(this, &Buffer());
    FCardFirst->SetIndex(1);
    SetBounds(Left(), Top(), Buffer().width(), Buffer().height());
    SetEmpty(false);
}

TLuCardDeck::~TLuCardDeck() = default;

void TLuCardDeck::SetCardFirst(const TLuSingleCard& Value)
{
    FCardFirst->Assign(Value);
}

void TLuCardDeck::SetCardLast(const TLuSingleCard& Value)
{
    FCardLast->Assign(Value);
}

void TLuCardDeck::DrawCard(TLuSingleCard& Card, bool Invalidate)
{
    DrawDeckCard(Card, *this, Invalidate);
}

void TLuCardDeck::RedrawBuffer(bool Invalidate)
{
    if (!Enabled())
        return;
    FCardLast->Draw(Invalidate);
    FCardFirst->Draw(Invalidate);
}

void TLuCardDeck::SetCardBack(TLuCardBackType Value)
{
    TLuCustomCardControl::SetCardBack(Value);
    FCardLast->SetCardBack(Value);
    FCardFirst->SetCardBack(Value);
}

void TLuCardDeck::SetShowBack(bool Value)
{
    TLuCustomCardControl::SetShowBack(Value);
    FCardLast->SetShowBack(false);
    FCardFirst->SetShowBack(Value);
}

void TLuCardDeck::SetDeckEmpty(bool Value)
{
    FDeckEmpty = Value;
    if (!Value)
        FLayerCount = FDeckType == dcDouble ? DeckDoubleLayers : DeckSingleLayers;
    RedrawBuffer(false);
}

void TLuCardDeck::SetDeckType(TLuVisualDeckType Value)
{
    FDeckType = Value;
    if (Value == dcDouble) {
        SetLayerCount(DeckDoubleLayers);
    } else {
        // The flat double stack was 96 rows high; the top rows of the single
        // stack's layers start clean.
        if (Enabled())
            FillRect(Buffer(), {DeckStripWidth, 0, Buffer().width(), 20}, BrushRgb());
        SetLayerCount(DeckSingleLayers);
    }
}

void TLuCardDeck::SetShowLastCard(bool Value)
{
    FShowLastCard = Value;
    RedrawBuffer(false);
}

void TLuCardDeck::SetDeckEmptyCardBack(TLuCardBackType Value)
{
    FDeckEmptyCardBack = Value;
    if (FDeckEmpty)
        RedrawBuffer(false);
}

void TLuCardDeck::SetLayerCount(int N)
{
    if (N >= 0) {
        FLayerCount = N;
        RedrawBuffer(false);
    } else if (FDealtOut) {
        // Peeled below the last layer of a dealt-out deck: the empty picture,
        // and the stack height ready for the next deal.
        SetDeckEmpty(true);
        SetDeckType(FDeckType);
    }
}

void TLuCardDeck::PeelLayer()
{
    SetLayerCount(FLayerCount - 1);
}

void TLuCardDeck::Loaded()
{
    TLuCustomCardControl::Loaded();
    if (AutoEmpty())
        SetDeckEmpty(true);
}

void TLuCardDeck::mousePressEvent(QMouseEvent* Event)
{
    FClickPressed = Event->button() == Qt::LeftButton;
    TLuCustomCardControl::mousePressEvent(Event);
}

void TLuCardDeck::mouseReleaseEvent(QMouseEvent* Event)
{
    const bool click = FClickPressed && Event->button() == Qt::LeftButton &&
                       rect().contains(Event->position().toPoint());
    FClickPressed = false;
    TLuCustomCardControl::mouseReleaseEvent(Event);
    if (click && OnClick)
        OnClick(this);
}
