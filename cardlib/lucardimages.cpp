#include "cardlib/lucardimages.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

EResNotFound::EResNotFound(const QString& Name)
    : std::runtime_error(QStringLiteral("Resource %1 not found").arg(Name).toStdString()), FName(Name)
{
}

namespace {

// Indexed by slot; entries 0 and 1 stay unused so that a slot is its own index.
std::array<TLuCardImage, LastCardImageSlot + 1> Images;
std::uint32_t RefCount = 0;
bool Loaded = false;
QString ResourceFolder = QStringLiteral(":/cards/");
// The folder of the loaded set, which a later change of folder leaves alone.
QString LoadedFolder;

void FreeImages()
{
    for (TLuCardImage& Image : Images) {
        Image.Picture = QImage();
        Image.Transparent = false;
        Image.Runs.clear();
        Image.RowStart.clear();
        Image.PreparedKey = 0;
        Image.FlightPicture = QImage();
        Image.FlightKey = 0;
    }
    Loaded = false;
}

// The set is loaded when every resource is there; each picture is read and
// prepared the first time it is asked for. A program shows only a few of
// the 69 before its first deal, and reading them all made up most of its
// start-up.
void LoadImages()
{
    for (int Slot = FirstCardImageSlot; Slot <= LastCardImageSlot; ++Slot) {
        const QString Path = CardResourcePath(CardImageResource(Slot));
        if (!QFile::exists(Path)) {
            FreeImages();
            throw EResNotFound(Path);
        }
    }
    LoadedFolder = ResourceFolder;
    Loaded = true;
}

void ReadImage(int Slot)
{
    const QString Path = LoadedFolder + QStringLiteral("%1.bmp").arg(CardImageResource(Slot));
    QImage Picture(Path);
    if (Picture.isNull() || Picture.width() != CardWidth || Picture.height() != CardHeight)
        throw EResNotFound(Path);
    // Two-colour and 16-colour pictures are drawn like any other.
    TLuCardImage& Image = Images[static_cast<std::size_t>(Slot)];
    Image.Picture = Picture.convertToFormat(QImage::Format_RGB32);
    // The dotted back shows only its dots: its white is the see-through part.
    Image.TransparentColor = Slot == LastCardImageSlot ? CardWhite : CardMagenta;
    Image.Transparent = true;
    DrawCardOutline(Image.Picture, Image.TransparentColor);
    PrepareCardImage(Image);
}

// Writes straight into a 32-bit picture's scan line: QImage::setPixel costs
// a format dispatch and a detach test per pixel, and every card image is
// outlined when the set loads.
void PutPixel(QImage& Image, int X, int Y, QRgb Color)
{
    if (X >= 0 && Y >= 0 && X < Image.width() && Y < Image.height())
        reinterpret_cast<QRgb*>(Image.scanLine(Y))[X] = Color;
}

// The outline has only straight and 45-degree segments.
void PutLine(QImage& Image, int X0, int Y0, int X1, int Y1, QRgb Color)
{
    const int Steps = std::max(std::abs(X1 - X0), std::abs(Y1 - Y0));
    const int StepX = (X1 > X0) - (X1 < X0);
    const int StepY = (Y1 > Y0) - (Y1 < Y0);
    for (int I = 0; I <= Steps; ++I)
        PutPixel(Image, X0 + StepX * I, Y0 + StepY * I, Color);
}

// The part of R that lies inside Image.
TLuRect Clip(const QImage& Image, const TLuRect& R)
{
    return {std::max(R.Left, 0), std::max(R.Top, 0), std::min(R.Right, Image.width()),
            std::min(R.Bottom, Image.height())};
}

// The pixel operations work on 32-bit scan lines.
void Ensure32Bit(QImage& Image)
{
    if (Image.format() != QImage::Format_RGB32 && Image.format() != QImage::Format_ARGB32)
        Image = Image.convertToFormat(QImage::Format_RGB32);
}

QRgb* Row(QImage& Image, int Y)
{
    return reinterpret_cast<QRgb*>(Image.scanLine(Y));
}

const QRgb* Row(const QImage& Image, int Y)
{
    return reinterpret_cast<const QRgb*>(Image.constScanLine(Y));
}

bool IsPrepared(const TLuCardImage& Image)
{
    return Image.PreparedKey == Image.Picture.cacheKey() &&
           Image.RowStart.size() == static_cast<std::size_t>(Image.Picture.height()) + 1 &&
           (Image.Picture.isNull() || Image.Picture.format() == QImage::Format_RGB32);
}

void FillSpan(QRgb* Out, int Begin, int End, QRgb Color)
{
    if (Begin < End)
        std::fill(Out + Begin, Out + End, Color);
}

// The copy of one Buffer row from one image row: source columns Left..Right
// go to Out[Left - Shift] and on; opaque runs are copied, everything else,
// also what lies beyond the image, is Fill.
void CopyRow(QRgb* Out, const QRgb* In, const TLuOpaqueRun* Run, const TLuOpaqueRun* RunEnd, int Left, int Right,
             int Shift, QRgb Fill)
{
    int Cursor = Left;
    for (; Run != RunEnd && Run->Begin < Right; ++Run) {
        const int Begin = std::max(Run->Begin, Cursor);
        const int End = std::min(Run->End, Right);
        if (Begin >= End)
            continue;
        FillSpan(Out, Cursor - Shift, Begin - Shift, Fill);
        std::memcpy(Out + (Begin - Shift), In + Begin, static_cast<std::size_t>(End - Begin) * sizeof(QRgb));
        Cursor = End;
    }
    FillSpan(Out, Cursor - Shift, Right - Shift, Fill);
}

} // namespace

