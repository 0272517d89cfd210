#pragma once
// Small card owners for the drawing tests: a cascade, a table and a visual
// deck that hold plain cards and draw them through the library's routines,
// recording what reaches the screen. The real controls implement the same
// views.
#include "cardlib/lucard.h"
#include "referencecopy.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Remembers every WMUpdateRect and every draw request, then does what the
// base does.
template <typename Base>
class TRecordingControl : public Base {
public:
    using Base::Base;

    void WMUpdateRect(TLuSingleCard* Card, const TLuRect& R) override
    {
        UpdateRects.push_back(R);
        Base::WMUpdateRect(Card, R);
    }

    std::vector<TLuRect> UpdateRects;
};

// An owner of no particular kind: its cards draw nothing. It logs draw
// requests and card events in order, for the setter tests.
class TTestCardControl : public TRecordingControl<TLuCustomCardControl> {
public:
    explicit TTestCardControl(QWidget* Parent = nullptr) : TRecordingControl(Parent)
    {
        OnCardEmptyChange = [this](TLuCustomCardControl* Sender, TLuSingleCard*) { Log(Sender, "EmptyChange"); };
        OnCardIDChange = [this](TLuCustomCardControl* Sender, TLuSingleCard*) { Log(Sender, "IDChange"); };
        OnCardShowBackChange = [this](TLuCustomCardControl* Sender, TLuSingleCard*) {
            Log(Sender, "ShowBackChange");
        };
        OnCardBackChange = [this](TLuCustomCardControl* Sender, TLuSingleCard*) { Log(Sender, "BackChange"); };
    }

    void RedrawBuffer(bool) override {}
    void DrawCard(TLuSingleCard&, bool) override { Events << QStringLiteral("Draw"); }

    QStringList Events;

private:
    void Log(TLuCustomCardControl* Sender, const char* What)
    {
        Events << (Sender == this ? QString::fromLatin1(What) : QStringLiteral("wrong sender"));
    }
};

class TTestGroup : public TRecordingControl<TLuCustomCardControl>, public TLuCascadeOwner {
public:
    explicit TTestGroup(QWidget* Parent = nullptr) : TRecordingControl(Parent) {}

    // Appends Count face-up (or face-down) cards with IDs 2, 3, ... and
    // draws the whole group. As in a group, the item exists before its card.
    void AddCards(int Count, bool FaceUp = true)
    {
        const bool WasEnabled = Enabled();
        SetEnabled(false);
        for (int I = 0; I < Count; ++I) {
            FCards.push_back(nullptr);
            FCards.back() = std::make_unique<TLuSingleCard>(this, &Buffer());
            FCards.back()->SetShowBack(!FaceUp);
            FCards.back()->SetID(2 + static_cast<int>(FCards.size() - 1) % 52);
            FCards.back()->SetIndex(static_cast<int>(FCards.size()) - 1);
        }
        SetEnabled(WasEnabled);
        RedrawBuffer(false);
    }
    TLuSingleCard& Card(int Index) { return *FCards.at(static_cast<std::size_t>(Index)); }

    void RedrawBuffer(bool Invalidate) override
    {
        if (!Enabled())
            return;
        for (auto& Card : FCards)
            Card->Draw(Invalidate);
    }
    void DrawCard(TLuSingleCard& Card, bool Invalidate) override { DrawGroupCard(Card, *this, Invalidate); }

    TLuCascadeSide CascadeSide() const override { return Side; }
    TLuCascadeStyle CascadeStyle() const override { return Style; }
    int Tightness() const override { return Tight; }
    int ItemCount() const override { return static_cast<int>(FCards.size()); }
    TLuSingleCard* CardAt(int Index) const override
    {
        if (Index < 0 || Index >= ItemCount())
            return nullptr;
        return FCards[static_cast<std::size_t>(Index)].get();
    }
    bool Measuring() const override { return IsMeasuring; }
    TLuSortStyle SortStyle() const override { return Sorting; }
    void Sort(TLuSortStyle Style) override { SortCalls.push_back(Style); }

    TLuCascadeSide Side = csRight;
    TLuCascadeStyle Style = csNormal;
    int Tight = DefaultTightness;
    bool IsMeasuring = false;
    TLuSortStyle Sorting = soNone;
    std::vector<TLuSortStyle> SortCalls;

private:
    std::vector<std::unique_ptr<TLuSingleCard>> FCards;
};

class TTestTable : public TRecordingControl<TLuCustomCardControl> {
public:
    explicit TTestTable(QWidget* Parent = nullptr) : TRecordingControl(Parent)
    {
        SetBufferSize(TableWidth, TableHeight);
        for (int I = 0; I < TablePositionCount; ++I) {
            Cards.push_back(std::make_unique<TLuSingleCard>(this, &Buffer()));
            Cards.back()->SetIndex(I);
        }
    }
    void RedrawBuffer(bool Invalidate) override
    {
        for (auto& Card : Cards)
            Card->Draw(Invalidate);
    }
    void DrawCard(TLuSingleCard& Card, bool Invalidate) override { DrawTableCard(Card, Invalidate); }

    std::vector<std::unique_ptr<TLuSingleCard>> Cards;
};

class TTestDeck : public TRecordingControl<TLuCustomCardControl>, public TLuDeckOwner {
public:
    explicit TTestDeck(QWidget* Parent = nullptr) : TRecordingControl(Parent)
    {
        Last = std::make_unique<TLuSingleCard>(this, &Buffer());
        Last->SetShowBack(false);
        Last->SetIndex(0);
        First = std::make_unique<TLuSingleCard>(this, &Buffer());
        First->SetIndex(1);
    }
    void RedrawBuffer(bool Invalidate) override
    {
        if (!Enabled())
            return;
        Last->Draw(Invalidate);
        First->Draw(Invalidate);
    }
    void DrawCard(TLuSingleCard& Card, bool Invalidate) override { DrawDeckCard(Card, *this, Invalidate); }

    TLuVisualDeckType DeckType() const override { return Type; }
    int LayerCount() const override { return Layers; }
    bool ShowLastCard() const override { return ShowLast; }
    bool DeckEmpty() const override { return IsEmpty; }
    TLuCardBackType DeckEmptyCardBack() const override { return EmptyBack; }

    TLuVisualDeckType Type = dcSingle;
    int Layers = DeckSingleLayers;
    bool ShowLast = true;
    bool IsEmpty = false;
    TLuCardBackType EmptyBack = cbO;
    std::unique_ptr<TLuSingleCard> Last;
    std::unique_ptr<TLuSingleCard> First;
};

// What a card image looks like on a background: a rectangle of the image
// copied by the pixel rule, as a QImage of that rectangle's size.
inline QImage ExpectedCopy(const TLuCardImage& Image, int SrcX, int SrcY, int Width, int Height, QRgb Background)
{
    return ReferenceCopy(Image, SrcX, SrcY, Width, Height, Background);
}

// The Width x Height block of Image at (X, Y).
inline QImage Block(const QImage& Image, int X, int Y, int Width, int Height)
{
    return Image.copy(X, Y, Width, Height).convertToFormat(QImage::Format_RGB32);
}

inline bool AllPixels(const QImage& Image, const TLuRect& R, QRgb Color)
{
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X)
            if ((Image.pixel(X, Y) & RGB_MASK) != (Color & RGB_MASK))
                return false;
    return true;
}

constexpr QRgb Silver = 0xFFC0C0C0;
