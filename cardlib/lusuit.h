#pragma once
// How many copies of each rank of one suit a deck holds; 0 leaves the card out.
#include <array>
#include <cstdint>

class TLuSuit
{
public:
    // Every rank once. IDBase is what a rank value is added to for the card
    // ID: 0 clubs, 13 diamonds, 26 spades, 39 hearts.
    explicit TLuSuit(std::int32_t IDBase = 0);

    std::int32_t IDBase() const { return FIDBase; }

    // The count of rank value 2..14 (11 jack .. 14 ace); 0 for any other value.
    std::uint8_t GetCount(int Value) const;
    // Values outside 2..14 are ignored.
    void SetCount(int Value, std::uint8_t Count);
    void SetAll(std::uint8_t Count);

    std::uint8_t Two() const { return GetCount(2); }
    void SetTwo(std::uint8_t Count) { SetCount(2, Count); }
    std::uint8_t Three() const { return GetCount(3); }
    void SetThree(std::uint8_t Count) { SetCount(3, Count); }
    std::uint8_t Four() const { return GetCount(4); }
    void SetFour(std::uint8_t Count) { SetCount(4, Count); }
    std::uint8_t Five() const { return GetCount(5); }
    void SetFive(std::uint8_t Count) { SetCount(5, Count); }
    std::uint8_t Six() const { return GetCount(6); }
    void SetSix(std::uint8_t Count) { SetCount(6, Count); }
    std::uint8_t Seven() const { return GetCount(7); }
    void SetSeven(std::uint8_t Count) { SetCount(7, Count); }
    std::uint8_t Eight() const { return GetCount(8); }
    void SetEight(std::uint8_t Count) { SetCount(8, Count); }
    std::uint8_t Nine() const { return GetCount(9); }
    void SetNine(std::uint8_t Count) { SetCount(9, Count); }
    std::uint8_t Ten() const { return GetCount(10); }
    void SetTen(std::uint8_t Count) { SetCount(10, Count); }
    std::uint8_t Jack() const { return GetCount(11); }
    void SetJack(std::uint8_t Count) { SetCount(11, Count); }
    std::uint8_t Queen() const { return GetCount(12); }
    void SetQueen(std::uint8_t Count) { SetCount(12, Count); }
    std::uint8_t King() const { return GetCount(13); }
    void SetKing(std::uint8_t Count) { SetCount(13, Count); }
    std::uint8_t Ace() const { return GetCount(14); }
    void SetAce(std::uint8_t Count) { SetCount(14, Count); }

    static constexpr int LowValue = 2;
    static constexpr int HighValue = 14;

private:
    std::array<std::uint8_t, HighValue - LowValue + 1> FCounts{};
    std::int32_t FIDBase;
};