void AcquireCardImages()
{
    if (RefCount == 0 && !Loaded)
        LoadImages();
    ++RefCount;
}

void ReleaseCardImages()
{
    if (RefCount > 0)
        --RefCount;
    if (RefCount == 0)
        FreeImages();
}

std::uint32_t CardImagesRefCount()
{
    return RefCount;
}

bool CardImagesLoaded()
{
    return Loaded;
}

const TLuCardImage* CardImage(int Slot)
{
    if (Slot < FirstCardImageSlot || Slot > LastCardImageSlot)
        return nullptr;
    TLuCardImage& Image = Images[static_cast<std::size_t>(Slot)];
    if (Loaded && Image.Picture.isNull())
        ReadImage(Slot);
    return &Image;
}

int CardImageResource(int Slot)
{
    if (Slot < FirstCardImageSlot || Slot > LastCardImageSlot)
        return 0;
    int N = (Slot == 14 || Slot == 27 || Slot == 40 || Slot == 53) ? Slot - 13 : Slot;
    if (N >= 27 && N <= 39)
        N += 13;
    else if (N >= 40 && N <= 52)
        N -= 13;
    if (N >= 54)
        N -= 1;
    return N;
}

QString CardResourcePath(int Resource)
{
    return ResourceFolder + QStringLiteral("%1.bmp").arg(Resource);
}

QString SetCardResourceFolder(const QString& Folder)
{
    QString Old = ResourceFolder;
    ResourceFolder = Folder;
    return Old;
}

void DrawCardOutline(QImage& Image, QRgb Color)
{
    Ensure32Bit(Image);
    constexpr QRgb Black = 0xFF000000;
    constexpr int Outline[][2] = {{2, 0},  {68, 0}, {70, 2}, {70, 93}, {68, 95},
                                  {2, 95}, {0, 93}, {0, 2},  {2, 0}};
    for (std::size_t I = 0; I + 1 < std::size(Outline); ++I)
        PutLine(Image, Outline[I][0], Outline[I][1], Outline[I + 1][0], Outline[I + 1][1], Black);
    constexpr int Corners[][2] = {{0, 0},  {1, 0},  {0, 1},  {69, 0},  {70, 0},  {70, 1},
                                  {0, 94}, {0, 95}, {1, 95}, {69, 95}, {70, 95}, {70, 94}};
    for (const auto& Corner : Corners)
        PutPixel(Image, Corner[0], Corner[1], Color);
}

