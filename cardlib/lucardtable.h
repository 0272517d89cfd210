#pragma once
// A card table: the control on which cards are laid (a pile to play onto, a
// trick area or a way station). Four position cards (bottom, left, top, right) lie
// at fixed places and overlap like a pinwheel; the table keeps the IDs laid
// since it was last cleared, applies its rule options to the cards that
// groups play onto it, announces every laid card and every finished trick,
// hands its top card to a group on request, and deals from a virtual deck
// to its players and to itself.
#include "cardlib/lucustomcardcontrol.h"
#include "cardlib/lugameoptions.h"
#include "cardlib/luplayerlist.h"
#include "cardlib/lupointlist.h"
#include "cardlib/lutypes.h"

#include <QPoint>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QImage;
class QMouseEvent;
class TLuCardGroup;
class TLuSingleCard;
class TLuSprite;
class TLuVirtualDeck;

class TLuCardTable;
using TLuCardTableNotifyEvent = std::function<void(TLuCardTable* Sender)>;
using TLuCardTableAddCardEvent =
    std::function<void(TLuCardTable* Sender, int PlayedCardsCount, int TopCardPos, TLuSingleCard* TopCard,
                       int TopCardID, int PrevCardID, bool OwnedCard)>;
using TLuCardTableBeforeAddCardEvent =
    std::function<void(TLuCardTable* Sender, TLuSingleCard* Card, bool SuitExists, bool& Accept)>;
using TLuCardTableCardClickEvent = std::function<void(TLuCardTable* Sender, TLuSingleCard* TopCard, bool& TakeIt)>;
using TLuCardTableAfterDealtoTableEvent =
    std::function<void(TLuCardTable* Sender, int PlayedCardsCount, int TopCardPos, TLuSingleCard* TopCard)>;

class TLuCardTable : public TLuCustomCardControl {
    Q_OBJECT
public:
    // Position indexes of the four position cards.
    static constexpr int PosBottom = 0;
    static constexpr int PosLeft = 1;
    static constexpr int PosTop = 2;
    static constexpr int PosRight = 3;

    explicit TLuCardTable(QWidget* Parent = nullptr);
    ~TLuCardTable() override;

    // The owned sub-objects; callers change their contents, never replace them.
    TLuGameOptions& GameOptions() { return *FGameOptions; }
    const TLuGameOptions& GameOptions() const { return *FGameOptions; }
    TLuPlayerList& PlayerList() { return *FPlayerList; }
    const TLuPlayerList& PlayerList() const { return *FPlayerList; }
    // Kept with the table; no operation of the table reads it.
    TLuPointList& PointList() { return *FPointList; }
    const TLuPointList& PointList() const { return *FPointList; }

    // The position cards. Writing one copies the given card's state into the
    // owned card; the owned card itself is never replaced.
    TLuSingleCard* CardBottom() const { return FCardBottom.get(); }
    void SetCardBottom(const TLuSingleCard& Value);
    TLuSingleCard* CardLeft() const { return FCardLeft.get(); }
    void SetCardLeft(const TLuSingleCard& Value);
    TLuSingleCard* CardTop() const { return FCardTop.get(); }
    void SetCardTop(const TLuSingleCard& Value);
    TLuSingleCard* CardRight() const { return FCardRight.get(); }
    void SetCardRight(const TLuSingleCard& Value);
    // The position card of 0..3; nullptr for any other value.
    TLuSingleCard* PositionCard(int Pos) const;
    // The four position cards, bottom, left, top, right.
    std::array<TLuSingleCard*, TablePositionCount> PositionCards() const;

    // The deck that the table deals from; not owned. A deck that is
    // destroyed first leaves the table without one.
    TLuVirtualDeck* VirtualDeck() const;
    void SetVirtualDeck(TLuVirtualDeck* Value);

    // With True, each position card gets a random standard card (unless the
    // table starts out empty).
    bool RandomCards() const { return FRandomCards; }
    void SetRandomCards(bool Value);

    // The card IDs laid since the last ClearTable, oldest first.
    const std::vector<std::int32_t>& PlayedCards() const { return FPlayedCards; }
    int PlayedCardsCount() const { return static_cast<int>(FPlayedCards.size()); }

    // Where the next laid card lands (always 0..3); other values are ignored.
    int LandingPos() const { return FLandingPos; }
    void SetLandingPosition(int Pos);
    // Position of the card laid last, -1 when there is none.
    int TopCardPos() const { return FTopCardPos; }
    int TopCardID() const { return FTopCardID; }
    int PrevCardID() const { return FPrevCardID; }

