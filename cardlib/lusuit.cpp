#include "cardlib/lusuit.h"

TLuSuit::TLuSuit(std::int32_t IDBase) : FIDBase(IDBase)
{
    SetAll(1);
}

std::uint8_t TLuSuit::GetCount(int Value) const
{
    if (Value < LowValue || Value > HighValue)
        return 0;
    return FCounts[static_cast<std::size_t>(Value - LowValue)];
}

void TLuSuit::SetCount(int Value, std::uint8_t Count)
{
    if (Value < LowValue || Value > HighValue)
        return;
    FCounts[static_cast<std::size_t>(Value - LowValue)] = Count;
}

void TLuSuit::SetAll(std::uint8_t Count)
{
    FCounts.fill(Count);
}
