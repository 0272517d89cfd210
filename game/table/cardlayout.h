#pragma once
// The card components on the game table: where each lies and how it is set
// up, and the deck-size preparation that switches the piles and the virtual
// deck between a single and a double deck.
#include "cardlib/lucardgroup.h"
#include "game/table/cardcomponents.h"

#include <functional>

class QWidget;

// Card places of a pile for a single deck, and what a second deck adds.
constexpr int SingleDeckPilePlaces = 21;
constexpr int SecondDeckPilePlaces = 26;

// Creates the card components on Parent in the order of the layout (so they
// lie in front of what Parent already holds), sets them up while they are
// loading, then completes the load of all of them. UserClick becomes the
// OnCardClick of the user's four hand slots; DealClick runs on a deck click.
void CreateCardComponents(TCardComponents& C, QWidget* Parent, const TLuCardGroupCardClickEvent& UserClick,
                          const std::function<void()>& DealClick);

// Makes the piles and the virtual deck fit Decks (1 or 2). A second deck
// appends 26 places to each pile the first time and later only releases
// them again; going back to one deck reserves them, so dealing skips them.
// Without the start-up splash window it warns first that this takes a while.
void PrepareDeckSize(TCardComponents& C, int Decks);

// Has each centre pile prepare the shared virtual deck, so the visual deck
// shows a full deck before the first deal.
void PrepareFirstDeal(TCardComponents& C);
