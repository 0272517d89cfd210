#include "platform/stringtable.h"

#include <QCoreApplication>

namespace platform {

namespace {

struct Entry
{
    int id;
    const char* text;
};

// clang-format off
constexpr Entry table[] = {
    {65136, QT_TRANSLATE_NOOP("StringTable", "Click Ok when Ready to Start!")},
    {65137, QT_TRANSLATE_NOOP("StringTable", "Creating a Second Deck, Please be Patient")},
    {65138, QT_TRANSLATE_NOOP("StringTable", "Changes require starting a new game, continue?")},
    {65139, QT_TRANSLATE_NOOP("StringTable", "Quit game and exit?")},
    {65140, QT_TRANSLATE_NOOP("StringTable", "Quit game and re-deal?")},
    {65141, QT_TRANSLATE_NOOP("StringTable", "%s Won, Do you want to play again?")},
    {65154, QT_TRANSLATE_NOOP("StringTable", "Version 1.1")},
    {65157, QT_TRANSLATE_NOOP("StringTable", "Single Deck - Normal Scoring")},
    {65158, QT_TRANSLATE_NOOP("StringTable", "Single Deck - Las Vegas Scoring")},
    {65159, QT_TRANSLATE_NOOP("StringTable", "Double Deck - Normal Scoring")},
    {65160, QT_TRANSLATE_NOOP("StringTable", "Double Deck - Las Vegas Scoring")},
    {65161, QT_TRANSLATE_NOOP("StringTable", " - Unbeatable")},
    {65162, QT_TRANSLATE_NOOP("StringTable", " - Very Hard")},
    {65163, QT_TRANSLATE_NOOP("StringTable", " - Hard")},
    {65164, QT_TRANSLATE_NOOP("StringTable", " - Not Bad")},
    {65165, QT_TRANSLATE_NOOP("StringTable", " - Easy")},
    {65166, QT_TRANSLATE_NOOP("StringTable", "Rank  Score     Name")},
    {65167, QT_TRANSLATE_NOOP("StringTable", "Please enter your name")},
};
// clang-format on

} // namespace

QString LoadUntranslatedStr(int id)
{
    for (const Entry& entry : table) {
        if (entry.id == id)
            return QString::fromUtf8(entry.text);
    }
    return QString();
}

QString LoadStr(int id)
{
    for (const Entry& entry : table) {
        if (entry.id == id)
            return QCoreApplication::translate("StringTable", entry.text);
    }
    return QString();
}

} // namespace platform
