#include "cardlib/lutypes.h"

#include "platform/random.h"

int IDToValue(int ID)
{
    if (ID >= 2 && ID <= 14)
        return ID;
    if (ID >= 15 && ID <= 27)
        return ID - 13;
    if (ID >= 28 && ID <= 40)
        return ID - 26;
    if (ID >= 41 && ID <= 53)
        return ID - 39;
    if (ID == RedJokerID || ID == BlueJokerID)
        return JokerValue;
    return 0;
}

TLuCardSuitType IDToSuit(int ID)
{
    if (ID >= 2 && ID <= 14)
        return stClub;
    if (ID >= 15 && ID <= 27)
        return stDiamond;
    if (ID >= 28 && ID <= 40)
        return stSpade;
    if (ID >= 41 && ID <= 53)
        return stHeart;
    return stJoker;
}

int RandomStandardCardID()
{
    return MinCardID + platform::Random(52);
}

int BackImageIndex(int BackType)
{
    if (BackType < 0 || BackType >= BackTypeCount)
        return -1;
    return FirstBackSlot + BackType;
}
