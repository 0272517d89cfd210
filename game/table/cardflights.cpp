#include "game/table/cardflights.h"

#include "cardlib/lucardgroup.h"
#include "cardlib/lucardimages.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "cardlib/luvirtualdeck.h"
#include "game/table/cardcomponents.h"
#include "game/table/gamestate.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

constexpr int TopPosition = TLuCardTable::PosTop;
// A side's pile goes out in this many shares, each one flight.
constexpr int PileShares = 4;

// Frees a centre pile's busy flag however the landing ends: a pile left busy
// would take no card until the next deal.
class TFreeOnExit {
public:
    explicit TFreeOnExit(bool* Busy) : FBusy(Busy) {}
    ~TFreeOnExit()
    {
        if (FBusy)
            *FBusy = false;
    }
    TFreeOnExit(const TFreeOnExit&) = delete;
    TFreeOnExit& operator=(const TFreeOnExit&) = delete;

private:
    bool* FBusy;
};

} // namespace

TCardFlights::TCardFlights(TGameState& State, TCardComponents& Cards)
    : State(State)
    , Cards(Cards)
    , FBoard(State, Cards, [this](int Id) { Landed(Id); })
{
}

std::vector<TCardFlights::TCardInAir> TCardFlights::CardsInAir() const
{
    std::vector<TCardInAir> Cards;
    for (const auto& F : FBoard.Flights())
        for (const int ID : F.Meaning.IDs)
            Cards.push_back({ID, F.Meaning.From, F.Meaning.Into});
    return Cards;
}

bool TCardFlights::Bound(const TLuCustomCardControl* Control) const
{
    const auto& Flights = FBoard.Flights();
    return std::any_of(Flights.begin(), Flights.end(), [Control](const auto& F) { return F.Meaning.Into == Control; });
}

bool TCardFlights::Dealing() const
{
    const auto& Flights = FBoard.Flights();
    return std::any_of(Flights.begin(), Flights.end(), [](const auto& F) { return F.Meaning.From == nullptr; });
}

bool TCardFlights::Leaving(const TLuCustomCardControl* Control) const
{
    const auto& Flights = FBoard.Flights();
    return std::any_of(Flights.begin(), Flights.end(), [Control](const auto& F) { return F.Meaning.From == Control; });
}

void TCardFlights::WhenSettled(TLanded Then)
{
    if (!InAir()) {
        FSettled = nullptr;
        if (Then)
            Then();
        return;
    }
    FSettled = std::move(Then);
}

void TCardFlights::Place(TFlight& Flight)
{
    const TFreeOnExit Free(Flight.Busy);
    if (Flight.Arrive)
        Flight.Arrive();
}

void TCardFlights::Landed(int Id)
{
    std::optional<TFlight> Flight = FBoard.Take(Id);
    if (!Flight)
        return;
    Place(*Flight);
    if (Flight->Landed)
        Flight->Landed();
    RunSettled();
}

void TCardFlights::RunSettled()
{
    if (!InAir() && FSettled) {
        const TLanded Then = std::move(FSettled);
        FSettled = nullptr;
        Then();
    }
}

void TCardFlights::Settle()
{
    // Every card lies where it goes; nothing its landing would start runs.
    LandForBox();
    FHeld.clear();
    FSettled = nullptr;
}

void TCardFlights::LandForBox()
{
    for (TFlight& Flight : FBoard.CancelAll()) {
        Place(Flight);
        FHeld.push_back(std::move(Flight.Landed));
    }
}

void TCardFlights::RunHeld()
{
    const std::vector<TLanded> Held = std::move(FHeld);
    FHeld.clear();
    for (const TLanded& Landed : Held)
        if (Landed)
            Landed();
    RunSettled();
}

void TCardFlights::PlayOnto(TLuCardGroup* From, int Index, TLuCardTable* Onto, int Duration, TLanded Landed)
{
    TLuSingleCard* Card = From && Onto ? From->CardAt(Index) : nullptr;
    if (!Card || Card->Empty())
        return;
    bool* Busy = Onto == Cards.CardTable1 ? &State.Pile1Busy : Onto == Cards.CardTable2 ? &State.Pile2Busy : nullptr;
    if (Busy)
        *Busy = true;

    if (!FBoard.Animated()) {
        {
            const TFreeOnExit Free(Busy);
            TLuCardTable* Was = From->Table();
            From->SetTable(Onto);
            Onto->SetLandingPosition(TopPosition);
            From->PlayCard(Index, false, tpTop);
            From->SetTable(Was);
        }
        if (Landed)
            Landed();
        return;
    }

    TFlight Flight;
    Flight.IDs = {Card->ID()};
    Flight.From = From;
    Flight.Into = Onto;
    Flight.Busy = Busy;
    const QPointer<TLuCardGroup> Home(From);
    const QPointer<TLuCardTable> Pile(Onto);
    const int ID = Card->ID();
    Flight.Arrive = [Home, Pile, Card, ID] {
        if (!Pile)
            return;
        Pile->SetLandingPosition(TopPosition);
        // The card keeps its identity in its emptied place; a group gone
        // meanwhile still lands its card.
        if (Home)
            Pile->AddCard(*Card, false, Home);
        else
            Pile->PlaceCard(ID, false, nullptr);
    };
    Flight.Landed = std::move(Landed);
    try {
        FBoard.Launch(std::move(Flight), CardFlightPicture(Card->FaceImage()), Card->ParentPos(),
                      Onto->WindowPlace(TopPosition), Duration);
    } catch (...) {
        if (Busy)
            *Busy = false;
        throw;
    }
    // Emptied after the launch, so the frame that shows the empty place
    // already shows the card above it.
    Card->SetEmpty(true);
}

