#pragma once
// The class of each of the ten digits for the draw at a place of the
// history, worked out from the draws before that place only.
//
//   邻孤传  0 传 in the newest draw; 1 邻 not 传 with x - 1 or x + 1 in the
//          newest draw (0 and 9 are not neighbours); 2 孤 the rest
//   复隔中  0 复 in the newest draw; 1 隔 in the draw before it, not 复; 2 中
//   热温冷  0 热, 1 温, 2 冷 by the ranking over the last W draws
//   金字塔  the ranking's layer minus one (layer 1 the top)
//   跟随    0 跟随码: the top K follow scores, ties to the smaller digit; 1 其他
//   魔数    0 the newest draw's magic digits; 1 其他

#include "components/features/analysis/pick/pick_method.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vesk::analysis {

struct DigitClasses {
    std::array<std::uint8_t, 10> of{}; // class index by digit
    int count = 0;                     // classes of the method

    // Digits of each class.
    std::array<int, 4> Sizes() const;
};

// Classes for the draw at place end from draws[0, end): nullopt when fewer
// than the method's drawsNeeded draws precede it, and for the positional
// pick. draws: oldest first, below 10^length; parameters pass ParameterError.
std::optional<DigitClasses> ClassesBefore(PickMethod method, const PickParameters& parameters,
                                          std::span<const std::uint32_t> draws, int length, std::size_t end);

// The follow score of each digit for the draw at place end: over the
// consecutive pairs (t, t + 1) of the last W draws before it, how many
// distinct digits of draw t occur in the newest draw, added to each distinct
// digit of draw t + 1.
std::array<std::int64_t, 10> FollowScores(std::span<const std::uint32_t> draws, int length, std::size_t end,
                                          std::size_t window);

// The classes place after place, as a table walks the history: the counts
// over the last W draws and the follow pairs move with the window instead
// of being counted again, so a wide W costs no more than a narrow one. At(end)
// gives what ClassesBefore gives; places must not decrease (an earlier
// place starts the counts again).
class PlaceClassifier {
public:
    PlaceClassifier(PickMethod method, const PickParameters& parameters, std::span<const std::uint32_t> draws,
                    int length);
    std::optional<DigitClasses> At(std::size_t end);

private:
    void Restart(std::size_t end);
    void AddDraw(std::size_t t);
    void RemoveDraw(std::size_t t);
    void AddPair(std::size_t t, int sign);

    PickMethod m_method;
    PickParameters m_parameters;
    std::span<const std::uint32_t> m_draws;
    int m_length;
    std::vector<std::uint16_t> m_masks; // digit mask per draw
    std::size_t m_end = 0;              // the place the counts stand at
    bool m_started = false;
    // Ranking: occurrences over [m_end - W, m_end) and the latest place of
    // each digit before m_end.
    std::array<std::int64_t, 10> m_counts{};
    std::array<std::size_t, 10> m_latest{};
    std::array<bool, 10> m_seen{};
    // Follow: F[x][y] over the pairs inside [m_end - W, m_end).
    std::array<std::array<std::int64_t, 10>, 10> m_follow{};
};

// Bit x set when digit x occurs in code.
std::uint16_t DigitMaskOfCode(std::uint32_t code, int length);

} // namespace vesk::analysis
