#include "components/features/analysis/pick/pick_classes.h"

#include "components/features/analysis/pick/digit_ranking.h"

#include <algorithm>
#include <bit>

namespace vesk::analysis {

namespace {

bool Has(std::uint16_t mask, int digit)
{
    return digit >= 0 && digit <= 9 && (mask & (1u << digit)) != 0;
}

DigitClasses NeighbourClasses(std::uint16_t newest)
{
    DigitClasses classes{{}, 3};
    for (int x = 0; x < 10; ++x)
        classes.of[static_cast<std::size_t>(x)] = Has(newest, x) ? 0 : Has(newest, x - 1) || Has(newest, x + 1) ? 1 : 2;
    return classes;
}

DigitClasses RepeatSkipClasses(std::uint16_t newest, std::uint16_t before)
{
    DigitClasses classes{{}, 3};
    for (int x = 0; x < 10; ++x)
        classes.of[static_cast<std::size_t>(x)] = Has(newest, x) ? 0 : Has(before, x) ? 1 : 2;
    return classes;
}

DigitClasses RankedClasses(const DigitRanking& ranking, bool pyramid)
{
    DigitClasses classes{{}, pyramid ? 4 : 3};
    const std::array<int, kDigitCount> rank = RankOfDigits(ranking);
    for (int x = 0; x < 10; ++x) {
        const int r = rank[static_cast<std::size_t>(x)];
        classes.of[static_cast<std::size_t>(x)] =
            static_cast<std::uint8_t>(pyramid ? PyramidLayerOfRank(r) - 1 : static_cast<int>(HeatOfRank(r)));
    }
    return classes;
}

DigitClasses FollowClasses(const std::array<std::int64_t, 10>& scores, int top)
{
    std::array<int, 10> order{};
    for (int x = 0; x < 10; ++x)
        order[static_cast<std::size_t>(x)] = x;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return scores[static_cast<std::size_t>(a)] > scores[static_cast<std::size_t>(b)]; });
    DigitClasses classes{{}, 2};
    classes.of.fill(1);
    for (int r = 0; r < top && r < 10; ++r)
        classes.of[static_cast<std::size_t>(order[static_cast<std::size_t>(r)])] = 0;
    return classes;
}

DigitClasses MagicClasses(std::uint32_t newest, std::uint8_t formulas)
{
    const std::uint16_t magic = MagicDigits(static_cast<int>(newest / 100 % 10), static_cast<int>(newest / 10 % 10),
                                            static_cast<int>(newest % 10), formulas);
    DigitClasses classes{{}, 2};
    for (int x = 0; x < 10; ++x)
        classes.of[static_cast<std::size_t>(x)] = Has(magic, x) ? 0 : 1;
    return classes;
}

} // namespace

std::array<int, 4> DigitClasses::Sizes() const
{
    std::array<int, 4> sizes{};
    for (std::uint8_t c : of)
        ++sizes[c];
    return sizes;
}

std::uint16_t DigitMaskOfCode(std::uint32_t code, int length)
{
    std::uint16_t mask = 0;
    for (int i = 0; i < length; ++i) {
        mask = static_cast<std::uint16_t>(mask | (1u << (code % 10)));
        code /= 10;
    }
    return mask;
}

std::array<std::int64_t, 10> FollowScores(std::span<const std::uint32_t> draws, int length, std::size_t end,
                                          std::size_t window)
{
    std::array<std::int64_t, 10> scores{};
    end = std::min(end, draws.size());
    if (end == 0)
        return scores;
    const std::uint16_t newest = DigitMaskOfCode(draws[end - 1], length);
    const std::size_t used = std::min(window, end);
    // Pairs (t, t + 1) with both draws in [end - used, end).
    for (std::size_t t = end - used; t + 1 < end; ++t) {
        const int shared = std::popcount(static_cast<unsigned>(DigitMaskOfCode(draws[t], length) & newest));
        if (shared == 0)
            continue;
        const std::uint16_t next = DigitMaskOfCode(draws[t + 1], length);
        for (int y = 0; y < 10; ++y) {
            if (next & (1u << y))
                scores[static_cast<std::size_t>(y)] += shared;
        }
    }
    return scores;
}

