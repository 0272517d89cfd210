// The race's cards are the card library's: the rules rank a card by its ID
// exactly as a card of the library values it, so a move decided on numbers
// is the move the table shows.
#include "cardlib/lutypes.h"
#include "core/cards.h"

#include <gtest/gtest.h>

namespace {

TEST(CardValues, TheRulesRankEveryCardAsTheLibraryValuesIt)
{
    for (int ID = core::MinCard; ID <= core::MaxCard; ++ID)
        EXPECT_EQ(core::Rank(ID), IDToValue(ID)) << ID;
    // The jokers take no part in the race.
    for (int ID = core::MaxCard + 1; ID <= MaxCardID; ++ID)
        EXPECT_EQ(core::Rank(ID), 0) << ID;
}

} // namespace