void TCardFlights::Refill(int Side, int Top, TLuCardGroup* Slot, TLanded Landed)
{
    TLuCardGroup* Pile = Cards.Pile(Side);
    TLuCardTable* Station = Cards.TempTable(Side);
    TLuSingleCard* Card = Pile && Slot && Station ? Pile->CardAt(Top) : nullptr;
    if (!Card || Card->Empty())
        return;

    if (!FBoard.Animated()) {
        Slot->SetTable(Station);
        Station->SetLandingPosition(TopPosition);
        Pile->PlayCard(Top, false, tpTop);
        Station->TakeTopCard(Slot);
        if (Landed)
            Landed();
        return;
    }

    const TLuSingleCard* Place = Slot->CardAt(std::max(0, Slot->FirstEmptyIndex()));
    TFlight Flight;
    Flight.IDs = {Card->ID()};
    Flight.From = Pile;
    Flight.Into = Slot;
    const QPointer<TLuCardGroup> Into(Slot);
    Flight.Arrive = [Pile, Card, Station, Into] {
        if (!Into)
            return;
        Into->SetTable(Station);
        Station->SetLandingPosition(TopPosition);
        Station->AddCard(*Card, false, Pile);
        Station->TakeTopCard(Into);
    };
    Flight.Landed = std::move(Landed);
    FBoard.Launch(std::move(Flight), CardFlightPicture(Card->FaceImage()), Card->ParentPos(),
                  Place ? Place->ParentPos() : QPoint(Slot->Left(), Slot->Top()), TFlightPace::RefillMs);
    Card->SetEmpty(true);
}

void TCardFlights::Deal(const std::function<void()>& DealCards, TLanded Dealt)
{
    if (!FBoard.Animated()) {
        DealCards();
        if (Dealt)
            Dealt();
        return;
    }

    // Dealt in full, then every dealt place emptied again, all before the
    // window shows anything: the cards appear only as they arrive.
    struct TShare {
        TLuCardGroup* Group;
        std::vector<int> Places;
    };
    std::vector<TShare> Shares;
    QWidget* F = FBoard.Form();
    F->setUpdatesEnabled(false);
    try {
        DealCards();
        // Each pile's dealt places, found once; its shares are cut from them.
        std::vector<int> Held[2];
        for (const int Side : {UserSide, ComputerSide}) {
            const TLuCardGroup* Pile = Cards.Pile(Side);
            for (int I = 0; I < Pile->ItemCount(); ++I)
                if (const TLuSingleCard* C = Pile->CardAt(I); C && !C->Empty() && !C->Reserved())
                    Held[Side - UserSide].push_back(I);
        }
        for (int Round = 0; Round < PileShares; ++Round) {
            for (const int Side : {UserSide, ComputerSide}) {
                const std::vector<int>& Places = Held[Side - UserSide];
                const auto Size = (Places.size() + PileShares - 1) / PileShares;
                const auto Begin = std::min(Places.size(), Size * static_cast<std::size_t>(Round));
                const auto End = std::min(Places.size(), Begin + Size);
                if (Begin < End)
                    Shares.push_back({Cards.Pile(Side), std::vector<int>(Places.begin() + static_cast<long>(Begin),
                                                                         Places.begin() + static_cast<long>(End))});
            }
        }
        for (int N = 1; N <= SlotCount; ++N)
            for (const int Side : {UserSide, ComputerSide})
                if (TLuCardGroup* Slot = Cards.Slot(Side, N); Slot && Slot->NonEmptyCount() > 0)
                    Shares.push_back({Slot, {0}});
        // Emptied only once every share is known: the pile's shares are cut
        // from its dealt cards as a whole.
        for (const TShare& Share : Shares)
            for (const int I : Share.Places)
                Share.Group->CardAt(I)->SetEmpty(true);
    } catch (...) {
        F->setUpdatesEnabled(true);
        throw;
    }
    F->setUpdatesEnabled(true);

    if (Shares.empty()) {
        if (Dealt)
            Dealt();
        return;
    }
    auto Left = std::make_shared<int>(static_cast<int>(Shares.size()));
    auto Done = std::make_shared<TLanded>(std::move(Dealt));
    const QPoint Deck = Cards.VirtualDeck ? QPoint(Cards.VirtualDeck->OriginX(), Cards.VirtualDeck->OriginY())
                                          : QPoint(0, 0);
    int Delay = 0;
    for (const TShare& Share : Shares) {
        const TLuSingleCard* First = Share.Group->CardAt(Share.Places.front());
        TFlight Flight;
        for (const int I : Share.Places)
            Flight.IDs.push_back(Share.Group->CardAt(I)->ID());
        Flight.Into = Share.Group;
        const QPointer<TLuCardGroup> Into(Share.Group);
        Flight.Arrive = [Into, Places = Share.Places] {
            if (!Into)
                return;
            for (const int I : Places)
                if (TLuSingleCard* C = Into->CardAt(I))
                    C->SetEmpty(false);
        };
        Flight.Landed = [Left, Done] {
            if (--*Left == 0 && *Done)
                (*Done)();
        };
        FBoard.Launch(std::move(Flight),
                      CardFlightPicture(First->ShowBack() ? First->BackImage() : First->FaceImage()), Deck,
                      First->ParentPos(), TFlightPace::DealMs, Delay);
        Delay += TFlightPace::DealGapMs;
    }
}
