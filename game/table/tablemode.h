#pragma once
// What a kind of race does with the player's hand on the window's table:
// the race against the computer (TSoloGame) and the race against another
// player over the network (TNetRaceWindow) each take the keys, the clicks on
// a hand slot, the Deal menu and the close query their own way, so the
// window's handlers pass them on without asking which race is on.
#include <QChar>

class TLuCardGroup;

class TTableMode {
public:
    // A character typed in the window ("1".."4" play a hand slot).
    virtual void Key(QChar Key) = 0;
    // A click on one of the player's hand slots.
    virtual void Click(TLuCardGroup* Slot) = 0;
    // The Deal menu or a click on the deck.
    virtual void Deal() = 0;
    // The window is about to close at the player's request: false keeps it
    // open. Whatever the player leaves is given up and counted first.
    virtual bool CloseQuery() = 0;

protected:
    ~TTableMode() = default;
};
