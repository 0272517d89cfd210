#pragma once
// The one set of card images that all cards share: 69 pictures of 71 x 96
// pixels in slots 2..70 (slot = card ID for the faces, 56 + back ordinal for
// the backs), loaded from the resources ":/cards/N.bmp" with the first card
// and freed with the last. Also the three pixel operations with which cards
// are put into a control's Buffer.
#include "cardlib/lutypes.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

// A resource that the program should carry is missing: a defect of the build.
class EResNotFound : public std::runtime_error {
public:
    explicit EResNotFound(const QString& Name);
    QString ResourceName() const { return FName; }

private:
    QString FName;
};

// Columns [Begin, End) of one row of a picture that are not of its
// transparent colour.
struct TLuOpaqueRun {
    int Begin = 0;
    int End = 0;
};

struct TLuCardImage {
    QImage Picture;          // full colour (QImage::Format_RGB32), 71 x 96
    QRgb TransparentColor{}; // magenta, white for the dotted back (slot 70)
    bool Transparent = false;

    // The opaque runs of Picture, row by row: row Y's runs are
    // Runs[RowStart[Y]] up to Runs[RowStart[Y + 1]], left to right. Built
    // once by PrepareCardImage, so that putting the image is a copy of whole
    // runs instead of a colour test per pixel. They belong to the picture
    // whose cacheKey is PreparedKey; a picture changed since is prepared
    // again, on a copy, by every TransparentCopy from it.
    std::vector<TLuOpaqueRun> Runs;
    std::vector<int> RowStart;
    qint64 PreparedKey = 0;

    // CardFlightPicture's last result and what it was made from: the same
    // card flies again and again, and its picture (with the flight layer's
    // shadow, kept by the picture's cacheKey) is made once, not per flight.
    mutable QImage FlightPicture;
    mutable qint64 FlightKey = 0;
    mutable QRgb FlightColor{};
    mutable bool FlightTransparent = false;
};

// Brings Picture to QImage::Format_RGB32 and works out its opaque runs for
// TransparentColor. The set runs it for every image it loads; an image put
// together by hand runs it after setting Picture and TransparentColor.
void PrepareCardImage(TLuCardImage& Image);

constexpr int FirstCardImageSlot = 2;
constexpr int LastCardImageSlot = 70;
constexpr int CardResourceCount = 69;
constexpr QRgb CardMagenta = 0xFFFF00FF;
constexpr QRgb CardWhite = 0xFFFFFFFF;

// Loads the set when no card uses it yet, then counts one more user. A
// missing resource throws EResNotFound and leaves nothing loaded and the
// count unchanged. The pictures themselves are read when first asked for.
void AcquireCardImages();
// Counts one user less (never below zero) and frees the set at zero.
void ReleaseCardImages();
std::uint32_t CardImagesRefCount();
bool CardImagesLoaded();

// The image of a slot 2..70; null for any other slot. The object's address
// is stable for the life of the process, its picture is null while the set
// is not loaded. The first call for a slot of a loaded set reads and
// prepares its picture; one that cannot be read throws EResNotFound.
const TLuCardImage* CardImage(int Slot);
// The picture a flight shows of Image; null (nothing shown) for a slot that
// has no image.
inline const QImage* CardPicture(const TLuCardImage* Image)
{
    return Image ? &Image->Picture : nullptr;
}

// Image as a flight shows it: its transparent colour fully transparent, so
// the card in the air has the outline it has when it lies on the table; a
// null image for a null Image or one whose picture is not loaded.
QImage CardFlightPicture(const TLuCardImage* Image);

// The resource number 1..69 that fills a slot (aces first, hearts before
// spades in the resources); 0 for a slot outside 2..70.
int CardImageResource(int Slot);
// ":/cards/N.bmp" unless the folder has been replaced.
QString CardResourcePath(int Resource);
// Replaces the resource folder (":/cards/" at start) and returns the old one,
// so that a test can load from elsewhere; takes effect at the next load.
QString SetCardResourceFolder(const QString& Folder);

// Draws the black frame with one-pixel diagonal bevels and puts Color into
// the three pixels of each corner outside the bevel.
void DrawCardOutline(QImage& Image, QRgb Color);

// Copies the Source rectangle of an image that starts at (SrcX, SrcY) onto
// Dest at DestRect; pixels of the image's transparent colour are written as
// Background. Wherever the rectangle reaches beyond the image (a tight strip
// wider than a card) Background is written too: nothing outside the image is
// read. Destination pixels outside Dest are skipped. Each row is a copy of
// the image's opaque runs with Background between them (PrepareCardImage).
void TransparentCopy(QImage& Dest, const TLuRect& DestRect, const TLuCardImage& Source, int SrcX, int SrcY,
                     QRgb Background);
// Every pixel of R (clipped to Dest) becomes its bitwise complement.
void InvertRect(QImage& Dest, const TLuRect& R);
// Paints R (clipped to Dest) in Color.
void FillRect(QImage& Dest, const TLuRect& R, QRgb Color);
