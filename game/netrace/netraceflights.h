#pragma once
// The cards of a race between two machines flying over the table, when the
// "Animate cards" switch is on. The host's table is the truth and is never
// held back: each change the host sends is in the session's table at once,
// and a flight only changes what the screen shows until the card arrives
// (netracetable::PresentedTable). So the flights never slow the race and
// never decide anything; the host's arrival order alone does.
//
// The player's own card leaves its slot when the key is pressed, before the
// host has answered: on the host's "yes" it flies on and lands, on a refusal
// (the pile changed first) it flies back to its slot. A card whose answer is
// slower than its flight (a slow link) waits beside the pile for it.
//
// The flights fly at the table's pace, on its board (TFlightBoard), and as
// in the game against the computer a change that comes while a box is open
// over the table does not fly (it would hold still under the box): the
// screen shows it at once. The player's own card out on a request is
// answered all the same: on the host's yes or refusal it goes from the air.
#include "game/netrace/netracetable.h"
#include "game/table/flightboard.h"

#include <QImage>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <vector>

struct TCardComponents;
struct TGameState;

class TNetRaceFlights {
public:
    // Landed runs after each card has arrived (the window lays the table
    // out again as Presented shows it).
    TNetRaceFlights(TGameState& State, TCardComponents& Cards, std::function<void()> Landed);
    TNetRaceFlights(const TNetRaceFlights&) = delete;
    TNetRaceFlights& operator=(const TNetRaceFlights&) = delete;

    // A change the host decided, with the table before it (the cards still
    // lie where the change takes them from).
    void Event(const core::TRaceEvent& Event, const core::TRaceSnapshot& Before, int OwnSeat);
    // The player's Slot card, sent to the host for Centre: it takes off now.
    void Request(int Slot, int Centre, int OwnSeat);
    // The host refused the request of Slot: its card flies back.
    void Refused(int Slot, int OwnSeat);

    // The player's own slot is empty on the screen while a card flies out
    // of it or into it: its key plays nothing until the card is still.
    bool Busy(int Slot, int OwnSeat) const;
    // What the screen shows of the host's Table now.
    core::TRaceSnapshot Presented(const core::TRaceSnapshot& Table) const;
    int Count() const { return FBoard.Count(); }
    // Every flight gone at once, nothing landed: a new deal, the race's end.
    void Clear();

private:
    // What the screen shows of a card in the air, and what it looks like
    // where it goes.
    struct TFlight {
        netracetable::TCardInFlight Shown;
        QImage Image;
        QPoint End;
        bool Waiting = false; // out on a request, arrived, waiting for the answer
    };
    using TBoard = TFlightBoard<TFlight>;

    void Launch(TFlight Flight, QPoint Start, int Duration);
    void Landed(int Id);
    TBoard::TInAir* Find(int Seat, int Slot, netracetable::TCardInFlight::TInto Into);
    // The player's own card out on a request, when the host played that
    // slot: true when it flies on (or lands) as the play's own flight.
    bool Answered(const core::TRaceEvent& Event, std::uint8_t Under);
    QPoint SlotPlace(int Side, int Slot) const;
    QPoint PilePlace(int Side, int Count) const;
    QPoint CentrePlace(int OwnSeat, int Centre) const;

    TCardComponents& Cards;
    std::function<void()> FLanded;
    TBoard FBoard;
};
