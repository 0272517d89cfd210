#include "cardlib/lucarddrawing.h"

#include "cardlib/lucardimages.h"
#include "cardlib/lucustomcardcontrol.h"
#include "cardlib/lusinglecard.h"

#include <algorithm>

namespace {

// Puts an image rectangle of SrcSize at (SrcX, SrcY) onto Dest; a card
// without a usable image shows as background.
void CopyImage(QImage& Dest, const TLuRect& DestRect, const TLuCardImage* Image, int SrcX, int SrcY, QRgb Brush)
{
    if (Image && !Image->Picture.isNull())
        TransparentCopy(Dest, DestRect, *Image, SrcX, SrcY, Brush);
    else
        FillRect(Dest, DestRect, Brush);
}

const TLuCardImage* ShownImage(const TLuSingleCard& Card)
{
    return Card.ShowBack() ? Card.BackImage() : Card.FaceImage();
}

// A card picture at R: the face or back from the image's top-left corner,
// inverted over R for a Negative card.
void PutCard(QImage& Dest, const TLuRect& R, const TLuSingleCard& Card, QRgb Brush)
{
    CopyImage(Dest, R, ShownImage(Card), 0, 0, Brush);
    if (Card.Negative())
        InvertRect(Dest, R);
}

// Hands the owner the drawn area at once, or asks for a full repaint.
void ShowOnScreen(TLuSingleCard& Card, bool Invalidate, const TLuRect& Changed)
{
    TLuCustomCardControl* Owner = Card.Owner();
    if (Invalidate)
        Owner->Invalidate();
    else
        Owner->WMUpdateRect(&Card, Changed);
}

bool IsEmptyCard(const TLuCascadeOwner& Group, int Index)
{
    const TLuSingleCard* Card = Group.CardAt(Index);
    return Card && Card->Empty();
}

} // namespace

TLuCascadeGeometry CascadeGeometry(TLuCascadeSide Side, TLuCascadeStyle Style, int Tightness, int Index, int Last)
{
    int Step = 0;
    int Visible = 0;
    const bool Right = Side != csDown;
    switch (Style) {
    case csTight:
        Step = Tightness;
        Visible = Tightness;
        break;
    case csLoose:
        Step = Right ? LooseStepRight : LooseStepDown;
        Visible = Step;
        break;
    case csNormal:
    default:
        Step = Right ? NormalStepRight : NormalStepDown;
        Visible = Right ? CardWidth : CardHeight;
        break;
    }
    TLuCascadeGeometry G;
    if (Right) {
        G.X = Step * Index;
        G.W = Step * Last + CardWidth;
        G.H = CardHeight;
        G.VisibleWidth = Visible;
        G.VisibleHeight = CardHeight;
    } else {
        G.Y = Step * Index;
        G.W = CardWidth;
        G.H = Step * Last + CardHeight;
        G.VisibleWidth = CardWidth;
        G.VisibleHeight = Visible;
    }
    return G;
}

QPoint TablePlace(int Index)
{
    if (Index < 0 || Index >= TablePositionCount)
        return {0, 0};
    return TablePlaces[Index];
}

void DrawGroupCard(TLuSingleCard& Card, TLuCascadeOwner& Group, bool Invalidate)
{
    TLuCustomCardControl* Owner = Card.Owner();
    const int I = Card.Index();
    const int Last = Group.ItemCount() - 1;
    const int T = Group.Tightness();
    const TLuCascadeSide Side = Group.CascadeSide();
    const TLuCascadeStyle Style = Group.CascadeStyle();
    const bool Right = Side != csDown;
    const bool Measuring = Group.Measuring();

    const TLuCascadeGeometry G = CascadeGeometry(Side, Style, T, I, Last);
    if (!Measuring)
        Owner->SetBufferSize(G.W, G.H);

    // A card followed by empty places shows more of itself.
    int W = G.VisibleWidth;
    int H = G.VisibleHeight;
    int& Shown = Right ? W : H;
    const int Whole = Right ? CardWidth : CardHeight;
    if (I < Last && IsEmptyCard(Group, I + 1)) {
        if (Style == csLoose) {
            Shown = Whole;
        } else if (Style == csTight) {
            const int M = T == 0 ? Whole - 1 : Whole / T - 1;
            for (int K = I + 1; K <= I + 1 + M; ++K) {
                if (K > Last || !IsEmptyCard(Group, K))
                    break;
                if (K == Last)
                    Shown = Whole;
                else
                    Shown += T;
            }
        }
    }
    if (I == Last) {
        W = CardWidth;
        H = CardHeight;
    }
    const TLuRect Bounds{G.X, G.Y, G.X + W, G.Y + H};
    Card.SetBounds(Bounds);
    if (Measuring)
        return;

    QImage& Buffer = *Card.Target();
    const QRgb Brush = Owner->BrushRgb();
    if (Card.Empty()) {
        FillRect(Buffer, Bounds, Brush);
        // The card before the gap now shows wider, or fills its own place
        // too and passes the request on.
        if (Style != csNormal && I > 0) {
            if (TLuSingleCard* Before = Group.CardAt(I - 1))
                Before->Draw(false);
        }
    } else {
        PutCard(Buffer, Bounds, Card, Brush);
    }
    if (Style == csNormal) {
        const TLuRect Gap = Right ? TLuRect{G.X + CardWidth, 0, G.X + NormalStepRight, CardHeight}
                                  : TLuRect{0, G.Y + CardHeight, CardWidth, G.Y + NormalStepDown};
        FillRect(Buffer, Gap, Brush);
    }
    // From this card to the far corner: everything after it may have moved.
    ShowOnScreen(Card, Invalidate, {G.X, G.Y, G.W, G.H});

    if (I == Last && !Card.Empty() && Group.SortStyle() != soNone)
        Group.Sort(Group.SortStyle());
}

