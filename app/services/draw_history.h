#pragma once
// The user's draw history, read from "draws.txt" in the data folder, and the
// omission counts the attribute columns show.
//
// File format: one draw per line, oldest first. A line's draw is its last
// token of digits when that token has exactly three digits ("2026001 123"),
// or its last three tokens when each is a single digit ("2026001 1 2 3",
// "1,2,3"). Other lines (headers, blank lines) are skipped. The text is UTF-8
// or GB18030; only single-byte characters are read as digits.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vesk::app {

inline constexpr const char* kDrawHistoryFileName = "draws.txt";

class DrawHistory {
public:
    static DrawHistory Parse(std::span<const std::uint8_t> text);
    // Nothing when the file is missing or holds no draw.
    static std::optional<DrawHistory> Load(const std::string& path);

    const std::vector<std::uint16_t>& Draws() const { return m_draws; }

    // Draws since the number (0..999), its group (a group code) or a sum
    // (0..27) last came out; the number of draws when it never did; -1 for
    // an argument out of range.
    int NumberOmission(int code) const;
    int GroupOmission(int groupCode) const;
    int SumOmission(int sum) const;

private:
    void ComputeOmissions();

    std::vector<std::uint16_t> m_draws;
    std::array<int, 1000> m_number{};
    std::array<int, 1000> m_group{};
    std::array<int, 28> m_sum{};
};

} // namespace vesk::app
