#pragma once
// The game's side of its small windows: the Hall of Fame offer of the current
// score, the Hall of Fame window and the options dialog, each with the
// computer stopped while it is open; and the names the game gives a player
// who has not typed one.
#include <QString>

class TGameHost;
class TNetRaceRecords;
struct TCardComponents;
struct TGameState;

namespace gamedialogs {

// Offers Score to the table of the current deck size, scoring and level.
// The name given is remembered for the rest of the run (UnaskedName).
void EnterHallOfFame(TGameState& State);
// The name of an entry made when nobody can be asked (the program ending on
// a request from outside): the last name given in this run, or the login
// name when none was.
QString UnaskedName(const TGameState& State);
// The scores window: the Hall of Fame and statistics of the game against
// the computer, and those of the races against other players.
void ShowHallOfFame(TGameState& State, TNetRaceRecords& Races, TGameHost& Host);
// True when a saved change needs a new deal.
bool ShowOptions(TGameState& State, TCardComponents& Cards, TGameHost& Host);

} // namespace gamedialogs

// The login name, cleaned and cut as every name is, for a player who gives
// none; "Player" when the system tells none.
QString DefaultPlayerName();
