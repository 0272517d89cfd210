#include "game/tworace.h"

#include "cardlib/lutypes.h"
#include "game/gamerules.h"

#include <algorithm>

using network::TRaceEvent;
using network::TRaceSnapshot;

namespace {

bool Fits(std::uint8_t Card, std::uint8_t Top)
{
    return Card != network::NoCard && Top != network::NoCard && gamerules::IsAdjacent(IDToValue(Card), IDToValue(Top));
}

bool ValidSeat(int Seat)
{
    return Seat >= 0 && Seat < network::SeatCount;
}

} // namespace

void TTwoRace::Deal(int Decks, const std::function<int(int)>& Random)
{
    FDecks = std::clamp(Decks, 1, 2);
    FTarget = gamerules::TargetCountFor(FDecks);
    for (auto& Centre : FCentre)
        Centre.clear();
    for (int Seat = 0; Seat < network::SeatCount; ++Seat) {
        std::vector<std::uint8_t> Deck;
        for (int D = 0; D < FDecks; ++D)
            for (int Card = network::MinCard; Card <= network::MaxCard; ++Card)
                Deck.push_back(static_cast<std::uint8_t>(Card));
        // Fisher-Yates from the back.
        for (int I = static_cast<int>(Deck.size()) - 1; I > 0; --I)
            std::swap(Deck[static_cast<std::size_t>(I)], Deck[static_cast<std::size_t>(Random(I + 1))]);
        TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
        S = TSeat{};
        S.Pile.assign(Deck.begin(), Deck.begin() + (FTarget - network::SlotCount));
        for (int Slot = 0; Slot < network::SlotCount; ++Slot)
            S.Slots[static_cast<std::size_t>(Slot)] = Deck[static_cast<std::size_t>(FTarget - network::SlotCount + Slot)];
        FCentre[static_cast<std::size_t>(Seat)].push_back(Deck[static_cast<std::size_t>(FTarget)]);
    }
    FDealt = true;
    FRunning = false;
}

void TTwoRace::Layout(int Decks, const std::array<std::vector<std::uint8_t>, network::SeatCount>& Piles,
                      const std::array<std::array<std::uint8_t, network::SlotCount>, network::SeatCount>& Hands,
                      const std::array<std::uint8_t, network::CentrePiles>& CentreTops)
{
    FDecks = std::clamp(Decks, 1, 2);
    FTarget = gamerules::TargetCountFor(FDecks);
    for (int Seat = 0; Seat < network::SeatCount; ++Seat) {
        TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
        S = TSeat{};
        S.Pile = Piles[static_cast<std::size_t>(Seat)];
        S.Slots = Hands[static_cast<std::size_t>(Seat)];
        // The cards not laid out count as played already.
        S.Played = std::max(0, FTarget - CardsLeft(Seat));
    }
    for (int C = 0; C < network::CentrePiles; ++C)
        FCentre[static_cast<std::size_t>(C)] = {CentreTops[static_cast<std::size_t>(C)]};
    FDealt = true;
    FRunning = false;
}

std::vector<TRaceEvent> TTwoRace::Start()
{
    std::vector<TRaceEvent> Events;
    if (!FDealt || FRunning)
        return Events;
    FRunning = true;
    Settle(Events);
    return Events;
}

bool TTwoRace::CanPlay(int Seat) const
{
    if (!ValidSeat(Seat))
        return false;
    for (const std::uint8_t Card : FSeats[static_cast<std::size_t>(Seat)].Slots)
        for (const auto& Centre : FCentre)
            if (!Centre.empty() && Fits(Card, Centre.back()))
                return true;
    return false;
}

TTwoRace::TRefusal TTwoRace::Play(int Seat, int Slot, int Centre, int Card, std::vector<TRaceEvent>& Events)
{
    if (!FRunning)
        return TRefusal::NoDeal;
    if (!ValidSeat(Seat) || Slot < 0 || Slot >= network::SlotCount || Centre < 0 || Centre >= network::CentrePiles)
        return TRefusal::EmptySlot;
    TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
    std::uint8_t& InSlot = S.Slots[static_cast<std::size_t>(Slot)];
    if (InSlot == network::NoCard)
        return TRefusal::EmptySlot;
    if (InSlot != Card)
        return TRefusal::Changed;
    auto& Pile = FCentre[static_cast<std::size_t>(Centre)];
    if (Pile.empty() || !Fits(InSlot, Pile.back()))
        return TRefusal::NoFit;

    Pile.push_back(InSlot);
    Events.push_back({TRaceEvent::TKind::Played, static_cast<std::uint8_t>(Seat), static_cast<std::int8_t>(Slot),
                      static_cast<std::uint8_t>(Centre), InSlot});
    InSlot = network::NoCard;
    ++S.Played;
    Refill(Seat, Slot, Events);
    if (S.Played >= FTarget) {
        S.Won = true;
        FRunning = false;
        Events.push_back({TRaceEvent::TKind::Won, static_cast<std::uint8_t>(Seat), -1, 0, network::NoCard});
        return TRefusal::None;
    }
    Settle(Events);
    return TRefusal::None;
}

void TTwoRace::Refill(int Seat, int Slot, std::vector<TRaceEvent>& Events)
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
void TTwoRace::Settle(std::vector<TRaceEvent>& Events)
{
    while (FRunning && !CanPlay(HostSeat) && !CanPlay(GuestSeat)
           && CardsLeft(HostSeat) + CardsLeft(GuestSeat) > 0) {
        Turn(HostSeat, Events);
        Turn(GuestSeat, Events);
        for (int Seat = 0; Seat < network::SeatCount; ++Seat) {
            TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
            if (S.Played >= FTarget) {
                S.Won = true;
                FRunning = false;
                Events.push_back({TRaceEvent::TKind::Won, static_cast<std::uint8_t>(Seat), -1, 0, network::NoCard});
            }
        }
    }
}

