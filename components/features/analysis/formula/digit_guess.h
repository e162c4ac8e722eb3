#pragma once
// A guess that names a set of digits for the next draw, used as 胆 (one of
// the digits should come) or 杀 (none should), and the rate a random guess of
// the same size would reach: the yardstick every guessing feature shows its
// rates beside.

#include "components/features/analysis/figure.h"

#include <cstdint>
#include <string>

namespace vesk::analysis {

enum class GuessUse { Banker, Kill };

// Digit sets are masks: bit x for digit x.
constexpr bool GuessHits(std::uint16_t guessed, std::uint16_t drawDigits, GuessUse use)
{
    const bool met = (guessed & drawDigits) != 0;
    return use == GuessUse::Banker ? met : !met;
}

// The draws of length (1..8) that a random guess of k digits (0..10) misses
// as 胆, out of 10^length: (10 - k)^length. A 杀 guess hits exactly these.
std::int64_t DrawsWithoutGuess(int k, int length);

// Adds up the chance of a random guess per scored draw, each with its own
// size, and gives their mean.
class GuessBaseline {
public:
    GuessBaseline(int length, GuessUse use);
    void Add(int guessSize);
    // The mean chance over the added draws; 0 when none was added.
    Figure Mean() const;

private:
    int m_length;
    GuessUse m_use;
    std::int64_t m_space;
    std::int64_t m_favourable = 0;
    std::int64_t m_draws = 0;
};

// rate − baseline in percentage points with one decimal and its sign:
// "+3.2", "-0.4", "0.0"; how far a guess is from chance at a glance.
std::string FormatAboveBaseline(const Figure& rate, const Figure& baseline);

} // namespace vesk::analysis
