#include "core/moves.h"

namespace core {

bool CanPlay(const THand& Hand, const TCentreTops& Tops)
{
    for (const std::uint8_t Card : Hand)
        for (const std::uint8_t Top : Tops)
            if (Fits(Card, Top))
                return true;
    return false;
}

std::optional<int> PileFor(int Card, const TCentreTops& Tops, const TPileOrder& Order, const TCentreBusy& Busy)
{
    for (const int Centre : Order) {
        if (Centre < 0 || Centre >= CentrePiles)
            continue;
        const auto C = static_cast<std::size_t>(Centre);
        if (!Busy[C] && Fits(Card, Tops[C]))
            return Centre;
    }
    return std::nullopt;
}

std::optional<TMove> ComputerMove(const THand& Hand, const TCentreTops& Tops, const TPileOrder& Order,
                                  const TCentreBusy& Busy)
{
    for (const int Centre : Order) {
        if (Centre < 0 || Centre >= CentrePiles || Busy[static_cast<std::size_t>(Centre)])
            continue;
        for (int Slot = 0; Slot < SlotCount; ++Slot)
            if (Fits(Hand[static_cast<std::size_t>(Slot)], Tops[static_cast<std::size_t>(Centre)]))
                return TMove{Slot, Centre};
    }
    return std::nullopt;
}

std::optional<int> StalemateCard(int PileCount, const THand& Hand)
{
    if (PileCount > 0)
        return PileTop;
    for (int Slot = 0; Slot < SlotCount; ++Slot)
        if (Hand[static_cast<std::size_t>(Slot)] != NoCard)
            return Slot;
    return std::nullopt;
}

} // namespace core