void TTwoRace::Turn(int Seat, std::vector<TRaceEvent>& Events)
{
    TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
    auto& Centre = FCentre[static_cast<std::size_t>(Seat)];
    std::int8_t From = -1;
    std::uint8_t Card = network::NoCard;
    if (!S.Pile.empty()) {
        Card = S.Pile.back();
        S.Pile.pop_back();
    } else {
        for (int Slot = 0; Slot < network::SlotCount && Card == network::NoCard; ++Slot) {
            std::uint8_t& InSlot = S.Slots[static_cast<std::size_t>(Slot)];
            if (InSlot != network::NoCard) {
                Card = InSlot;
                InSlot = network::NoCard;
                From = static_cast<std::int8_t>(Slot);
            }
        }
    }
    if (Card == network::NoCard)
        return;
    Centre.push_back(Card);
    ++S.Played;
    Events.push_back({TRaceEvent::TKind::Turned, static_cast<std::uint8_t>(Seat), From, static_cast<std::uint8_t>(Seat), Card});
}

TRaceSnapshot TTwoRace::Snapshot() const
{
    TRaceSnapshot Snap;
    Snap.Decks = static_cast<std::uint8_t>(FDecks);
    Snap.Target = static_cast<std::uint8_t>(FTarget);
    for (int Seat = 0; Seat < network::SeatCount; ++Seat) {
        const TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
        Snap.Slots[static_cast<std::size_t>(Seat)] = S.Slots;
        Snap.PileCount[static_cast<std::size_t>(Seat)] = static_cast<std::uint8_t>(S.Pile.size());
        Snap.Played[static_cast<std::size_t>(Seat)] = static_cast<std::uint8_t>(S.Played);
        Snap.Won[static_cast<std::size_t>(Seat)] = S.Won;
    }
    for (int C = 0; C < network::CentrePiles; ++C) {
        const auto& Centre = FCentre[static_cast<std::size_t>(C)];
        Snap.CentreTop[static_cast<std::size_t>(C)] = Centre.empty() ? network::NoCard : Centre.back();
        Snap.CentreSize[static_cast<std::size_t>(C)] = static_cast<std::uint8_t>(Centre.size());
    }
    return Snap;
}

int TTwoRace::CardsLeft(int Seat) const
{
    if (!ValidSeat(Seat))
        return 0;
    const TSeat& S = FSeats[static_cast<std::size_t>(Seat)];
    return static_cast<int>(S.Pile.size())
        + static_cast<int>(std::count_if(S.Slots.begin(), S.Slots.end(), [](std::uint8_t C) { return C != network::NoCard; }));
}

bool ApplyEvent(TRaceSnapshot& Snap, const TRaceEvent& Event)
{
    if (Event.Seat >= network::SeatCount || Event.Centre >= network::CentrePiles || Event.Slot >= network::SlotCount)
        return false;
    // Every change but a win moves a real card. The wire carries no other,
    // but a table must not rest on what carried the event: a play of no
    // card would blank a centre pile and a refill of none lose a pile card.
    if (Event.Kind != TRaceEvent::TKind::Won && (Event.Card < network::MinCard || Event.Card > network::MaxCard))
        return false;
    auto& Slots = Snap.Slots[Event.Seat];
    switch (Event.Kind) {
    case TRaceEvent::TKind::Played: {
        if (Event.Slot < 0 || Slots[static_cast<std::size_t>(Event.Slot)] != Event.Card)
            return false;
        Slots[static_cast<std::size_t>(Event.Slot)] = network::NoCard;
        Snap.CentreTop[Event.Centre] = Event.Card;
        ++Snap.CentreSize[Event.Centre];
        ++Snap.Played[Event.Seat];
        return true;
    }
    case TRaceEvent::TKind::Refilled:
        if (Event.Slot < 0 || Slots[static_cast<std::size_t>(Event.Slot)] != network::NoCard
            || Snap.PileCount[Event.Seat] == 0)
            return false;
        Slots[static_cast<std::size_t>(Event.Slot)] = Event.Card;
        --Snap.PileCount[Event.Seat];
        return true;
    case TRaceEvent::TKind::Turned:
        if (Event.Slot < 0) {
            if (Snap.PileCount[Event.Seat] == 0)
                return false;
            --Snap.PileCount[Event.Seat];
        } else {
            if (Slots[static_cast<std::size_t>(Event.Slot)] != Event.Card)
                return false;
            Slots[static_cast<std::size_t>(Event.Slot)] = network::NoCard;
        }
        Snap.CentreTop[Event.Centre] = Event.Card;
        ++Snap.CentreSize[Event.Centre];
        ++Snap.Played[Event.Seat];
        return true;
    case TRaceEvent::TKind::Won:
        // Only a seat that has played its target can have won.
        if (Snap.Played[Event.Seat] < Snap.Target || Snap.Won[Event.Seat])
            return false;
        Snap.Won[Event.Seat] = true;
        return true;
    }
    return false;
}

TRaceOutcome RaceOutcome(const network::TRaceSnapshot& Snapshot)
{
    if (!Snapshot.Won[0] && !Snapshot.Won[1])
        return TRaceOutcome::Undecided;
    const auto Reached = [&Snapshot](std::size_t Seat) {
        return Snapshot.Won[Seat] || (Snapshot.Target > 0 && Snapshot.Played[Seat] >= Snapshot.Target);
    };
    if (Reached(0) && Reached(1))
        return TRaceOutcome::Tied;
    return Snapshot.Won[0] ? TRaceOutcome::HostWon : TRaceOutcome::GuestWon;
}
