#include "platform/stringtable.h"

namespace platform {

namespace {

struct Entry
{
    int id;
    const char* text;
};

// clang-format off
constexpr Entry table[] = {
    {65136, "Click Ok when Ready to Start!"},
    {65137, "Creating a Second Deck, Please be Patient"},
    {65138, "Changes require starting a new game, continue?"},
    {65139, "Quit game and exit?"},
    {65140, "Quit game and re-deal?"},
    {65141, "%s Won, Do you want to play again?"},
    {65154, "Version 1.1"},
    {65157, "Single Deck - Normal Scoring"},
    {65158, "Single Deck - Las Vegas Scoring"},
    {65159, "Double Deck - Normal Scoring"},
    {65160, "Double Deck - Las Vegas Scoring"},
    {65161, " - Unbeatable"},
    {65162, " - Very Hard"},
    {65163, " - Hard"},
    {65164, " - Not Bad"},
    {65165, " - Easy"},
    {65166, "Rank  Score     Name"},
    {65167, "Please enter your name"},
};
// clang-format on

} // namespace

QString LoadStr(int id)
{
    for (const Entry& entry : table) {
        if (entry.id == id)
            return QString::fromUtf8(entry.text);
    }
    return QString();
}

} // namespace platform
