#include "platform/stringtable.h"

namespace platform {

QString LoadStr(int id)
{
    switch (id) {
    case 65136: return QStringLiteral("Click Ok when Ready to Start!");
    case 65137: return QStringLiteral("Creating a Second Deck, Please be Patient");
    case 65138: return QStringLiteral("Changes require starting a new game, continue?");
    case 65139: return QStringLiteral("Quit game and exit?");
    case 65140: return QStringLiteral("Quit game and re-deal?");
    case 65141: return QStringLiteral("%s Won, Do you want to play again?");
    case 65154: return QStringLiteral("Version 1.1");
    case 65157: return QStringLiteral("Single Deck - Normal Scoring");
    case 65158: return QStringLiteral("Single Deck - Las Vegas Scoring");
    case 65159: return QStringLiteral("Double Deck - Normal Scoring");
    case 65160: return QStringLiteral("Double Deck - Las Vegas Scoring");
    case 65161: return QStringLiteral(" - Unbeatable");
    case 65162: return QStringLiteral(" - Very Hard");
    case 65163: return QStringLiteral(" - Hard");
    case 65164: return QStringLiteral(" - Not Bad");
    case 65165: return QStringLiteral(" - Easy");
    case 65166: return QStringLiteral("Rank  Score     Name");
    case 65167: return QStringLiteral("Please enter your name");
    default: return QString();
    }
}

} // namespace platform
