#pragma once
// The deck as the table shows it: a face-down top card on a stack of back
// edges whose height tells how much is left to deal, and the bottom card
// peeking out face up as a strip at the left. The virtual deck sets its two
// cards, peels its layers while dealing and turns it to its empty picture
// when everything has been dealt; a click reaches the ordinary click event.
#include "cardlib/lucarddrawing.h"
#include "cardlib/lucustomcardcontrol.h"
#include "cardlib/lutypes.h"

#include <cstdint>
#include <functional>
#include <memory>

class TLuSingleCard;

class TLuCardDeck : public TLuCustomCardControl, public TLuDeckOwner
{
    Q_OBJECT
public:
    explicit TLuCardDeck(QWidget* Parent = nullptr);
    ~TLuCardDeck() override;

    // The top card of the stack (Index 1) and the bottom card (Index 0).
    // Writing either copies the given card into the owned one.
    TLuSingleCard& CardFirst() const { return *FCardFirst; }
    void SetCardFirst(const TLuSingleCard& Value);
    TLuSingleCard& CardLast() const { return *FCardLast; }
    void SetCardLast(const TLuSingleCard& Value);

    // Rebuilds the stack at full height for the type; with AutoSize the
    // control becomes 103 x 104 (single) or 139 x 96 (double).
    TLuVisualDeckType DeckType() const override { return FDeckType; }
    void SetDeckType(TLuVisualDeckType Value);
    bool ShowLastCard() const override { return FShowLastCard; }
    void SetShowLastCard(bool Value);
    // The empty picture instead of the stack; false brings back the full stack.
    bool DeckEmpty() const override { return FDeckEmpty; }
    void SetDeckEmpty(bool Value);
    TLuCardBackType DeckEmptyCardBack() const override { return FDeckEmptyCardBack; }
    void SetDeckEmptyCardBack(TLuCardBackType Value);

    // Back edges under the top card, minus one (-1 draws none).
    int LayerCount() const override { return FLayerCount; }
    // N >= 0 sets the count and redraws. Below zero the deck turns to its
    // empty picture at full height if it has been dealt out, else nothing.
    void SetLayerCount(int N);
    void PeelLayer();
    // Set when the virtual deck has dealt its last card, cleared by its Prepare.
    bool DealtOut() const { return FDealtOut; }
    void SetDealtOut(bool Value) { FDealtOut = Value; }

    void RedrawBuffer(bool Invalidate) override;
    // The top card takes the back face-down state; the bottom card stays
    // face up whatever the value.
    void SetCardBack(TLuCardBackType Value) override;
    void SetShowBack(bool Value) override;
    void DrawCard(TLuSingleCard& Card, bool Invalidate) override;

    // The toolkit's click (a host may bind it to dealing, say).
    std::function<void(TLuCardDeck* Sender)> OnClick;

protected:
    // With AutoEmpty the deck starts out showing its empty picture.
    void Loaded() override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    std::unique_ptr<TLuSingleCard> FCardFirst;
    std::unique_ptr<TLuSingleCard> FCardLast;
    TLuVisualDeckType FDeckType = dcSingle;
    bool FShowLastCard = true;
    bool FDeckEmpty = false;
    int FLayerCount = DeckSingleLayers;
    bool FDealtOut = false;
    TLuCardBackType FDeckEmptyCardBack = cbO;
    bool FClickPressed = false;
};
