#pragma once
// A race between two people, as the host's machine decides it: the true
// state of the table, with no widgets and no clock. The host deals both
// seats, takes every play in the order it arrives, refills, runs the
// stalemates and decides the end; each change comes out as an event, which
// the host shows on its own table and sends to the guest. The guest's table
// follows the events (ApplyEvent) and so always shows what the host holds.
//
// Every decision is the race's shared one (moves.h): what fits, whether a
// seat can play, what it turns in a stalemate. An emptied slot takes the top
// of its seat's pile; when neither seat can play, each turns a card onto its
// own centre pile, and each such card counts as played. A seat wins by
// playing its target.
#include "core/racesnapshot.h"

#include <array>
#include <functional>
#include <vector>

namespace core {

class TTwoSeatRace {
public:
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
    void Layout(int Decks, const std::array<std::vector<std::uint8_t>, SeatCount>& Piles,
                const std::array<std::array<std::uint8_t, SlotCount>, SeatCount>& Hands,
                const std::array<std::uint8_t, CentrePiles>& CentreTops);

    // Starts the race once both have pressed OK: a deal that opens with
    // neither seat able to play starts with its stalemate. Returns the events.
    std::vector<TRaceEvent> Start();

    // Seat plays its Slot card, which it saw as Card, onto Centre. The events
    // are the play, the refill, any stalemate it leads to and the win.
    TRefusal Play(int Seat, int Slot, int Centre, int Card, std::vector<TRaceEvent>& Events);

    bool Running() const { return FRunning; }
    bool CanPlay(int Seat) const;
    // What both players may see.
    TRaceSnapshot Snapshot() const;
    // Every card of a seat in one list (pile, hand, and what it put on the
    // centre piles is not counted here): for checks.
    int CardsLeft(int Seat) const;

private:
    struct TSeat {
        std::vector<std::uint8_t> Pile; // the top is the back
        std::array<std::uint8_t, SlotCount> Slots{};
        int Played = 0;
        bool Won = false;
    };
    void Refill(int Seat, int Slot, std::vector<TRaceEvent>& Events);
    void Settle(std::vector<TRaceEvent>& Events);
    void Turn(int Seat, std::vector<TRaceEvent>& Events);
    TCentreTops Tops() const;

    int FDecks = 1;
    int FTarget = 0;
    bool FDealt = false;
    bool FRunning = false;
    std::array<TSeat, SeatCount> FSeats;
    std::array<std::vector<std::uint8_t>, CentrePiles> FCentre;
};

} // namespace core
