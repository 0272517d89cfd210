#pragma once
// How the game's cards reach their places: at once, or flying over the table
// when the "Animate cards" switch is on. Every move of the race comes here in
// two halves: the take-off (the card leaves its place now) and the landing
// (it arrives, the cards learn of it, and the race's continuation runs).
// Without animation the landing follows the take-off at once, so the moves
// are exactly those of a game without flights; with it, keys, clicks and the
// computer's ticks go on between the two.
//
// A card on its way to a centre pile holds that pile's busy flag from its
// take-off to its landing. A card in the air is in one place only: the flight
// (its old place shows empty, its new one does not show it yet).
//
// The flights fly at the table's pace, on its board (TFlightBoard); what is
// here is what they mean on the card components.
#include "game/table/flightboard.h"

#include <functional>
#include <vector>

class TLuCardGroup;
class TLuCardTable;
class TLuCustomCardControl;
struct TCardComponents;
struct TGameState;

class TCardFlights {
public:
    using TLanded = std::function<void()>;

    TCardFlights(TGameState& State, TCardComponents& Cards);
    TCardFlights(const TCardFlights&) = delete;
    TCardFlights& operator=(const TCardFlights&) = delete;

    // The card at Index of From goes face up onto the top place of Onto (a
    // play, or a card turned in a stalemate); Landed runs once it lies there.
    void PlayOnto(TLuCardGroup* From, int Index, TLuCardTable* Onto, int Duration, TLanded Landed);
    // The side's pile hands its card at Top face up to Slot, through the
    // side's way station.
    void Refill(int Side, int Top, TLuCardGroup* Slot, TLanded Landed);
    // DealCards deals the cards; with animation their places show empty
    // until each arrives from the deck. Dealt runs when the last has landed.
    void Deal(const std::function<void()>& DealCards, TLanded Dealt);

    bool InAir() const { return !FBoard.Empty(); }
    int Count() const { return FBoard.Count(); }
    // A card in the air: where it left and where it goes (From is null for
    // a card dealt from the deck).
    struct TCardInAir {
        int ID;
        const TLuCustomCardControl* From;
        const TLuCustomCardControl* Into;
    };
    // Every card in the air (a pile's share of the deal counts each card).
    std::vector<TCardInAir> CardsInAir() const;
    // True while a card is on its way into Control (a hand slot being
    // refilled, a centre pile being played on).
    bool Bound(const TLuCustomCardControl* Control) const;
    // True while cards of a deal are on their way from the deck.
    bool Dealing() const;
    // True while a card that left Control is in the air.
    bool Leaving(const TLuCustomCardControl* Control) const;
    // Then runs once nothing is in the air (at once when nothing is); a
    // later call replaces an earlier one still waiting.
    void WhenSettled(TLanded Then);
    // Every card in the air lies at its place now, and no continuation runs:
    // for a new deal or the window's close.
    void Settle();
    // Every card in the air lies at its place now, before a box opens over
    // the table: under a box the flights hold still, and a card would hang
    // half-landed under the question. What the landings would start (a
    // point, a refill, the next stalemate round, the end of the deal) waits
    // for RunHeld once the box has closed, unless Settle drops it first for
    // a new deal or the close.
    void LandForBox();
    void RunHeld();

    // The layer the flights are drawn on (made with the first flight).
    TLuFlightLayer* Layer() { return FBoard.Layer(); }

private:
    // What a flight carries and where.
    struct TFlight {
        std::vector<int> IDs;
        const TLuCustomCardControl* From = nullptr; // null: the deck
        const TLuCustomCardControl* Into = nullptr;
        // The centre pile's flag held until the card lands there.
        bool* Busy = nullptr;
        // Tells the cards of the arrival.
        std::function<void()> Arrive;
        TLanded Landed;
    };

    void Landed(int Id);
    // The cards learn of the arrival; a centre pile's busy flag is freed
    // however that ends.
    void Place(TFlight& Flight);
    // Runs what WhenSettled waits for if nothing is in the air any more.
    void RunSettled();

    TGameState& State;
    TCardComponents& Cards;
    TFlightBoard<TFlight> FBoard;
    TLanded FSettled;
    std::vector<TLanded> FHeld;
};
