#include "cardlib/luvirtualdeck.h"

#include "cardlib/lubusy.h"
#include "cardlib/lucarddeck.h"
#include "cardlib/lusinglecard.h"
#include "cardlib/lutypes.h"
#include "platform/messagebox.h"
#include "platform/random.h"
#include "platform/systemclock.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// The record's fields, by byte offset.
constexpr int VersionOffset = 36;
constexpr int ShuffleCountOffset = 708;
constexpr int CardCountOffset = 712;
constexpr int CardsOffset = 716;

std::int32_t ReadInt32(const QByteArray& data, int offset)
{
    return qFromLittleEndian<std::int32_t>(data.constData() + offset);
}

void ShowError(const QString& text)
{
    platform::MessageDlg(text, platform::MsgType::Error, platform::MsgButtons::Ok);
}

QString CannotReadText(const QString& fileName)
{
    return QStringLiteral("Cannot read the virtual deck file \"%1\".").arg(fileName);
}

// Reads up to size bytes from the start of the file; false when it cannot
// be opened. A short file gives fewer bytes.
bool ReadStart(const QString& fileName, qint64 size, QByteArray& data)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    data = file.read(size);
    return true;
}

} // namespace

TLuVirtualDeck::TLuVirtualDeck(QObject* Owner) : QObject(Owner)
{
    FCards.assign(52, 0);
}

TLuVirtualDeck::~TLuVirtualDeck() = default;

void TLuVirtualDeck::SetVisualDeck(TLuCardDeck* Value)
{
    FVisualDeck = Value;
    if (FVisualDeck) {
        OriginX();
        OriginY();
    }
}

int TLuVirtualDeck::OriginX()
{
    // The top card is 71 wide and lies in the visual deck's right corner.
    if (FVisualDeck)
        FOriginX = FVisualDeck->Left() + FVisualDeck->Width() - (CardWidth - 1);
    return FOriginX;
}

int TLuVirtualDeck::OriginY()
{
    if (FVisualDeck)
        FOriginY = FVisualDeck->Top() + FVisualDeck->Height() - (CardHeight - 1);
    return FOriginY;
}

void TLuVirtualDeck::SetCustomDeckFileName(const QString& Value)
{
    FCustomDeckFileName = Value;
    if (Value.isEmpty())
        FCustomDeck = false;
}

void TLuVirtualDeck::SetCustomDeck(bool Value)
{
    FCustomDeck = Value;
    // While the stored values are still being applied the file name may not
    // have arrived yet: Loaded reads the file once loading is complete.
    if (IsLoading())
        return;
    if (Value) {
        FSavedShuffleCount = FShuffleCount;
        if (!ReadVirtualDeckFile(FCustomDeckFileName))
            FCustomDeck = false;
    } else {
        FShuffleCount = FSavedShuffleCount;
    }
}

void TLuVirtualDeck::Loaded()
{
    platform::Component::Loaded();
    FSavedShuffleCount = FShuffleCount;
    if (FCustomDeck && !ReadVirtualDeckFile(FCustomDeckFileName))
        FCustomDeck = false;
}

bool TLuVirtualDeck::ReadVirtualDeckFile(const QString& FileName)
{
    if (FileName.isEmpty() || !QFileInfo::exists(FileName))
        return false;

    // One read for the whole record; a file too short for the header cannot
    // be read, one too short for the rest fails after its header is checked.
    QByteArray record;
    if (!ReadStart(FileName, FileRecordSize, record) || record.size() < FileHeaderSize) {
        ShowError(CannotReadText(FileName));
        return false;
    }
    // The length byte belongs to the comparison, so a header of any other
    // length fails at its first byte.
    const std::size_t textLength = std::strlen(FileHeaderText);
    if (static_cast<unsigned char>(record[0]) != textLength ||
        std::memcmp(record.constData() + 1, FileHeaderText, textLength) != 0) {
        ShowError(QStringLiteral("Unrecognized file fomat."));
        return false;
    }
    if (record.size() < FileRecordSize) {
        ShowError(CannotReadText(FileName));
        return false;
    }
    if (ReadInt32(record, VersionOffset) != FileVersion) {
        ShowError(QStringLiteral("Wrong file version."));
        return false;
    }
    // A custom deck is dealt from CustomCards alone: a count it cannot hold,
    // or a card that is no card, makes the file unusable.
    const std::int32_t cardCount = ReadInt32(record, CardCountOffset);
    bool usable = cardCount >= 1 && cardCount <= MaxCustomCards;
    for (int i = 0; usable && i < cardCount; ++i) {
        const std::int32_t id = ReadInt32(record, CardsOffset + 4 * i);
        usable = id >= MinCardID && id <= MaxCardID;
    }
    if (!usable) {
        ShowError(QStringLiteral("Unrecognized file fomat."));
        return false;
    }

    for (int i = 0; i < MaxCustomCards; ++i)
        FCustomCards[static_cast<std::size_t>(i)] = ReadInt32(record, CardsOffset + 4 * i);
    FCustomCardCount = cardCount;
    FCardCount = cardCount;
    FShuffleCount = ReadInt32(record, ShuffleCountOffset);
    return true;
}

