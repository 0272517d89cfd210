#pragma once
// A race of two seats as both players may see it, and its changes. Seats are
// absolute: 0 the host, 1 the guest; slots 0..3 from the seat's left; centre
// pile 0 is the host's left. The face-down piles are counts, never cards:
// which card lies there is the host's alone to know.
#include "core/moves.h"

#include <array>
#include <cstdint>

namespace core {

constexpr int SeatCount = 2;
constexpr int HostSeat = 0;
constexpr int GuestSeat = 1;

// What both players see of a race: everything but the order of the piles.
struct TRaceSnapshot {
    std::uint8_t Decks = 1;  // 1 or 2
    std::uint8_t Target = 0; // cards a seat must play to win
    std::array<std::array<std::uint8_t, SlotCount>, SeatCount> Slots{};
    std::array<std::uint8_t, SeatCount> PileCount{};
    std::array<std::uint8_t, CentrePiles> CentreTop{};
    std::array<std::uint8_t, CentrePiles> CentreSize{}; // cards on each centre pile
    std::array<std::uint8_t, SeatCount> Played{};
    std::array<bool, SeatCount> Won{};

    friend bool operator==(const TRaceSnapshot&, const TRaceSnapshot&) = default;
};

// One change of the race, as the host decides it.
struct TRaceEvent {
    enum class TKind : std::uint8_t {
        Played = 1,   // Seat's Slot card onto Centre
        Refilled = 2, // Seat's pile top into its empty Slot
        Turned = 3,   // a stalemate: Seat's pile top (Slot -1) or Slot card onto Centre
        Won = 4,      // Seat has played its target
    };
    TKind Kind = TKind::Played;
    std::uint8_t Seat = 0;
    std::int8_t Slot = -1;
    std::uint8_t Centre = 0;
    std::uint8_t Card = NoCard;

    friend bool operator==(const TRaceEvent&, const TRaceEvent&) = default;
};

// The guest's table: a snapshot brought up to date with the host's events,
// in their order. An event that does not fit the snapshot (which a host of
// ours never sends) leaves it as it was and returns false.
bool ApplyEvent(TRaceSnapshot& Snapshot, const TRaceEvent& Event);

// How a deal stands, read off the table alone, so that both sides reach the
// same verdict whatever order their events came in. A seat has won once its
// win was announced; a stalemate round that brought both seats to their
// target at once is a tie, even while the second win is still on its way:
// the seats' order must never decide a race.
enum class TRaceOutcome { Undecided, HostWon, GuestWon, Tied };
TRaceOutcome RaceOutcome(const TRaceSnapshot& Snapshot);

// The hand of Seat and the centre piles' tops, as the moves take them.
inline const THand& HandOf(const TRaceSnapshot& Snapshot, int Seat)
{
    return Snapshot.Slots[static_cast<std::size_t>(Seat & 1)];
}

} // namespace core
