#pragma once
// The program's own string table.
#include <QString>

namespace platform {

// The ids of the texts, where the program asks for them.
namespace strings {
constexpr int StartBox = 65136; // "Click Ok when Ready to Start!"
constexpr int SecondDeckWarning = 65137; // "Creating a Second Deck, Please be Patient"
constexpr int RestartQuestion = 65138; // "Changes require starting a new game, continue?"
constexpr int QuitAndExit = 65139; // "Quit game and exit?"
constexpr int QuitAndRedeal = 65140; // "Quit game and re-deal?"
constexpr int PlayAgain = 65141; // "%s Won, Do you want to play again?"
constexpr int VersionText = 65154; // "Version 1.1"
constexpr int DeckScoringTitle = 65157; // the four tables' titles, deck 1..2 by scoring 1..2
constexpr int LevelSuffix = 65161; // the five levels' suffixes, "Unbeatable" first
constexpr int HallOfFameHeading = 65166; // "Rank  Score     Name"
constexpr int EnterName = 65167; // "Please enter your name"
} // namespace strings

// The string with this id in the user's language, or an empty string for an
// id that has none.
QString LoadStr(int id);
// The string with this id as written, in every language: for text that is
// data (the section names of the settings file), not interface.
QString LoadUntranslatedStr(int id);

} // namespace platform