void TLuVirtualDeck::Prepare()
{
    TLuBusyGuard busy;

    const platform::SystemTime now = platform::GetSystemTime();
    platform::SetRandSeed(static_cast<std::uint32_t>(
        ((now.Hour * 60 + now.Minute) * 60 + now.Second) * 1000 + now.Milliseconds));

    FCardCount = FCustomDeck ? FCustomCardCount : FIncludedCards.CountCards();
    if (static_cast<std::int32_t>(FCards.size()) != FCardCount)
        FCards.resize(static_cast<std::size_t>(FCardCount));
    if (FCustomDeck)
        std::copy_n(FCustomCards.begin(), FCardCount, FCards.begin());
    else
        FIncludedCards.BuildCardList(FCards);

    for (std::int32_t pass = 0; pass < FShuffleCount; ++pass) {
        for (std::int32_t i = 0; i < FCardCount; ++i) {
            const int j = platform::Random(FCardCount);
            std::swap(FCards[static_cast<std::size_t>(i)], FCards[static_cast<std::size_t>(j)]);
        }
    }

    FNextIndex = static_cast<std::int32_t>(FCards.size()) - 1;

    if (FVisualDeck) {
        if (FCards.empty()) {
            // Nothing to deal: the stack shows its empty picture at once.
            FVisualDeck->SetDealtOut(true);
            FVisualDeck->SetDeckEmpty(true);
        } else {
            FVisualDeck->CardLast().SetID(FCards.front());
            FVisualDeck->CardFirst().SetID(FCards.back());
            FVisualDeck->SetDeckEmpty(false);
            FVisualDeck->SetDealtOut(false);
        }
    }

    if (AfterPrepareDeck)
        AfterPrepareDeck(this);
}

bool TLuVirtualDeck::IsPeelPoint(std::int32_t CardCount, std::int32_t NextIndex)
{
    // A single deck loses one of its four layers after the 14th, 27th, 40th
    // and last card; anything up to a thousand cards one of thirteen every
    // eight cards; a larger deck only when it is dealt out.
    if (CardCount <= 52)
        return NextIndex == 38 || NextIndex == 25 || NextIndex == 12 || NextIndex == 0;
    if (CardCount <= 1000)
        return NextIndex >= 0 && NextIndex <= 96 && NextIndex % 8 == 0;
    return false;
}

void TLuVirtualDeck::DealtOutVisualDeck()
{
    FVisualDeck->SetDealtOut(true);
    if (FVisualDeck->DeckEmpty())
        return;
    // At 0 the first peel turns the deck empty and sets it back to full
    // height; from there, as from any higher count, it peels down to 0.
    do
        FVisualDeck->PeelLayer();
    while (FVisualDeck->LayerCount() != 0);
}

std::int32_t TLuVirtualDeck::DrawNext()
{
    TLuBusyGuard busy;
    std::int32_t result = -1;
    if (FNextIndex >= 0 && FNextIndex < static_cast<std::int32_t>(FCards.size())) {
        result = FCards[static_cast<std::size_t>(FNextIndex)];
        if (FVisualDeck) {
            FVisualDeck->CardFirst().SetID(result);
            FCards.pop_back();
            if (IsPeelPoint(FCardCount, FNextIndex))
                FVisualDeck->PeelLayer();
        }
    }
    --FNextIndex;
    if (FNextIndex < 0) {
        if (FVisualDeck)
            DealtOutVisualDeck();
        FCards.clear();
        FNextIndex = -1;
    }
    return result;
}
