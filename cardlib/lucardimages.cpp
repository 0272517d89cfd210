#include "cardlib/lucardimages.h"

#include <algorithm>
#include <array>
#include <cstdlib>

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

void FreeImages()
{
    for (TLuCardImage& Image : Images) {
        Image.Picture = QImage();
        Image.Transparent = false;
    }
    Loaded = false;
}

void LoadImages()
{
    for (int Slot = FirstCardImageSlot; Slot <= LastCardImageSlot; ++Slot) {
        const QString Path = CardResourcePath(CardImageResource(Slot));
        QImage Picture(Path);
        if (Picture.isNull() || Picture.width() != CardWidth || Picture.height() != CardHeight) {
            FreeImages();
            throw EResNotFound(Path);
        }
        // Two-colour and 16-colour pictures are drawn like any other.
        TLuCardImage& Image = Images[static_cast<std::size_t>(Slot)];
        Image.Picture = Picture.convertToFormat(QImage::Format_RGB32);
        // The dotted back shows only its dots: its white is the see-through part.
        Image.TransparentColor = Slot == LastCardImageSlot ? CardWhite : CardMagenta;
        Image.Transparent = true;
        DrawCardOutline(Image.Picture, Image.TransparentColor);
    }
    Loaded = true;
}

void PutPixel(QImage& Image, int X, int Y, QRgb Color)
{
    if (X >= 0 && Y >= 0 && X < Image.width() && Y < Image.height())
        Image.setPixel(X, Y, Color);
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
    return &Images[static_cast<std::size_t>(Slot)];
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

void TransparentCopy(QImage& Dest, const TLuRect& DestRect, const TLuCardImage& Source, int SrcX, int SrcY,
                     QRgb Background)
{
    Ensure32Bit(Dest);
    const TLuRect R = Clip(Dest, DestRect);
    if (R.IsEmpty())
        return;
    const QImage& Picture = Source.Picture;
    const QRgb Key = Source.TransparentColor & RGB_MASK;
    const QRgb Fill = Background | 0xFF000000;
    const int OffsetX = SrcX - DestRect.Left;
    const int OffsetY = SrcY - DestRect.Top;
    for (int Y = R.Top; Y < R.Bottom; ++Y) {
        QRgb* Out = Row(Dest, Y);
        const int SY = Y + OffsetY;
        if (SY < 0 || SY >= Picture.height()) {
            std::fill(Out + R.Left, Out + R.Right, Fill);
            continue;
        }
        const QRgb* In = Row(Picture, SY);
        for (int X = R.Left; X < R.Right; ++X) {
            const int SX = X + OffsetX;
            if (SX < 0 || SX >= Picture.width()) {
                Out[X] = Fill;
                continue;
            }
            const QRgb Pixel = In[SX];
            Out[X] = (Pixel & RGB_MASK) == Key ? Fill : (Pixel | 0xFF000000);
        }
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
    for (int Y = C.Top; Y < C.Bottom; ++Y) {
        QRgb* Out = Row(Dest, Y);
        std::fill(Out + C.Left, Out + C.Right, Fill);
    }
}