void PrepareCardImage(TLuCardImage& Image)
{
    // Format_RGB32 keeps every pixel's alpha at 255, so a run is put by
    // copying it as it is. A 32-bit picture with alpha keeps its colour
    // words and is simply made opaque, as the pixel rule puts it.
    QImage& Picture = Image.Picture;
    const QImage::Format Format = Picture.format();
    if (Format == QImage::Format_ARGB32 || Format == QImage::Format_ARGB32_Premultiplied) {
        Picture.reinterpretAsFormat(QImage::Format_RGB32);
        for (int Y = 0; Y < Picture.height(); ++Y) {
            QRgb* Line = Row(Picture, Y);
            for (int X = 0; X < Picture.width(); ++X)
                Line[X] |= 0xFF000000;
        }
    } else if (!Picture.isNull() && Format != QImage::Format_RGB32) {
        Picture = Picture.convertToFormat(QImage::Format_RGB32);
    }
    const QRgb Key = Image.TransparentColor & RGB_MASK;
    const int Width = Picture.width();
    const int Height = Picture.height();
    Image.Runs.clear();
    Image.RowStart.assign(1, 0);
    for (int Y = 0; Y < Height; ++Y) {
        const QRgb* In = Row(std::as_const(Picture), Y);
        int X = 0;
        while (X < Width) {
            while (X < Width && (In[X] & RGB_MASK) == Key)
                ++X;
            const int Begin = X;
            while (X < Width && (In[X] & RGB_MASK) != Key)
                ++X;
            if (X > Begin)
                Image.Runs.push_back({Begin, X});
        }
        Image.RowStart.push_back(static_cast<int>(Image.Runs.size()));
    }
    Image.PreparedKey = Picture.cacheKey();
}

void TransparentCopy(QImage& Dest, const TLuRect& DestRect, const TLuCardImage& Source, int SrcX, int SrcY,
                     QRgb Background)
{
    if (!IsPrepared(Source)) {
        TLuCardImage Ready = Source;
        PrepareCardImage(Ready);
        TransparentCopy(Dest, DestRect, Ready, SrcX, SrcY, Background);
        return;
    }
    Ensure32Bit(Dest);
    const TLuRect R = Clip(Dest, DestRect);
    if (R.IsEmpty())
        return;
    const QImage& Picture = Source.Picture;
    const QRgb Fill = Background | 0xFF000000;
    // Source column = Buffer column + Shift, source row = Buffer row + ShiftY.
    const int Shift = SrcX - DestRect.Left;
    const int ShiftY = SrcY - DestRect.Top;
    const TLuOpaqueRun* Runs = Source.Runs.data();
    for (int Y = R.Top; Y < R.Bottom; ++Y) {
        QRgb* Out = Row(Dest, Y);
        const int SY = Y + ShiftY;
        if (SY < 0 || SY >= Picture.height()) {
            FillSpan(Out, R.Left, R.Right, Fill);
            continue;
        }
        const auto Start = static_cast<std::size_t>(SY);
        CopyRow(Out, Row(Picture, SY), Runs + Source.RowStart[Start], Runs + Source.RowStart[Start + 1],
                R.Left + Shift, R.Right + Shift, Shift, Fill);
    }
}

void InvertRect(QImage& Dest, const TLuRect& R)
{
    Ensure32Bit(Dest);
    const TLuRect C = Clip(Dest, R);
    if (C.IsEmpty())
        return;
    for (int Y = C.Top; Y < C.Bottom; ++Y) {
        QRgb* Out = Row(Dest, Y);
        for (int X = C.Left; X < C.Right; ++X)
            Out[X] ^= RGB_MASK;
    }
}

void FillRect(QImage& Dest, const TLuRect& R, QRgb Color)
{
    Ensure32Bit(Dest);
    const TLuRect C = Clip(Dest, R);
    if (C.IsEmpty())
        return;
    const QRgb Fill = Color | 0xFF000000;
    for (int Y = C.Top; Y < C.Bottom; ++Y)
        FillSpan(Row(Dest, Y), C.Left, C.Right, Fill);
}

QImage CardFlightPicture(const TLuCardImage* Image)
{
    if (!Image || Image->Picture.isNull())
        return {};
    if (!Image->FlightPicture.isNull() && Image->FlightKey == Image->Picture.cacheKey() &&
        Image->FlightTransparent == Image->Transparent &&
        (!Image->Transparent || Image->FlightColor == Image->TransparentColor))
        return Image->FlightPicture;
    QImage Result = Image->Picture.convertToFormat(QImage::Format_ARGB32);
    if (Image->Transparent) {
        const QRgb Key = Image->TransparentColor & RGB_MASK;
        for (int Y = 0; Y < Result.height(); ++Y) {
            auto* Row = reinterpret_cast<QRgb*>(Result.scanLine(Y));
            for (int X = 0; X < Result.width(); ++X)
                if ((Row[X] & RGB_MASK) == Key)
                    Row[X] = 0;
        }
    }
    Image->FlightPicture = Result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Image->FlightKey = Image->Picture.cacheKey();
    Image->FlightTransparent = Image->Transparent;
    Image->FlightColor = Image->TransparentColor;
    return Image->FlightPicture;
}
