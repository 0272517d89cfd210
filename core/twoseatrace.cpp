#include "core/twoseatrace.h"

#include "core/scoring.h"

#include <algorithm>

namespace core {

namespace {

bool ValidSeat(int Seat)
{
    return Seat >= 0 && Seat < SeatCount;
}

} // namespace

void TTwoSeatRace::Deal(int Decks, const std::function<int(int)>& Random)
{
    FDecks = std::clamp(Decks, 1, 2);
    FTarget = TargetCountFor(FDecks);
    for (auto& Centre : FCentre)
        Centre.clear();
    for (int Seat = 0; Seat < SeatCount; ++Seat) {
        std::vector<std::uint8_t> Deck;
        for (int D = 0; D < FDecks; ++D)
            for (int Card = MinCard; Card <= MaxCard; ++Card)
                Deck.push_back(static_cast<std::uint8_t>(Card));
        // Fisher-Yates from the back.
        for (int I = static_cast<int>(Deck.size()) - 1; I > 0; --I)
            std::swap(Deck[static_cast<std::size_t>(I)], Deck[static_cast<std::size_t>(Random(I + 1))]);
        TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
        S = TSeat{};
        S.Pile.assign(Deck.begin(), Deck.begin() + (FTarget - SlotCount));
        for (int Slot = 0; Slot < SlotCount; ++Slot)
            S.Slots[static_cast<std::size_t>(Slot)] = Deck[static_cast<std::size_t>(FTarget - SlotCount + Slot)];
        FCentre[static_cast<std::size_t>(Seat)].push_back(Deck[static_cast<std::size_t>(FTarget)]);
    }
    FDealt = true;
    FRunning = false;
}

void TTwoSeatRace::Layout(int Decks, const std::array<std::vector<std::uint8_t>, SeatCount>& Piles,
                      const std::array<std::array<std::uint8_t, SlotCount>, SeatCount>& Hands,
                      const std::array<std::uint8_t, CentrePiles>& CentreTops)
{
    FDecks = std::clamp(Decks, 1, 2);
    FTarget = TargetCountFor(FDecks);
    for (int Seat = 0; Seat < SeatCount; ++Seat) {
        TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
        S = TSeat{};
        S.Pile = Piles[static_cast<std::size_t>(Seat)];
        S.Slots = Hands[static_cast<std::size_t>(Seat)];
        // The cards not laid out count as played already.
        S.Played = std::max(0, FTarget - CardsLeft(Seat));
    }
    for (int C = 0; C < CentrePiles; ++C)
        FCentre[static_cast<std::size_t>(C)] = {CentreTops[static_cast<std::size_t>(C)]};
    FDealt = true;
    FRunning = false;
}

std::vector<TRaceEvent> TTwoSeatRace::Start()
{
    std::vector<TRaceEvent> Events;
    if (!FDealt || FRunning)
        return Events;
    FRunning = true;
    Settle(Events);
    return Events;
}

bool TTwoSeatRace::CanPlay(int Seat) const
{
    return ValidSeat(Seat) && core::CanPlay(FSeats[static_cast<std::size_t>(Seat)].Slots, Tops());
}

TCentreTops TTwoSeatRace::Tops() const
{
    TCentreTops Tops{};
    for (int C = 0; C < CentrePiles; ++C) {
        const auto& Centre = FCentre[static_cast<std::size_t>(C)];
        Tops[static_cast<std::size_t>(C)] = Centre.empty() ? NoCard : Centre.back();
    }
    return Tops;
}

TTwoSeatRace::TRefusal TTwoSeatRace::Play(int Seat, int Slot, int Centre, int Card, std::vector<TRaceEvent>& Events)
{
    if (!FRunning)
        return TRefusal::NoDeal;
    if (!ValidSeat(Seat) || Slot < 0 || Slot >= SlotCount || Centre < 0 || Centre >= CentrePiles)
        return TRefusal::EmptySlot;
    TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
    std::uint8_t& InSlot = S.Slots[static_cast<std::size_t>(Slot)];
    if (InSlot == NoCard)
        return TRefusal::EmptySlot;
    if (InSlot != Card)
        return TRefusal::Changed;
    auto& Pile = FCentre[static_cast<std::size_t>(Centre)];
    if (!Fits(InSlot, Tops()[static_cast<std::size_t>(Centre)]))
        return TRefusal::NoFit;

    Pile.push_back(InSlot);
    Events.push_back({TRaceEvent::TKind::Played, static_cast<std::uint8_t>(Seat), static_cast<std::int8_t>(Slot),
                      static_cast<std::uint8_t>(Centre), InSlot});
    InSlot = NoCard;
    ++S.Played;
    Refill(Seat, Slot, Events);
    if (S.Played >= FTarget) {
        S.Won = true;
        FRunning = false;
        Events.push_back({TRaceEvent::TKind::Won, static_cast<std::uint8_t>(Seat), -1, 0, NoCard});
        return TRefusal::None;
    }
    Settle(Events);
    return TRefusal::None;
}

void TTwoSeatRace::Refill(int Seat, int Slot, std::vector<TRaceEvent>& Events)
{
    TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
    if (S.Pile.empty())
        return;
    const std::uint8_t Card = S.Pile.back();
    S.Pile.pop_back();
    S.Slots[static_cast<std::size_t>(Slot)] = Card;
    Events.push_back({TRaceEvent::TKind::Refilled, static_cast<std::uint8_t>(Seat), static_cast<std::int8_t>(Slot), 0, Card});
}

// Stalemate rounds while neither seat can play: each turns a card, so the
// rounds end, at the latest when a seat has played its target.
void TTwoSeatRace::Settle(std::vector<TRaceEvent>& Events)
{
    while (FRunning && !CanPlay(HostSeat) && !CanPlay(GuestSeat)
           && CardsLeft(HostSeat) + CardsLeft(GuestSeat) > 0) {
        Turn(HostSeat, Events);
        Turn(GuestSeat, Events);
        for (int Seat = 0; Seat < SeatCount; ++Seat) {
            TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
            if (S.Played >= FTarget) {
                S.Won = true;
                FRunning = false;
                Events.push_back({TRaceEvent::TKind::Won, static_cast<std::uint8_t>(Seat), -1, 0, NoCard});
            }
        }
    }
}

void TTwoSeatRace::Turn(int Seat, std::vector<TRaceEvent>& Events)
{
    TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
    const std::optional<int> From = StalemateCard(static_cast<int>(S.Pile.size()), S.Slots);
    if (!From)
        return;
    std::uint8_t Card = NoCard;
    if (*From == PileTop) {
        Card = S.Pile.back();
        S.Pile.pop_back();
    } else {
        std::swap(Card, S.Slots[static_cast<std::size_t>(*From)]);
    }
    FCentre[static_cast<std::size_t>(Seat)].push_back(Card);
    ++S.Played;
    Events.push_back({TRaceEvent::TKind::Turned, static_cast<std::uint8_t>(Seat), static_cast<std::int8_t>(*From),
                      static_cast<std::uint8_t>(Seat), Card});
}

TRaceSnapshot TTwoSeatRace::Snapshot() const
{
    TRaceSnapshot Snap;
    Snap.Decks = static_cast<std::uint8_t>(FDecks);
    Snap.Target = static_cast<std::uint8_t>(FTarget);
    for (int Seat = 0; Seat < SeatCount; ++Seat) {
        const TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
        Snap.Slots[static_cast<std::size_t>(Seat)] = S.Slots;
        Snap.PileCount[static_cast<std::size_t>(Seat)] = static_cast<std::uint8_t>(S.Pile.size());
        Snap.Played[static_cast<std::size_t>(Seat)] = static_cast<std::uint8_t>(S.Played);
        Snap.Won[static_cast<std::size_t>(Seat)] = S.Won;
    }
    for (int C = 0; C < CentrePiles; ++C) {
        const auto& Centre = FCentre[static_cast<std::size_t>(C)];
        Snap.CentreTop[static_cast<std::size_t>(C)] = Centre.empty() ? NoCard : Centre.back();
        Snap.CentreSize[static_cast<std::size_t>(C)] = static_cast<std::uint8_t>(Centre.size());
    }
    return Snap;
}

int TTwoSeatRace::CardsLeft(int Seat) const
{
    if (!ValidSeat(Seat))
        return 0;
    const TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
    return static_cast<int>(S.Pile.size())
        + static_cast<int>(std::count_if(S.Slots.begin(), S.Slots.end(), [](std::uint8_t C) { return C != NoCard; }));
}

} // namespace core
