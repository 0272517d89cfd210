#pragma once
// The deck behind the dealing: it builds the list of card IDs from its
// included cards (or takes a prearranged order from a virtual-deck file),
// shuffles it with the process-wide generator seeded from the time of day,
// and hands the IDs out one at a time from the end of the list, keeping an
// optional visual deck in step.
#include "cardlib/luincludedcards.h"
#include "platform/component.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class TLuCardDeck;
class TLuSprite;

class TLuVirtualDeck : public QObject, public platform::Component
{
    Q_OBJECT
public:
    using TLuVirtualDeckNotifyEvent = std::function<void(TLuVirtualDeck* Sender)>;

    // The most cards a virtual-deck file can hold.
    static constexpr int MaxCustomCards = 108;
    // The file's one record, and what it starts with.
    static constexpr int FileRecordSize = 1148;
    static constexpr int FileHeaderSize = 34;
    static constexpr const char* FileHeaderText = "Lumeri Software Virtual Deck File";
    static constexpr std::int32_t FileVersion = 1;

    explicit TLuVirtualDeck(QObject* Owner = nullptr);
    ~TLuVirtualDeck() override;

    // The deck; cards are dealt from its end.
    const TLuArrayInt& Cards() const { return FCards; }
    TLuIncludedCards& IncludedCards() { return FIncludedCards; }
    const TLuIncludedCards& IncludedCards() const { return FIncludedCards; }

    // The stack kept in step; setting it also takes the flight origin from it.
    TLuCardDeck* VisualDeck() const { return FVisualDeck; }
    void SetVisualDeck(TLuCardDeck* Value);
    // Kept with the deck only; dealt cards fly with the table's own sprite.
    TLuSprite* Sprite() const { return FSprite; }
    void SetSprite(TLuSprite* Value) { FSprite = Value; }
    bool DealAnimation() const { return FDealAnimation; }
    void SetDealAnimation(bool Value) { FDealAnimation = Value; }

    QString CustomDeckFileName() const { return FCustomDeckFileName; }
    // An empty name switches custom mode off (the shuffle count stays).
    void SetCustomDeckFileName(const QString& Value);
    // Take the card order from the virtual-deck file. Switching it on reads
    // the file (after loading has completed) and stays off when that fails;
    // switching it off brings back the shuffle count of before.
    bool CustomDeck() const { return FCustomDeck; }
    void SetCustomDeck(bool Value);

    // The window point where dealt cards start: one pixel right of and
    // below the top-left corner of the visual deck's top card, when a
    // visual deck is set; otherwise the value last written.
    int OriginX();
    void SetOriginX(int Value) { FOriginX = Value; }
    int OriginY();
    void SetOriginY(int Value) { FOriginY = Value; }

    // Index in Cards of the next card to deal; -1 when dealt out.
    std::int32_t NextIndex() const { return FNextIndex; }
    // Cards of the current preparation.
    std::int32_t CardCount() const { return FCardCount; }
    std::int32_t ShuffleCount() const { return FShuffleCount; }
    void SetShuffleCount(std::int32_t Value) { FShuffleCount = Value; }
    std::int32_t SavedShuffleCount() const { return FSavedShuffleCount; }
    // The card order read from the virtual-deck file.
    const std::array<std::int32_t, MaxCustomCards>& CustomCards() const { return FCustomCards; }

    // Fired at the end of Prepare.
    TLuVirtualDeckNotifyEvent AfterPrepareDeck;

    // A complete new deck, shuffled, with the visual deck back at full height.
    void Prepare();
    // The next card ID, or -1 once the deck is dealt out.
    std::int32_t DrawNext();

    // Reads the virtual-deck file. A missing file fails silently; a wrong
    // header, version or card count, and a file that cannot be read whole,
    // fail with an error box. On failure nothing of the deck changes.
    bool ReadVirtualDeckFile(const QString& FileName);

protected:
    void Loaded() override;

private:
    // True when NextIndex, the index of the card being dealt from a deck of
    // CardCount cards, is one after which the visual deck loses a layer.
    static bool IsPeelPoint(std::int32_t CardCount, std::int32_t NextIndex);
    void DealtOutVisualDeck();

    TLuArrayInt FCards;
    TLuIncludedCards FIncludedCards;
    TLuCardDeck* FVisualDeck = nullptr;
    TLuSprite* FSprite = nullptr;
    std::int32_t FSavedShuffleCount = 0;
    QString FCustomDeckFileName;
    bool FCustomDeck = false;
    std::int32_t FOriginY = 0;
    std::int32_t FOriginX = 0;
    std::int32_t FNextIndex = 0;
    std::int32_t FCardCount = 52;
    std::int32_t FShuffleCount = 0;
    bool FDealAnimation = true;
    std::array<std::int32_t, MaxCustomCards> FCustomCards{};
    // The card count of the file: the size of every custom deck.
    std::int32_t FCustomCardCount = 0;
};
