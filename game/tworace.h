#pragma once
// A race between two people, as the host's machine decides it: the true
// state of the table, with no widgets and no clock. The host deals both
// seats, takes every play in the order it arrives, refills, runs the
// stalemates and decides the end; each change comes out as an event, which
// the host shows on its own table and sends to the guest. The guest's table
// follows the events (ApplyEvent) and so always shows what the host holds.
//
// The rules are the race's: a card goes onto a centre pile one rank above or
// below its top (the ace between the king and the two); an emptied slot takes
// the top of its seat's pile; when neither seat can play, each turns its
// pile's top (or, with none left, a hand card) onto its own centre pile, and
// each such card counts as played. A seat wins by playing its target.
#include "network/racemessages.h"

#include <array>
#include <functional>
#include <vector>

class TTwoRace {
public:
    static constexpr int HostSeat = 0;
    static constexpr int GuestSeat = 1;

    enum class TRefusal {
        None,      // played
        NoDeal,    // nothing dealt yet, or the deal has ended
        EmptySlot, // the slot holds no card
        Changed,   // the slot holds another card than the player saw
        NoFit,     // the card is not one rank from the pile's top
    };

    // Deals each seat from a shuffled deck of its own of Decks x 52 cards
    // (both seats may hold the same card): target - 4 cards face down, four
    // face up in the hand, one face up onto the seat's own centre pile.
    // Random(n) gives 0..n-1; the deal is the same for the same numbers.
    void Deal(int Decks, const std::function<int(int)>& Random);

    // A table laid out card by card instead of dealt (for tests and for
    // replaying a race): each seat's pile (top last) and hand, and the tops
    // of the centre piles. The target follows Decks.
    void Layout(int Decks, const std::array<std::vector<std::uint8_t>, network::SeatCount>& Piles,
                const std::array<std::array<std::uint8_t, network::SlotCount>, network::SeatCount>& Hands,
                const std::array<std::uint8_t, network::CentrePiles>& CentreTops);

    // Starts the race once both have pressed OK: a deal that opens with
    // neither seat able to play starts with its stalemate. Returns the events.
    std::vector<network::TRaceEvent> Start();

    // Seat plays its Slot card, which it saw as Card, onto Centre. The events
    // are the play, the refill, any stalemate it leads to and the win.
    TRefusal Play(int Seat, int Slot, int Centre, int Card, std::vector<network::TRaceEvent>& Events);

    bool Running() const { return FRunning; }
    bool CanPlay(int Seat) const;
    // What both players may see.
    network::TRaceSnapshot Snapshot() const;
    // Every card of a seat in one list (pile, hand, and what it put on the
    // centre piles is not counted here): for checks.
    int CardsLeft(int Seat) const;

private:
    struct TSeat {
        std::vector<std::uint8_t> Pile; // the top is the back
        std::array<std::uint8_t, network::SlotCount> Slots{};
        int Played = 0;
        bool Won = false;
    };
    void Refill(int Seat, int Slot, std::vector<network::TRaceEvent>& Events);
    void Settle(std::vector<network::TRaceEvent>& Events);
    void Turn(int Seat, std::vector<network::TRaceEvent>& Events);

    int FDecks = 1;
    int FTarget = 0;
    bool FDealt = false;
    bool FRunning = false;
    std::array<TSeat, network::SeatCount> FSeats;
    std::array<std::vector<std::uint8_t>, network::CentrePiles> FCentre;
};

// How a deal stands, read off the table alone, so that both sides reach the
// same verdict whatever order their events came in. A seat has won once its
// win was announced; a stalemate round that brought both seats to their
// target at once is a tie, even while the second win is still on its way:
// the seats' order must never decide a race.
enum class TRaceOutcome { Undecided, HostWon, GuestWon, Tied };
TRaceOutcome RaceOutcome(const network::TRaceSnapshot& Snapshot);

// The guest's table: a snapshot brought up to date with the host's events,
// in their order. An event that does not fit the snapshot (which a host of
// ours never sends) leaves it as it was and returns false.
bool ApplyEvent(network::TRaceSnapshot& Snapshot, const network::TRaceEvent& Event);
