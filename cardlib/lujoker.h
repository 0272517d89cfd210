#pragma once
// How many red (ID 54) and blue (ID 55) jokers a deck holds.
#include <cstdint>

class TLuJoker
{
public:
    std::uint8_t RedJoker() const { return FRedJoker; }
    void SetRedJoker(std::uint8_t Count) { FRedJoker = Count; }
    std::uint8_t BlueJoker() const { return FBlueJoker; }
    void SetBlueJoker(std::uint8_t Count) { FBlueJoker = Count; }

private:
    std::uint8_t FRedJoker = 0;
    std::uint8_t FBlueJoker = 0;
};