void DrawTableCard(TLuSingleCard& Card, bool Invalidate)
{
    const QPoint Place = TablePlace(Card.Index());
    const TLuRect Bounds{Place.x(), Place.y(), Place.x() + CardWidth, Place.y() + CardHeight};
    Card.SetBounds(Bounds);
    QImage& Buffer = *Card.Target();
    const QRgb Brush = Card.Owner()->BrushRgb();
    if (Card.Empty())
        FillRect(Buffer, Bounds, Brush);
    else
        PutCard(Buffer, Bounds, Card, Brush);
    ShowOnScreen(Card, Invalidate, Bounds);
}

void DrawDeckCard(TLuSingleCard& Card, TLuDeckOwner& Deck, bool Invalidate)
{
    TLuCustomCardControl* Owner = Card.Owner();
    const QRgb Brush = Owner->BrushRgb();
    const bool Double = Deck.DeckType() == dcDouble;
    int X = 0;
    int Y = 0;
    TLuRect Changed;

    if (Card.Index() == 0) {
        if (Double)
            Owner->SetBufferSize(DeckDoubleWidth, DeckDoubleHeight);
        else
            Owner->SetBufferSize(DeckSingleWidth, DeckSingleHeight);
        QImage& Buffer = *Card.Target();
        const TLuRect Strip{0, 0, DeckStripWidth, CardHeight};
        if (!Deck.DeckEmpty()) {
            if (Deck.ShowLastCard())
                PutCard(Buffer, Strip, Card, Brush);
            else
                FillRect(Buffer, Strip, Brush);
        }
        Changed = {0, 0, Owner->BufferWidth() - CardWidth, Owner->BufferHeight()};
    } else if (Card.Index() == 1) {
        QImage& Buffer = *Card.Target();
        const int W = Owner->BufferWidth();
        const int H = Owner->BufferHeight();
        // Layers beyond the Buffer would not show; the limit keeps the
        // arithmetic in range for any count.
        const int Layers = std::clamp(Deck.LayerCount(), -1, W + H);
        if (Deck.DeckEmpty()) {
            FillRect(Buffer, {0, 0, DeckStripWidth, CardHeight}, Brush);
            CopyImage(Buffer, {DeckStripWidth, 0, DeckStripWidth + CardWidth, CardHeight},
                      CardImage(BackImageIndex(Deck.DeckEmptyCardBack())), 0, 0, Brush);
            FillRect(Buffer, {DeckStripWidth + CardWidth, 0, W, H}, Brush);
            FillRect(Buffer, {DeckStripWidth, CardHeight, W, H}, Brush);
        } else {
            X = DeckStripWidth;
            for (int Layer = 0; Layer <= Layers; ++Layer) {
                if (Double) {
                    CopyImage(Buffer, {X, 0, X + DeckLayerStepX, CardHeight}, Card.BackImage(), 0, 0, Brush);
                } else {
                    CopyImage(Buffer, {X, Y, X + DeckLayerStepX, Y + CardHeight}, Card.BackImage(), 0, 0, Brush);
                    CopyImage(Buffer, {X, Y, X + CardWidth, Y + DeckLayerStepY}, Card.BackImage(), 0, 0, Brush);
                    Y += DeckLayerStepY;
                }
                X += DeckLayerStepX;
            }
            PutCard(Buffer, {X, Y, X + CardWidth, Y + CardHeight}, Card, Brush);
            FillRect(Buffer, {X + CardWidth, 0, W, H}, Brush);
            FillRect(Buffer, {DeckStripWidth, Y + CardHeight, W, H}, Brush);
        }
        Changed = {X - (DeckLayerStepX * Layers + DeckLayerStepX), 0, W, H};
    } else {
        return;
    }
    Card.SetBounds({X, Y, X + CardWidth, Y + CardHeight});
    ShowOnScreen(Card, Invalidate, Changed);
}
