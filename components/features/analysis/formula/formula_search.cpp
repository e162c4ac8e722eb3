#include "components/features/analysis/formula/formula_search.h"

#include "components/features/analysis/omission_table.h"

#include <algorithm>
#include <numeric>

namespace vesk::analysis {

namespace {

constexpr std::size_t kSlicesPerSearch = 10; // one per x
constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

std::uint16_t DigitMaskOf(std::uint32_t code)
{
    return static_cast<std::uint16_t>(1u << (code % 10) | 1u << (code / 10 % 10) | 1u << (code / 100 % 10));
}

std::int64_t LongestMiss(const Formula& formula, std::span<const FormulaPair> pairs, GuessUse use)
{
    std::int64_t longest = 0;
    std::int64_t run = 0;
    for (const FormulaPair& pair : pairs) {
        const auto guessed = static_cast<std::uint16_t>(1u << FormulaDigit(formula, pair.before));
        run = GuessHits(guessed, pair.digits, use) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace

Formula Formula::FromIndex(std::size_t index)
{
    const int i = static_cast<int>(index % kFormulaCount);
    return {i / 1000, i / 100 % 10, i / 10 % 10, i % 10};
}

int FormulaDigit(const Formula& formula, std::uint32_t code)
{
    const int a = static_cast<int>(code / 100 % 10);
    const int b = static_cast<int>(code / 10 % 10);
    const int c = static_cast<int>(code % 10);
    return (formula.x * a + formula.y * b + formula.z * c + formula.k) % 10;
}

std::vector<FormulaPair> ScoredPairs(std::span<const std::uint32_t> draws, std::size_t last)
{
    const std::size_t window = WindowSize(last, draws.size());
    std::vector<FormulaPair> pairs;
    for (std::size_t t = std::max<std::size_t>(draws.size() - window, 1); t < draws.size(); ++t)
        pairs.push_back({draws[t - 1], DigitMaskOf(draws[t])});
    return pairs;
}

std::vector<std::size_t> ShuffledOrder(std::size_t n, std::mt19937& engine)
{
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    for (std::size_t i = n; i-- > 1;)
        std::swap(order[i], order[engine() % (i + 1)]);
    return order;
}

FormulaSearch::Tally FormulaSearch::MakeTally(std::span<const FormulaPair> pairs, GuessUse use)
{
    Tally tally;
    std::vector<std::size_t> slot(1000, kNoSlot);
    for (const FormulaPair& pair : pairs) {
        const std::uint32_t code = pair.before % 1000;
        if (slot[code] == kNoSlot) {
            slot[code] = tally.counts.size();
            tally.digits.push_back({static_cast<std::uint8_t>(code / 100), static_cast<std::uint8_t>(code / 10 % 10),
                                    static_cast<std::uint8_t>(code % 10)});
            tally.counts.push_back({});
        }
        auto& counts = tally.counts[slot[code]];
        for (int d = 0; d < 10; ++d) {
            if (GuessHits(static_cast<std::uint16_t>(1u << d), pair.digits, use)) {
                ++counts[static_cast<std::size_t>(d)];
                ++counts[static_cast<std::size_t>(d) + 10];
            }
        }
    }
    return tally;
}

void FormulaSearch::CountSlice(const Tally& tally, int x, std::span<std::int64_t> hits)
{
    // hits(x, y, z, k) = Σ over the draws read of their count for digit
    // (v + k) mod 10, v = (x·a + y·b + z·c) mod 10: the counts rotated by v
    // give all ten k at once.
    const std::size_t distinct = tally.counts.size();
    std::vector<std::uint8_t> partial(distinct);
    for (int y = 0; y < 10; ++y) {
        for (std::size_t i = 0; i < distinct; ++i)
            partial[i] = static_cast<std::uint8_t>((x * tally.digits[i][0] + y * tally.digits[i][1]) % 10);
        for (int z = 0; z < 10; ++z) {
            std::array<std::uint32_t, 10> sum{};
            for (std::size_t i = 0; i < distinct; ++i) {
                const std::uint32_t* rotated = tally.counts[i].data() + (partial[i] + z * tally.digits[i][2]) % 10;
                for (std::size_t k = 0; k < 10; ++k)
                    sum[k] += rotated[k];
            }
            const std::size_t base = static_cast<std::size_t>(x * 1000 + y * 100 + z * 10);
            for (std::size_t k = 0; k < 10; ++k)
                hits[base + k] = sum[k];
        }
    }
}

std::vector<std::int64_t> FormulaHits(std::span<const FormulaPair> pairs, GuessUse use)
{
    const auto tally = FormulaSearch::MakeTally(pairs, use);
    std::vector<std::int64_t> hits(kFormulaCount);
    for (int x = 0; x < 10; ++x)
        FormulaSearch::CountSlice(tally, x, hits);
    return hits;
}

FormulaSearch::FormulaSearch(std::span<const std::uint32_t> draws, std::size_t last, GuessUse use, std::size_t top,
                             bool withShuffles)
    : m_draws(draws.begin(), draws.end()),
      m_window(WindowSize(last, draws.size())),
      m_use(use),
      m_top(std::min(top, kFormulaCount)),
      m_withShuffles(withShuffles),
      m_pairs(ScoredPairs(draws, last)),
      m_hits(kFormulaCount)
{
    m_result.window = m_window;
    m_result.scored = static_cast<std::int64_t>(m_pairs.size());
}

std::size_t FormulaSearch::StepCount() const
{
    return kSlicesPerSearch * (m_withShuffles ? 1 + kFormulaShuffles : 1);
}

std::vector<FormulaPair> FormulaSearch::ShuffledPairs()
{
    // The window's draws in shuffled order after the draws before it, which
    // stay: the same draws are scored as in the real search.
    const std::size_t start = m_draws.size() - m_window;
    const std::vector<std::size_t> order = ShuffledOrder(m_window, m_engine);
    std::vector<std::uint32_t> sequence(m_draws.begin(), m_draws.begin() + static_cast<std::ptrdiff_t>(start));
    for (std::size_t i : order)
        sequence.push_back(m_draws[start + i]);
    return ScoredPairs(sequence, m_window);
}

bool FormulaSearch::Step()
{
    if (Done())
        return false;
    const std::size_t search = m_step / kSlicesPerSearch;
    const int x = static_cast<int>(m_step % kSlicesPerSearch);
    if (x == 0)
        m_tally = MakeTally(search == 0 ? std::span<const FormulaPair>(m_pairs) : ShuffledPairs(), m_use);
    CountSlice(m_tally, x, m_hits);
    if (x + 1 == static_cast<int>(kSlicesPerSearch)) {
        if (search == 0) {
            FinishReal();
        } else {
            const std::int64_t best = *std::max_element(m_hits.begin(), m_hits.end());
            m_result.shuffles.push_back({best, m_result.scored ? Figure{best, m_result.scored} : Figure{}});
        }
    }
    ++m_step;
    if (Done() && !m_result.shuffles.empty()) {
        std::int64_t sum = 0;
        std::int64_t best = 0;
        for (const ShuffleBest& shuffle : m_result.shuffles) {
            sum += shuffle.hits;
            best = std::max(best, shuffle.hits);
        }
        const auto count = static_cast<std::int64_t>(m_result.shuffles.size());
        if (m_result.scored) {
            m_result.shuffledMean = {sum, count * m_result.scored};
            m_result.shuffledMax = {best, m_result.scored};
        }
    }
    return !Done();
}

void FormulaSearch::FinishReal()
{
    std::vector<std::size_t> order(kFormulaCount);
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto better = [this](std::size_t a, std::size_t b) {
        return m_hits[a] != m_hits[b] ? m_hits[a] > m_hits[b] : a < b;
    };
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(m_top), order.end(), better);
    GuessBaseline baseline(kFormulaLength, m_use);
    baseline.Add(1);
    const Figure chance = baseline.Mean();
    for (std::size_t i = 0; i < m_top; ++i) {
        FormulaRow row;
        row.formula = Formula::FromIndex(order[i]);
        row.hits = m_hits[order[i]];
        row.rate = m_result.scored ? Figure{row.hits, m_result.scored} : Figure{};
        row.baseline = chance;
        row.longestMiss = LongestMiss(row.formula, m_pairs, m_use);
        row.next = m_draws.empty() ? 0 : FormulaDigit(row.formula, m_draws.back());
        m_result.top.push_back(row);
    }
}

FormulaSearchResult FormulaSearch::Result() const
{
    return m_result;
}

FormulaSearchResult SearchFormulas(std::span<const std::uint32_t> draws, std::size_t last, GuessUse use,
                                   std::size_t top, bool withShuffles)
{
    FormulaSearch search(draws, last, use, top, withShuffles);
    while (search.Step()) {
    }
    return search.Result();
}

} // namespace vesk::analysis
