#pragma once
// A window with real card groups (and a real card table to play onto) for
// the group tests, plus what they need to read a group's Buffer and to
// record the order of its events.
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardimages.h"
#include "cardlib/lucarditem.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "referencecopy.h"
#include "tests/support/qtprinters.h"

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace group_testing {

constexpr QRgb Background = 0xFF008000; // the window's colour: every fill paints it

class GroupTest : public ::testing::Test {
protected:
    GroupTest()
    {
        QPalette Palette = Form.palette();
        Palette.setColor(QPalette::Window, QColor::fromRgb(Background));
        Form.setPalette(Palette);
        Form.resize(800, 600);
    }

    // A group on the form with one card per ID, face up unless told otherwise.
    TLuCardGroup* MakeGroup(std::initializer_list<int> IDs, bool FaceUp = true)
    {
        auto* Group = new TLuCardGroup(&Form);
        Group->SetShowBack(!FaceUp);
        for (int ID : IDs)
            Group->CardList().Add()->Card()->SetID(ID);
        return Group;
    }

    TLuCardTable* MakeTable(int X = 400, int Y = 300)
    {
        auto* Table = new TLuCardTable(&Form);
        Table->SetBounds(X, Y, Table->Width(), Table->Height());
        return Table;
    }

    static std::vector<int> IDs(const TLuCardGroup& Group)
    {
        std::vector<int> Result;
        for (int I = 0; I < Group.ItemCount(); ++I)
            Result.push_back(Group.CardAt(I)->ID());
        return Result;
    }

    // Records the card events of a group as "Name(index)".
    static void RecordCardEvents(TLuCardGroup& Group, QStringList& Log)
    {
        auto Record = [&Log](const char* Name) {
            return [&Log, Name](TLuCustomCardControl*, TLuSingleCard* Card) {
                Log << QStringLiteral("%1(%2)").arg(QLatin1String(Name)).arg(Card->Index());
            };
        };
        Group.OnCardEmptyChange = Record("Empty");
        Group.OnCardIDChange = Record("ID");
        Group.OnCardShowBackChange = Record("ShowBack");
        Group.OnCardBackChange = Record("Back");
    }

    QWidget Form;
};

// Counts the paint events a widget receives: a batch that reaches the
// screen in one copy is one paint.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* Target) { Target->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
    int Paints = 0;
};

// The Width x Height block of Image at (X, Y), in one format for comparing.
inline QImage Block(const QImage& Image, int X, int Y, int Width, int Height)
{
    return Image.copy(X, Y, Width, Height).convertToFormat(QImage::Format_RGB32);
}

// A card picture copied onto the background: what a group shows of it from
// its corner, Width x Height.
inline QImage Shown(const TLuCardImage* Image, int Width, int Height)
{
    return ReferenceCopy(*Image, 0, 0, Width, Height, Background);
}

// Pixel-exact equality with the first differing pixel in the message.
inline ::testing::AssertionResult SameImage(const QImage& Actual, const QImage& Expected)
{
    if (Actual.size() != Expected.size())
        return ::testing::AssertionFailure() << "size " << Actual.width() << "x" << Actual.height() << ", expected "
                                             << Expected.width() << "x" << Expected.height();
    for (int Y = 0; Y < Actual.height(); ++Y)
        for (int X = 0; X < Actual.width(); ++X)
            if ((Actual.pixel(X, Y) & RGB_MASK) != (Expected.pixel(X, Y) & RGB_MASK))
                return ::testing::AssertionFailure() << "pixel (" << X << ", " << Y << ") is " << std::hex
                                                     << Actual.pixel(X, Y) << ", expected " << Expected.pixel(X, Y);
    return ::testing::AssertionSuccess();
}

inline bool AllBackground(const QImage& Image, const TLuRect& R)
{
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X)
            if ((Image.pixel(X, Y) & RGB_MASK) != (Background & RGB_MASK))
                return false;
    return true;
}

} // namespace group_testing
