#pragma once
// The draw history: the drawn numbers of one game, oldest first, each with
// its period when the file gives one, and the omission counts the attribute
// columns and the history conditions use.
//
// The file ("draws.txt" in the data folder) holds one draw per line in any
// shape draw_line.h reads, UTF-8 or GB18030. Reading it here is lenient:
// headers, blank lines and lines without a draw are skipped, and the draws
// keep the file's order. Import (draw_import.h) is the strict reader.

#include "numbers/draw_records.h"

#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

namespace vesk {

inline constexpr const char* kDrawHistoryFileName = "draws.txt";

class DrawHistory {
public:
    // length: digits per number, 1..8; any other value reads nothing.
    explicit DrawHistory(std::vector<Draw> draws = {}, int length = kDefaultDrawLength);

    static DrawHistory Parse(std::span<const std::uint8_t> text, int length = kDefaultDrawLength);

    int Length() const { return m_length; }
    bool Empty() const { return m_draws.empty(); }
    std::size_t Size() const { return m_draws.size(); }
    const std::vector<Draw>& Draws() const { return m_draws; }
    // The numbers alone, oldest first: what the filter engine takes.
    std::span<const std::uint32_t> Codes() const { return m_codes; }

    // Draws since the number, its group (digits ascending) or its digit sum
    // last came out: 0 for the latest draw, the number of draws when it never
    // did, -1 for an argument outside the game (or not a group).
    int NumberOmission(long long code) const;
    int GroupOmission(long long groupCode) const;
    int SumOmission(int sum) const;

private:
    int AgeOf(const std::unordered_map<std::uint32_t, int>& ages, std::uint32_t key) const;

    int m_length;
    std::vector<Draw> m_draws;
    std::vector<std::uint32_t> m_codes;
    std::unordered_map<std::uint32_t, int> m_numberAge;
    std::unordered_map<std::uint32_t, int> m_groupAge;
    std::vector<int> m_sumAge;
};

} // namespace vesk
