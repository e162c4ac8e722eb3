#pragma once
// 公式搜索: the 10^4 formulas f = (x·a + y·b + z·c + k) mod 10 on the digits
// a b c of a 3-digit draw (a the hundreds), each taken as a guess of one
// digit for the next draw, 胆 or 杀 (digit_guess.h).
//
// The scored draws are the window's last n = min(N, H) draws, each predicted
// from the draw before it; the first draw of the history has none and is
// left out. Beside the real search the same search runs on shuffles of the
// window's draws (the draws before the window stay in place), so a user can
// see what rate a search over 10^4 formulas reaches by chance alone.

#include "components/features/analysis/formula/digit_guess.h"
#include "components/features/analysis/figure.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace vesk::analysis {

inline constexpr int kFormulaLength = 3;
inline constexpr std::size_t kFormulaCount = 10000;
inline constexpr std::size_t kDefaultFormulaTop = 20;
inline constexpr std::size_t kFormulaShuffles = 20;
inline constexpr std::uint32_t kFormulaShuffleSeed = 20251207;

struct Formula {
    int x = 0, y = 0, z = 0, k = 0; // each 0..9

    // x·1000 + y·100 + z·10 + k: smaller indexes win ties.
    std::size_t Index() const { return static_cast<std::size_t>(x * 1000 + y * 100 + z * 10 + k); }
    static Formula FromIndex(std::size_t index);
};

// The formula's digit for the draw code (below 1000).
int FormulaDigit(const Formula& formula, std::uint32_t code);

struct FormulaRow {
    Formula formula;
    std::int64_t hits = 0;
    Figure rate;                  // hits / scored; 0 when nothing was scored
    Figure baseline;              // a random single digit's chance
    std::int64_t longestMiss = 0; // the longest run of scored draws it missed
    int next = 0;                 // its digit from the newest draw
};

struct ShuffleBest {
    std::int64_t hits = 0; // the best formula's hits on that shuffle
    Figure rate;
};

struct FormulaSearchResult {
    std::size_t window = 0;        // n
    std::int64_t scored = 0;
    std::vector<FormulaRow> top;   // by hits, ties to the smaller index
    std::vector<ShuffleBest> shuffles; // empty when not asked for
    Figure shuffledMean;           // mean of the shuffles' best rates
    Figure shuffledMax;
};

// The scored draws as the search sees them: each predicted draw's digits
// beside the draw it is predicted from.
struct FormulaPair {
    std::uint32_t before = 0; // the draw a formula reads
    std::uint16_t digits = 0; // mask of the predicted draw's digits
};

// The scored pairs of draws (oldest first, 3-digit codes) for window last
// (N, 0 for every draw).
std::vector<FormulaPair> ScoredPairs(std::span<const std::uint32_t> draws, std::size_t last);

// Every formula's hits over pairs, indexed by Formula::Index.
std::vector<std::int64_t> FormulaHits(std::span<const FormulaPair> pairs, GuessUse use);

// A Fisher-Yates shuffle of 0..n-1: i from n - 1 down to 1 swaps with
// j = engine() mod (i + 1).
std::vector<std::size_t> ShuffledOrder(std::size_t n, std::mt19937& engine);

// The search run in slices, so that a window can show progress and stop it.
// It copies what it needs; draws: oldest first, 3-digit codes. The shuffles
// draw from one engine seeded kFormulaShuffleSeed, each shuffling the
// window's draws from their real order.
class FormulaSearch {
public:
    FormulaSearch(std::span<const std::uint32_t> draws, std::size_t last, GuessUse use, std::size_t top,
                  bool withShuffles);

    // Runs one slice; false once everything is done.
    bool Step();
    bool Done() const { return m_step == StepCount(); }
    std::size_t StepsDone() const { return m_step; }
    std::size_t StepCount() const;

    // The result; the search must be done.
    FormulaSearchResult Result() const;

private:
    struct Tally {
        // Per distinct draw read: its digits and its pair counts per digit,
        // written twice over so that a rotation is an offset.
        std::vector<std::array<std::uint8_t, 3>> digits;
        std::vector<std::array<std::uint32_t, 20>> counts;
    };
    static Tally MakeTally(std::span<const FormulaPair> pairs, GuessUse use);
    static void CountSlice(const Tally& tally, int x, std::span<std::int64_t> hits);
    void FinishReal();
    std::vector<FormulaPair> ShuffledPairs();
    friend std::vector<std::int64_t> FormulaHits(std::span<const FormulaPair> pairs, GuessUse use);

    std::vector<std::uint32_t> m_draws;
    std::size_t m_window;
    GuessUse m_use;
    std::size_t m_top;
    bool m_withShuffles;

    std::vector<FormulaPair> m_pairs;
    std::mt19937 m_engine{kFormulaShuffleSeed};
    std::size_t m_step = 0;
    Tally m_tally;                  // of the search in progress
    std::vector<std::int64_t> m_hits; // of the search in progress
    FormulaSearchResult m_result;
};

// The whole search at once.
FormulaSearchResult SearchFormulas(std::span<const std::uint32_t> draws, std::size_t last, GuessUse use,
                                   std::size_t top, bool withShuffles);

} // namespace vesk::analysis
