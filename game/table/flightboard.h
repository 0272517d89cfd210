#pragma once
// The flights of one race in the air, at the table's one pace (TFlightPace):
// each flight what it means to its race (TMeaning: where its card lands,
// what the screen shows meanwhile) under the layer's id for it, oldest
// first. The board is all a race needs to launch, find, follow and cancel
// its flights; the race decides only what they mean.
//
// A flight that arrives goes to the race's Arrived handler, once, still on
// the board: the race takes it off (Take) and lands its card, or sends it
// on again from where it stands (Relaunch), keeping its age among the
// others. One the handler does neither with is off the board all the same.
//
// The layer outlives the race in the window, so its callbacks must not: a
// board destroyed with flights in the air cancels them all.
#include "cardlib/luflightlayer.h"
#include "game/table/flightpace.h"

#include <QImage>
#include <QPoint>
#include <QPointer>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

template <class TMeaning>
class TFlightBoard : public TFlightPace {
public:
    struct TInAir {
        int Id = 0;
        TMeaning Meaning;
    };
    using TArrived = std::function<void(int Id)>;

    TFlightBoard(const TGameState& State, const TCardComponents& Cards, TArrived Arrived)
        : TFlightPace(State, Cards)
        , FArrived(std::move(Arrived))
    {
    }
    ~TFlightBoard() { CancelAll(); }
    TFlightBoard(const TFlightBoard&) = delete;
    TFlightBoard& operator=(const TFlightBoard&) = delete;

    // Image flies from From to To (form coordinates) in Duration ms, once
    // Delay ms have passed; the flight's id is returned. The layer lands a
    // flight from its frame timer, never inside Launch.
    int Launch(TMeaning Meaning, const QImage& Image, QPoint From, QPoint To, int Duration, int Delay = 0)
    {
        TLuFlightLayer* L = Layer();
        FLayer = L;
        const int Id = L->Launch(Image, From, To, Duration, [this](int Landed) { Arrive(Landed); }, Delay);
        FFlights.push_back({Id, std::move(Meaning)});
        return Id;
    }
    // The flight Id flies again, under a new id that the board returns, in
    // the same place among the others. One that has just arrived keeps its
    // image at its end until the layer's callback returns.
    int Relaunch(int Id, const QImage& Image, QPoint From, QPoint To, int Duration)
    {
        TInAir* F = Find(Id);
        if (!F || !FLayer)
            return 0;
        if (FLayer->InAir(Id))
            FLayer->Cancel(Id);
        F->Id = FLayer->Launch(Image, From, To, Duration, [this](int Landed) { Arrive(Landed); });
        return F->Id;
    }

    bool Empty() const { return FFlights.empty(); }
    int Count() const { return static_cast<int>(FFlights.size()); }
    // Every flight in the air, oldest first.
    const std::vector<TInAir>& Flights() const { return FFlights; }
    TInAir* Find(int Id)
    {
        return FindIf([Id](const TInAir& F) { return F.Id == Id; });
    }
    template <class TWhich>
    TInAir* FindIf(TWhich Which)
    {
        const auto It = std::find_if(FFlights.begin(), FFlights.end(), Which);
        return It == FFlights.end() ? nullptr : &*It;
    }
    // Where the flight's image is drawn now; a null point when it is not
    // in the air.
    QPoint Position(int Id) const { return FLayer ? FLayer->Position(Id) : QPoint(); }

    // The flight that has arrived off the board, to land its card: its
    // image lies at its end until the layer's callback returns.
    std::optional<TMeaning> Take(int Id)
    {
        const auto It = std::find_if(FFlights.begin(), FFlights.end(), [Id](const TInAir& F) { return F.Id == Id; });
        if (It == FFlights.end())
            return std::nullopt;
        std::optional<TMeaning> Meaning(std::move(It->Meaning));
        FFlights.erase(It);
        return Meaning;
    }
    // The flight's image goes now and it never arrives.
    std::optional<TMeaning> Cancel(int Id)
    {
        if (FLayer && Find(Id))
            FLayer->Cancel(Id);
        return Take(Id);
    }
    // Every flight gone at once, none arrives; what they meant, oldest first.
    std::vector<TMeaning> CancelAll()
    {
        std::vector<TInAir> Flights = std::move(FFlights);
        FFlights.clear();
        std::vector<TMeaning> Meanings;
        Meanings.reserve(Flights.size());
        for (TInAir& F : Flights) {
            if (FLayer)
                FLayer->Cancel(F.Id);
            Meanings.push_back(std::move(F.Meaning));
        }
        return Meanings;
    }

private:
    void Arrive(int Id)
    {
        if (!Find(Id))
            return;
        if (FArrived)
            FArrived(Id);
        Take(Id);
    }

    TArrived FArrived;
    std::vector<TInAir> FFlights; // oldest first
    // The layer of the flights launched: the form may be gone before the board.
    QPointer<TLuFlightLayer> FLayer;
};
