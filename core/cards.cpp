#include "core/cards.h"

namespace core {

int Rank(int Card)
{
    if (Card < MinCard || Card > MaxCard)
        return 0;
    return Two + (Card - MinCard) % 13;
}

bool IsAdjacent(int a, int b)
{
    return a == b - 1 || a == b + 1 || (a == Ace && b == Two) || (a == Two && b == Ace);
}

bool Fits(int Card, int Top)
{
    const int A = Rank(Card);
    const int B = Rank(Top);
    return A != 0 && B != 0 && IsAdjacent(A, B);
}

} // namespace core
