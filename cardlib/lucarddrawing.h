#pragma once
// How a card draws itself into its owner's Buffer, for each kind of owner:
// a card group (a cascade whose geometry is computed here card by card, also
// as the group's layout engine in measuring mode), a card table (four fixed
// places) and the visual deck (a stack of back edges and a narrow strip).
//
// The owners' DrawCard overrides call these routines. The routines read the
// owner through the small views below (what the drawing needs of a group or
// a deck) and through the card's Owner() for what every card control has:
// Buffer, BrushColor, Invalidate and WMUpdateRect.
#include "cardlib/lutypes.h"

class TLuSingleCard;

// What the drawing reads of a card group.
class TLuCascadeOwner {
public:
    virtual ~TLuCascadeOwner() = default;
    virtual TLuCascadeSide CascadeSide() const = 0;
    virtual TLuCascadeStyle CascadeStyle() const = 0;
    // Strip size of a tight cascade, 0..70.
    virtual int Tightness() const = 0;
    // Number of items in the card list.
    virtual int ItemCount() const = 0;
    // The card of the item at Index; null outside the list or for an item
    // that has no card (yet).
    virtual TLuSingleCard* CardAt(int Index) const = 0;
    // True while the group hit-tests: drawing then only computes Bounds.
    virtual bool Measuring() const = 0;
    virtual TLuSortStyle SortStyle() const = 0;
    virtual void Sort(TLuSortStyle Style) = 0;
};

// What the drawing reads of the visual deck. Its card with Index 0 is the
// bottom card (CardLast), shown as a strip; Index 1 is the top card
// (CardFirst), shown on the stack.
class TLuDeckOwner {
public:
    virtual ~TLuDeckOwner() = default;
    virtual TLuVisualDeckType DeckType() const = 0;
    // Back edges under the top card, minus one; -1 draws none.
    virtual int LayerCount() const = 0;
    virtual bool ShowLastCard() const = 0;
    virtual bool DeckEmpty() const = 0;
    virtual TLuCardBackType DeckEmptyCardBack() const = 0;
};

// The place and sizes of card i in a cascade whose last index is Last, as
// the cascade table gives them: (X, Y) the card's corner, W x H the group's
// Buffer, VisibleWidth x VisibleHeight the strip that shows before any
// widening over empty places.
struct TLuCascadeGeometry {
    int X = 0;
    int Y = 0;
    int W = 0;
    int H = 0;
    int VisibleWidth = 0;
    int VisibleHeight = 0;
};
TLuCascadeGeometry CascadeGeometry(TLuCascadeSide Side, TLuCascadeStyle Style, int Tightness, int Index, int Last);

// The place of a table position 0..3; (0, 0) for any other index.
QPoint TablePlace(int Index);

// A card of a card group: computes its Bounds; unless the group is
// measuring, sizes the Buffer, draws the card (an empty card as background,
// passing the request on to the card before it in a tight or loose cascade),
// brings the change to the screen and keeps a sorted group sorted.
void DrawGroupCard(TLuSingleCard& Card, TLuCascadeOwner& Group, bool Invalidate);

// A position card of a card table, at the place of its Index. The table's
// Buffer is not resized here.
void DrawTableCard(TLuSingleCard& Card, bool Invalidate);

// A card of the visual deck: Index 0 sizes the Buffer and draws the bottom
// card's strip, Index 1 draws the stack with the top card (or the empty
// picture). Any other Index draws nothing.
void DrawDeckCard(TLuSingleCard& Card, TLuDeckOwner& Deck, bool Invalidate);