    // The rule state of the current party and trick.
    TLuCardSuitType LeadSuit() const { return FLeadSuit; }
    bool TrumpPlayed() const { return FTrumpPlayed; }
    int CardsLeft() const { return FCardsLeft; }
    int TrickCardCount() const { return FTrickCardCount; }
    int CurrentPlayer() const { return FCurrentPlayer; }

    // Players in turn order.
    int PlayerCount() const;
    // The player after Index: 0 after the last one, Index + 1 otherwise.
    int NextPlayer(int Index) const;
    // The group of the player item at Index; nullptr when the index lies
    // outside the list or the item names no group.
    TLuCardGroup* PlayerGroup(int Index) const;
    // The first player group controlled by a human, or nullptr.
    TLuCardGroup* FindHumanPlayer() const;

    // Empties the four positions and forgets the laid cards; with
    // ClearPlayers every card of every player group is made empty too.
    void ClearTable(bool ClearPlayers);
    // Lays a card with this ID on the landing position, whatever the rules
    // say, and fires AfterAddCard (also when laying it fails). An ID outside
    // 2..55 is ignored.
    void PlaceCard(int CardID, bool FaceDown, TLuCardGroup* Group);
    // A card played onto the table (by Group, or by nobody when nullptr):
    // the rules decide whether it is laid or goes back to its group.
    void AddCard(TLuSingleCard& Card, bool FaceDown, TLuCardGroup* Group);
    // Hands the top card to the first empty card of Group (its last card
    // when none is empty).
    void TakeTopCard(TLuCardGroup* Group);
    // Draws the non-empty position cards from the oldest to the newest.
    void RedrawCards();
    // The table has no layout of its own: a full redraw is RedrawCards.
    void RedrawBuffer(bool Invalidate) override;

    void SetCardBack(TLuCardBackType Value) override;
    void SetShowBack(bool Value) override;

    // Dealing from VirtualDeck.
    // Starts a party: the deck is prepared anew and the party's card count
    // taken from it.
    void PrepareDeal();
    // The next card ID of the deck, -1 when there is none (or no deck).
    int NextDeckCard();
    // Fills every card of Group that is not Reserved, in index order, until
    // the deck runs out.
    void DealToGroup(TLuCardGroup* Group);
    // Deals every player group in turn order, starting after the dealer
    // (whose role moves on one player when MoveDealer is set).
    void DealToPlayers(bool MoveDealer);
    // Lays TableCloseCards face-down cards and then TableOpenCards face-up
    // cards onto the table.
    void DealToTable();

    // Events.
    TLuCardTableAddCardEvent AfterAddCard;
    TLuCardTableBeforeAddCardEvent BeforeAddCard;
    TLuCardTableNotifyEvent AfterTrickFinish;
    TLuCardTableNotifyEvent AfterPartyFinish;
    TLuCardTableNotifyEvent AfterDealingFinish;
    TLuCardTableAfterDealtoTableEvent AfterDealToTable;
    TLuCardTableCardClickEvent OnCardClick;

    // A position card draws itself at its position's place.
    void DrawCard(TLuSingleCard& Card, bool Invalidate) override;

    // Where a card laid at position Pos shows in the parent window (the
    // table's corner plus the position's place in its image): where a flight
    // onto that position ends.
    QPoint WindowPlace(int Pos) const;

protected:
    void Loaded() override;
    // Any button released anywhere on the table: offers the top card to
    // OnCardClick and hands it to the human player when asked to.
    void mouseReleaseEvent(QMouseEvent* Event) override;


private:
    int NextLandingPos(int Pos) const;
    // Runs the automatic play of the player whose turn it is, when asked for.
    void AutoPlayCurrent();
    void FireAfterAddCard(bool OwnedCard);
    // Flies the table's sprite (when there is one) and hides it at the end.
    void Fly(QPoint From, QPoint To, const QImage* Image);
    // The non-empty position cards, oldest first.
    void DrawPositionCards(bool Invalidate);

    std::unique_ptr<TLuGameOptions> FGameOptions;
    std::unique_ptr<TLuPointList> FPointList;
    std::unique_ptr<TLuPlayerList> FPlayerList;
    std::unique_ptr<TLuSingleCard> FCardLeft;
    std::vector<std::int32_t> FPlayedCards;
    std::unique_ptr<TLuSingleCard> FCardRight;
    std::unique_ptr<TLuSingleCard> FCardBottom;
    std::unique_ptr<TLuSingleCard> FCardTop;
    QPointer<TLuVirtualDeck> FVirtualDeck;
    TLuCardSuitType FLeadSuit = stJoker;
    bool FRandomCards = false;
    bool FTrumpPlayed = false;
    int FCardsLeft = 0;
    int FTrickCardCount = 0;
    int FLandingPos = 0;
    int FCurrentPlayer = 0;
    int FTopCardID = -1;
    int FPrevCardID = -2;
    int FTopCardPos = -1;
};