std::optional<DigitClasses> ClassesBefore(PickMethod method, const PickParameters& parameters,
                                          std::span<const std::uint32_t> draws, int length, std::size_t end)
{
    end = std::min(end, draws.size());
    const PickMethodInfo& info = InfoOf(method);
    if (info.classCount == 0 || end < info.drawsNeeded)
        return std::nullopt;
    switch (method) {
    case PickMethod::Neighbour:
        return NeighbourClasses(DigitMaskOfCode(draws[end - 1], length));
    case PickMethod::RepeatSkip:
        return RepeatSkipClasses(DigitMaskOfCode(draws[end - 1], length), DigitMaskOfCode(draws[end - 2], length));
    case PickMethod::HotCold:
        return RankedClasses(RankDigits(draws, length, end, parameters.window), false);
    case PickMethod::Pyramid:
        return RankedClasses(RankDigits(draws, length, end, parameters.window), true);
    case PickMethod::Follow:
        return FollowClasses(FollowScores(draws, length, end, parameters.window), parameters.top);
    case PickMethod::Magic:
        return MagicClasses(draws[end - 1], parameters.formulas);
    case PickMethod::Position:
        break;
    }
    return std::nullopt;
}

PlaceClassifier::PlaceClassifier(PickMethod method, const PickParameters& parameters,
                                 std::span<const std::uint32_t> draws, int length)
    : m_method(method), m_parameters(parameters), m_draws(draws), m_length(length)
{
    m_masks.reserve(draws.size());
    for (std::uint32_t code : draws)
        m_masks.push_back(DigitMaskOfCode(code, length));
}

void PlaceClassifier::AddDraw(std::size_t t)
{
    std::uint32_t code = m_draws[t];
    for (int i = 0; i < m_length; ++i, code /= 10)
        ++m_counts[code % 10];
}

void PlaceClassifier::RemoveDraw(std::size_t t)
{
    std::uint32_t code = m_draws[t];
    for (int i = 0; i < m_length; ++i, code /= 10)
        --m_counts[code % 10];
}

void PlaceClassifier::AddPair(std::size_t t, int sign)
{
    const std::uint16_t from = m_masks[t], to = m_masks[t + 1];
    for (int x = 0; x < 10; ++x) {
        if (!(from & (1u << x)))
            continue;
        for (int y = 0; y < 10; ++y) {
            if (to & (1u << y))
                m_follow[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] += sign;
        }
    }
}

void PlaceClassifier::Restart(std::size_t end)
{
    m_counts = {};
    m_seen = {};
    m_follow = {};
    const std::size_t first = end - std::min(m_parameters.window, end);
    for (std::size_t t = first; t < end; ++t) {
        AddDraw(t);
        if (t + 1 < end)
            AddPair(t, 1);
    }
    for (std::size_t t = 0; t < end; ++t) {
        for (int x = 0; x < 10; ++x) {
            if (m_masks[t] & (1u << x)) {
                m_latest[static_cast<std::size_t>(x)] = t;
                m_seen[static_cast<std::size_t>(x)] = true;
            }
        }
    }
    m_end = end;
    m_started = true;
}

std::optional<DigitClasses> PlaceClassifier::At(std::size_t end)
{
    end = std::min(end, m_draws.size());
    const bool ranked = m_method == PickMethod::HotCold || m_method == PickMethod::Pyramid;
    if (!ranked && m_method != PickMethod::Follow)
        return ClassesBefore(m_method, m_parameters, m_draws, m_length, end);
    if (!m_started || end < m_end)
        Restart(end);
    const std::size_t w = m_parameters.window;
    // Draw m_end enters the window; the draw W places back leaves it.
    for (; m_end < end; ++m_end) {
        const std::size_t e = m_end;
        AddDraw(e);
        if (e >= 1 && w >= 2)
            AddPair(e - 1, 1);
        if (e >= w) {
            RemoveDraw(e - w);
            if (w >= 2)
                AddPair(e - w, -1);
        }
        for (int x = 0; x < 10; ++x) {
            if (m_masks[e] & (1u << x)) {
                m_latest[static_cast<std::size_t>(x)] = e;
                m_seen[static_cast<std::size_t>(x)] = true;
            }
        }
    }
    if (end < InfoOf(m_method).drawsNeeded)
        return std::nullopt;
    if (ranked) {
        const std::size_t used = std::min(w, end);
        std::array<std::size_t, 10> age;
        for (std::size_t x = 0; x < 10; ++x)
            age[x] = m_seen[x] && m_latest[x] + used >= end ? end - 1 - m_latest[x] : used;
        DigitRanking ranking;
        ranking.counts = m_counts;
        ranking.order = OrderDigits(m_counts, age);
        return RankedClasses(ranking, m_method == PickMethod::Pyramid);
    }
    std::array<std::int64_t, 10> scores{};
    const std::uint16_t newest = m_masks[end - 1];
    for (std::size_t x = 0; x < 10; ++x) {
        if (newest & (1u << x)) {
            for (std::size_t y = 0; y < 10; ++y)
                scores[y] += m_follow[x][y];
        }
    }
    return FollowClasses(scores, m_parameters.top);
}

} // namespace vesk::analysis
