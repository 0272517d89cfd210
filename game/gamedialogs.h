#pragma once
// The game's side of its small windows: the Hall of Fame offer of the current
// score, the Hall of Fame window and the options dialog, each with the
// computer stopped while it is open.
class TGameHost;
struct TCardComponents;
struct TGameState;

namespace gamedialogs {

// Offers Score to the table of the current deck size, scoring and level.
void EnterHallOfFame(TGameState& State);
void ShowHallOfFame(TGameState& State, TGameHost& Host);
// True when a saved change needs a new deal.
bool ShowOptions(TGameState& State, TCardComponents& Cards, TGameHost& Host);

} // namespace gamedialogs
