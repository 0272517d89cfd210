#pragma once
// One playing card: its identity (ID, value, suit), its state flags, and the
// setters that keep them consistent, redraw the card in its owner and tell the
// owner about the change. Every card belongs to exactly one card control.
#include "cardlib/lutypes.h"

class QImage;
class TLuCardTable;
class TLuCustomCardControl;
class TLuSprite;
struct TLuCardImage;

class TLuSingleCard {
public:
    // Loads the shared card images if this is the first card (throws
    // EResNotFound when a card image is missing from the resources). The
    // owner passes its own Buffer as Target. Nothing is drawn and no event
    // fires here.
    TLuSingleCard(TLuCustomCardControl* Owner, QImage* Target);
    virtual ~TLuSingleCard();

    TLuSingleCard(const TLuSingleCard&) = delete;
    TLuSingleCard& operator=(const TLuSingleCard&) = delete;

    // Stored properties. Setters redraw (only while the owner's Enabled is
    // true) and then fire the owner's card event.
    int ID() const { return FID; }
    // IDs outside 2..55 and the current ID are ignored without an event.
    void SetID(int N);
    int Value() const { return FValue; }
    // Values outside 2..15 are ignored; 15 makes the card the red joker.
    void SetValue(int V);
    TLuCardSuitType Suit() const { return FSuit; }
    void SetSuit(TLuCardSuitType S);
    TLuCardBackType CardBack() const { return FCardBack; }
    // Fires OnCardBackChange even when the back does not change.
    void SetCardBack(TLuCardBackType B);
    bool ShowBack() const { return FShowBack; }
    void SetShowBack(bool F);
    bool Empty() const { return FEmpty; }
    void SetEmpty(bool F);
    bool Reserved() const { return FReserved; }
    void SetReserved(bool F) { FReserved = F; }
    bool Negative() const { return FNegative; }
    // Redraws every time; no event.
    void SetNegative(bool F);

    // The card's place in its owner; set by the owner, redraws.
    int Index() const { return FIndex; }
    void SetIndex(int I);

    // Value * 100 + SuitOrder, for sorting by value.
    int SortKey() const { return FSortKey; }
    // 1 clubs, 2 diamonds, 3 spades, 4 hearts, 5 jokers: the ID block order.
    int SuitOrder() const { return FSuitOrder; }

    // The card's rectangle in the owner's Buffer (Right and Bottom exclusive)
    // as the last drawing or measuring run computed it. Only the drawing
    // routines write it.
    const TLuRect& Bounds() const { return FBounds; }
    void SetBounds(const TLuRect& R) { FBounds = R; }
    // The top-left corner of Bounds in the owner's parent, where flights to
    // and from the card start and end.
    QPoint ParentPos() const;

    // The shared images of the card's ID and of its back design; the back
    // image is null for a back type outside the fifteen designs.
    const TLuCardImage* FaceImage() const { return FFaceImage; }
    const TLuCardImage* BackImage() const { return FBackImage; }
    QImage* Target() const { return FTarget; }
    TLuCustomCardControl* Owner() const { return FOwner; }
    TLuCustomCardControl* GetOwner() const { return FOwner; }

    TLuSprite* Sprite() const { return FSprite; }
    void SetSprite(TLuSprite* S) { FSprite = S; }
    TLuCardTable* Table() const { return FTable; }
    void SetTable(TLuCardTable* T) { FTable = T; }

    // Takes the source's back design, face-down state, ID and emptiness, in
    // that order, through the setters (with their redraws and events).
    // Reserved, Negative, Index and the references stay as they are.
    void Assign(const TLuSingleCard& Source);

    // Draws the card into the owner's Buffer and brings the change to the
    // screen: with Invalidate by invalidating the whole owner, otherwise at
    // once through the owner's WMUpdateRect. How depends on the owner's kind
    // (TLuCustomCardControl::DrawCard); callers test the owner's Enabled.
    void Draw(bool Invalidate);

    // Plays the card from its group onto its Table.
    void PlayToTable(TLuTablePos TablePos, bool FaceDown);

private:
    // Draw(false) while the owner's Enabled allows it.
    void Redraw();

    const TLuCardImage* FFaceImage = nullptr;
    const TLuCardImage* FBackImage = nullptr;
    QImage* FTarget = nullptr;
    TLuCustomCardControl* FOwner = nullptr;
    TLuSprite* FSprite = nullptr;
    TLuCardTable* FTable = nullptr;
    TLuCardSuitType FSuit = stClub;
    TLuCardBackType FCardBack = cbDefault;
    bool FEmpty = false;
    bool FShowBack = true;
    bool FReserved = false;
    int FID = 14;
    int FValue = 14;
    int FIndex = 0;
    int FSortKey = 1401;
    int FSuitOrder = 1;
    TLuRect FBounds;
    bool FNegative = false;
};
