#pragma once
// The card library's shared vocabulary: card identity, back designs, the
// enumerations that the card controls and their drawing share, the card and
// layout geometry, and the rectangle type in which cards report their place.
#include <QRect>
#include <cstdint>

// Suit of a card. Hearts come before spades here, while the ID blocks run
// clubs, diamonds, spades, hearts: the ordinals are part of the stored format.
enum TLuCardSuitType : std::uint8_t { stClub, stDiamond, stHeart, stSpade, stJoker };

// The fifteen back designs, in the order of their images.
enum TLuCardBackType : std::uint8_t {
    cbDefault,
    cbLabyrinth,
    cbIvyBlack,
    cbIvyBlue,
    cbFishCyan,
    cbFishBlue,
    cbHawai,
    cbIceCream,
    cbRobot,
    cbTricky,
    cbFlower,
    cbCastle,
    cbX,
    cbO,
    cbDots
};

// Which way a card group's cascade runs, and how much of each card shows.
enum TLuCascadeSide : std::uint8_t { csRight, csDown };
enum TLuCascadeStyle : std::uint8_t { csNormal, csTight, csLoose };

enum TLuSortStyle : std::uint8_t { soNone, soSuit, soValue };

enum TLuVisualDeckType : std::uint8_t { dcSingle, dcDouble };

// Where a group plays onto a table; tpBottom..tpRight are positions 0..3.
enum TLuTablePos : std::uint8_t { tpAuto, tpBottom, tpLeft, tpTop, tpRight };

enum TLuController : std::uint8_t { ctComputer, ctNetwork, ctHuman };

// Card IDs 2..55: clubs 2..14, diamonds 15..27, spades 28..40, hearts 41..53
// (values 2..14 in each block, ace last), 54 the red and 55 the blue joker.
constexpr int MinCardID = 2;
constexpr int MaxCardID = 55;
constexpr int RedJokerID = 54;
constexpr int BlueJokerID = 55;
constexpr int JokerValue = 15;

// 2..14 for the standard cards, 15 for the jokers, 0 for anything else.
int IDToValue(int ID);
// stJoker for the jokers and for every integer that is not a card ID.
TLuCardSuitType IDToSuit(int ID);
// One of the 52 standard cards (2..53), drawn from the process-wide generator.
int RandomStandardCardID();
// The card image slot of a back design (56..70); -1 for an ordinal outside 0..14.
int BackImageIndex(int BackType);

constexpr int BackTypeCount = 15;
constexpr int FirstBackSlot = 56;

// Card geometry, in pixels.
constexpr int CardWidth = 71;
constexpr int CardHeight = 96;
constexpr int NormalStepRight = 76; // a card plus a 5-pixel gap
constexpr int NormalStepDown = 101;
constexpr int LooseStepRight = 38;
constexpr int LooseStepDown = 50;
constexpr int MaxTightness = 70;
constexpr int DefaultTightness = 16;

// The card table's image and the places of its four positions
// (bottom, left, top, right).
constexpr int TableWidth = 131;
constexpr int TableHeight = 156;
constexpr int TablePositionCount = 4;
constexpr QPoint TablePlaces[TablePositionCount] = {{24, 60}, {0, 25}, {35, 0}, {60, 35}};

// The visual deck: the bottom card's strip, the stack's layer steps and the
// two image sizes.
constexpr int DeckStripWidth = 16;
constexpr int DeckLayerStepX = 4;
constexpr int DeckLayerStepY = 2;
constexpr int DeckSingleLayers = 3;
constexpr int DeckDoubleLayers = 12;
constexpr int DeckSingleWidth = 103;
constexpr int DeckSingleHeight = 104;
constexpr int DeckDoubleWidth = 139;
constexpr int DeckDoubleHeight = 96;

// Control messages by number, as the card controls know them.
constexpr unsigned WM_SYNCHRONIZE = 0x8001;
constexpr unsigned WM_UPDATERECT = 0x8002;

// A rectangle with exclusive Right and Bottom, as cards and the update
// message carry it (a QRect's right() is inclusive, hence a type of our own).
struct TLuRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // Strictly inside: a point on any edge is outside.
    constexpr bool ContainsStrictly(int X, int Y) const { return Left < X && X < Right && Top < Y && Y < Bottom; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TLuRect FromQRect(const QRect& R) { return {R.left(), R.top(), R.left() + R.width(), R.top() + R.height()}; }

    friend constexpr bool operator==(const TLuRect&, const TLuRect&) = default;
};
