#pragma once
// The game's side of its small windows: the Hall of Fame offer of the current
// score, the Hall of Fame window and the options dialog, each with the
// computer's timer stopped while it is open.
class TMainForm;

namespace gamedialogs {

// Offers Score to the table of the current deck size, scoring and level.
void EnterHallOfFame(TMainForm& F);
void ShowHallOfFame(TMainForm& F);
// True when a saved change needs a new deal.
bool ShowOptions(TMainForm& F);

} // namespace gamedialogs
