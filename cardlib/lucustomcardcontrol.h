#pragma once
// The common base of the controls that own and show cards (card group, card
// table, visual deck): the back design and face-down state that new cards
// take over, the sprite that carries played cards, the AutoEmpty start, and
// the four events through which the cards report their changes.
#include "cardlib/lucustomgraphiccontrol.h"
#include "cardlib/lutypes.h"

#include <functional>

class TLuCardGroup;
class TLuCardTable;
class TLuSingleCard;
class TLuSprite;

class TLuCustomCardControl;
using TLuSingleCardNotifyEvent = std::function<void(TLuCustomCardControl* Sender, TLuSingleCard* Card)>;

class TLuCustomCardControl : public TLuCustomGraphicControl {
    Q_OBJECT
public:
    explicit TLuCustomCardControl(QWidget* Parent = nullptr);
    ~TLuCustomCardControl() override;

    // Here the three setters only store the value, so only cards created
    // afterwards see it; derived controls pass it on to their cards.
    TLuCardBackType CardBack() const { return FCardBack; }
    virtual void SetCardBack(TLuCardBackType Value);
    bool ShowBack() const { return FShowBack; }
    virtual void SetShowBack(bool Value);
    TLuSprite* Sprite() const { return FSprite; }
    // Also cleared (through this virtual setter) when the sprite is destroyed
    // before the control.
    virtual void SetSprite(TLuSprite* Value);

    // Derived controls start out empty when loading completes.
    bool AutoEmpty() const { return FAutoEmpty; }
    void SetAutoEmpty(bool Value) { FAutoEmpty = Value; }
    // Stored only; nothing depends on it.
    bool AllowChangeBack() const { return FAllowChangeBack; }
    void SetAllowChangeBack(bool Value) { FAllowChangeBack = Value; }

    // Fired by this control's cards after their change (and their redraw).
    TLuSingleCardNotifyEvent OnCardEmptyChange;
    TLuSingleCardNotifyEvent OnCardShowBackChange;
    TLuSingleCardNotifyEvent OnCardIDChange;
    TLuSingleCardNotifyEvent OnCardBackChange;

    // What a card asks of its owner's kind. TLuSingleCard::Draw lands here;
    // an owner that is neither a group, a table nor the visual deck draws
    // nothing. The overrides call the routines of lucarddrawing.h.
    virtual void DrawCard(TLuSingleCard& Card, bool Invalidate);
    // The owner as a card group, or null when it is another kind.
    virtual TLuCardGroup* AsCardGroup() { return nullptr; }
    // The table that a new card of this control plays onto: a card group's
    // Table; other owners have none.
    virtual TLuCardTable* GroupTable() const { return nullptr; }

private:
    TLuSprite* FSprite = nullptr;
    QMetaObject::Connection FSpriteGone;
    TLuCardBackType FCardBack = cbDefault;
    bool FShowBack = true;
    bool FAutoEmpty = false;
    bool FAllowChangeBack = true;
};
