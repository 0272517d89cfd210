#include "core/racesnapshot.h"

namespace core {

bool ApplyEvent(TRaceSnapshot& Snap, const TRaceEvent& Event)
{
    if (Event.Seat >= core::SeatCount || Event.Centre >= core::CentrePiles || Event.Slot >= core::SlotCount)
        return false;
    // Every change but a win moves a real card. The wire carries no other,
    // but a table must not rest on what carried the event: a play of no
    // card would blank a centre pile and a refill of none lose a pile card.
    if (Event.Kind != TRaceEvent::TKind::Won && (Event.Card < core::MinCard || Event.Card > core::MaxCard))
        return false;
    auto& Slots = Snap.Slots[Event.Seat];
    switch (Event.Kind) {
    case TRaceEvent::TKind::Played: {
        if (Event.Slot < 0 || Slots[static_cast<std::size_t>(Event.Slot)] != Event.Card)
            return false;
        Slots[static_cast<std::size_t>(Event.Slot)] = core::NoCard;
        Snap.CentreTop[Event.Centre] = Event.Card;
        ++Snap.CentreSize[Event.Centre];
        ++Snap.Played[Event.Seat];
        return true;
    }
    case TRaceEvent::TKind::Refilled:
        if (Event.Slot < 0 || Slots[static_cast<std::size_t>(Event.Slot)] != core::NoCard
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
            Slots[static_cast<std::size_t>(Event.Slot)] = core::NoCard;
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

TRaceOutcome RaceOutcome(const core::TRaceSnapshot& Snapshot)
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

} // namespace core
