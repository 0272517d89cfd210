#include "game/table/flightpace.h"

#include "cardlib/lucardtable.h"
#include "cardlib/luflightlayer.h"
#include "game/table/cardcomponents.h"
#include "game/table/gamestate.h"

#include <QApplication>
#include <QWidget>

TFlightPace::TFlightPace(const TGameState& State, const TCardComponents& Cards)
    : State(State)
    , Cards(Cards)
{
}

QWidget* TFlightPace::Form() const
{
    return Cards.CardTable1 ? Cards.CardTable1->parentWidget() : nullptr;
}

bool TFlightPace::Animated() const
{
    // A card that moves while a box is open over the table jumps: its
    // flight would hold still under the box until the answer.
    QWidget* F = Form();
    if (!State.AnimateCards || !F)
        return false;
    const QWidget* Modal = QApplication::activeModalWidget();
    return !Modal || Modal == F->window();
}

TLuFlightLayer* TFlightPace::Layer() const
{
    QWidget* F = Form();
    if (!F)
        return nullptr;
    TLuFlightLayer* L = TLuFlightLayer::Of(F);
    L->SetShadowOffset(ShadowOffset);
    return L;
}
