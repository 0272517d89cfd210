#pragma once
// How cards fly over the table, in either kind of race: how long each kind
// of move takes, whether cards fly at all just now, and the layer they are
// drawn on. The game against the computer and the race over the network
// fly at this one pace; each keeps its flights in a TFlightBoard, which is
// this and the flights in the air.
//
// Flight times: a play takes 130 ms and a refill 80 ms. At the computer's
// fastest pace (250 ms) a played slot is full again before its next tick,
// even with a frame's delay at each landing (130 + 80 + 2 x 16 < 250), so the
// flights never slow the race; and 130 ms is eight frames, enough for the
// eye to follow a card across the table.
class QWidget;
class TLuFlightLayer;
struct TCardComponents;
struct TGameState;

class TFlightPace {
public:
    static constexpr int PlayMs = 130;
    static constexpr int RefillMs = 80;
    static constexpr int TurnMs = 130;
    // The deal: each card 120 ms, one leaving the deck every 25 ms.
    static constexpr int DealMs = 120;
    static constexpr int DealGapMs = 25;
    // A card the host refused flies home as fast as it left.
    static constexpr int BackMs = 130;
    // A card out on a request that has arrived beside its pile waits there
    // in steps this long for the host's answer.
    static constexpr int WaitMs = 100;
    // How high a flying card seems above the table.
    static constexpr int ShadowOffset = 3;

    TFlightPace(const TGameState& State, const TCardComponents& Cards);

    // The form the table lies on (null before the cards are made).
    QWidget* Form() const;
    // True when a move flies now: the "Animate cards" switch is on and no
    // box is open over the table.
    bool Animated() const;
    // The layer the flights are drawn on (made with the first call); null
    // without a form.
    TLuFlightLayer* Layer() const;

private:
    const TGameState& State;
    const TCardComponents& Cards;
};
