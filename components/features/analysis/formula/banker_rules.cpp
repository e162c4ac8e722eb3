#include "components/features/analysis/formula/banker_rules.h"

#include "components/features/analysis/pick/digit_ranking.h"
#include "components/features/analysis/omission_table.h"
#include "components/features/analysis/query/pattern_search.h"

#include "components/filter/engine/digits.h"

#include <algorithm>
#include <array>
#include <bit>

namespace vesk::analysis {

namespace {

constexpr std::uint8_t kMagicOrder[kMagicFormulaCount] = {kMagicSumAB,  kMagicSumBC,  kMagicSumAC, kMagicSumABC,
                                                         kMagicDiffAB, kMagicDiffBC, kMagicDiffAC};
constexpr const char* kMagicLabels[kMagicFormulaCount] = {"a+b", "b+c", "a+c", "a+b+c", "|a-b|", "|b-c|", "|a-c|"};

std::uint16_t Bit(std::int64_t digit)
{
    return static_cast<std::uint16_t>(1u << ((digit % 10 + 10) % 10));
}

// The newest draw's values the sum-tail rules read, by the filter engine's
// value functions, for every draw of the history at once.
struct DrawFigures {
    std::vector<std::int64_t> sumTails;
    std::vector<std::int64_t> spans;
};

std::vector<std::int64_t> ValuesOf(filter::ConditionType type, std::span<const std::uint32_t> draws, int length)
{
    filter::Condition condition;
    condition.type = type;
    return DrawValues(condition, length, draws);
}

DrawFigures FiguresOf(std::span<const std::uint32_t> draws, int length)
{
    return {ValuesOf(filter::ConditionType::SumTail, draws, length), ValuesOf(filter::ConditionType::Span, draws, length)};
}

// figures: of draws[0, t) at least (index t - 1 is read).
std::optional<std::uint16_t> DigitsAt(const DigitRule& rule, std::span<const std::uint32_t> draws, int length,
                                      std::size_t t, const DrawFigures& figures)
{
    const std::size_t needed = rule.kind == RuleKind::Position ? static_cast<std::size_t>(rule.back) : 1;
    if (needed == 0 || t < needed || t > draws.size())
        return std::nullopt;
    const std::uint32_t newest = draws[t - 1];
    switch (rule.kind) {
    case RuleKind::Magic: {
        const filter::Digits d = filter::DigitsOf(newest, length);
        return MagicDigits(d[0], d[1], d[2], rule.magic);
    }
    case RuleKind::Position:
        return Bit(filter::DigitsOf(draws[t - needed], length)[static_cast<std::size_t>(rule.position)]);
    case RuleKind::SumTail:
        return Bit(figures.sumTails[t - 1]);
    case RuleKind::Span:
        return Bit(figures.spans[t - 1]);
    case RuleKind::SumTailSpread: {
        const std::int64_t tail = figures.sumTails[t - 1];
        return static_cast<std::uint16_t>(Bit(tail - 1) | Bit(tail) | Bit(tail + 1));
    }
    case RuleKind::Hot:
    case RuleKind::Cold: {
        const DigitRanking ranking = RankDigits(draws, length, t, kRuleHeatWindow);
        const std::size_t first = rule.kind == RuleKind::Hot ? 0 : 7;
        std::uint16_t mask = 0;
        for (std::size_t r = first; r < first + 3; ++r)
            mask = static_cast<std::uint16_t>(mask | Bit(ranking.order[r]));
        return mask;
    }
    case RuleKind::Fixed:
        return rule.digits;
    }
    return std::nullopt;
}

std::string PositionName(int position, int length)
{
    static const char* const kThree[] = {"百位", "十位", "个位"};
    if (length == 3)
        return kThree[position];
    return "第" + std::to_string(position + 1) + "位";
}

} // namespace

std::vector<DigitRule> StandardRules(int length, std::uint16_t fixed)
{
    std::vector<DigitRule> rules;
    if (length == 3) {
        for (std::uint8_t magic : kMagicOrder)
            rules.push_back({RuleKind::Magic, magic});
    }
    for (int back = 1; back <= kRuleMostBack; ++back)
        for (int position = 0; position < length; ++position)
            rules.push_back({RuleKind::Position, 0, position, back});
    for (RuleKind kind : {RuleKind::SumTail, RuleKind::Span, RuleKind::SumTailSpread, RuleKind::Hot, RuleKind::Cold})
        rules.push_back({kind});
    if (fixed & 0x3ff)
        rules.push_back({RuleKind::Fixed, 0, 0, 1, static_cast<std::uint16_t>(fixed & 0x3ff)});
    return rules;
}

std::string DigitsText(std::uint16_t mask)
{
    std::string text;
    for (int d = 0; d < 10; ++d) {
        if (mask & (1u << d)) {
            if (!text.empty())
                text += ' ';
            text += static_cast<char>('0' + d);
        }
    }
    return text;
}

std::string RuleLabel(const DigitRule& rule, int length)
{
    switch (rule.kind) {
    case RuleKind::Magic:
        for (int f = 0; f < kMagicFormulaCount; ++f)
            if (rule.magic == kMagicOrder[f])
                return std::string("魔数 ") + kMagicLabels[f];
        return "魔数";
    case RuleKind::Position:
        return "上" + std::to_string(rule.back) + "期" + PositionName(rule.position, length);
    case RuleKind::SumTail:
        return "和尾";
    case RuleKind::Span:
        return "跨度";
    case RuleKind::SumTailSpread:
        return "和尾±1";
    case RuleKind::Hot:
        return "热码（" + std::to_string(kRuleHeatWindow) + "期）";
    case RuleKind::Cold:
        return "冷码（" + std::to_string(kRuleHeatWindow) + "期）";
    case RuleKind::Fixed:
        return "固定 " + DigitsText(rule.digits);
    }
    return {};
}

std::optional<std::uint16_t> RuleDigits(const DigitRule& rule, std::span<const std::uint32_t> draws, int length,
                                        std::size_t t)
{
    if (t == 0 || t > draws.size())
        return std::nullopt;
    return DigitsAt(rule, draws, length, t, FiguresOf(draws.first(t), length));
}

std::vector<RuleCheck> CheckRules(std::span<const DigitRule> rules, std::span<const std::uint32_t> draws, int length,
                                  std::size_t last, GuessUse use)
{
    const DrawFigures figures = FiguresOf(draws, length);
    const std::size_t window = WindowSize(last, draws.size());
    const std::size_t start = draws.size() - window;
    std::vector<std::uint16_t> drawn(draws.size());
    for (std::size_t t = 0; t < draws.size(); ++t)
        drawn[t] = filter::DigitMask(filter::DigitsOf(draws[t], length).data(), length);

    std::vector<RuleCheck> checks;
    checks.reserve(rules.size());
    for (const DigitRule& rule : rules) {
        RuleCheck check;
        check.rule = rule;
        check.outcomes.assign(window, -1);
        GuessBaseline baseline(length, use);
        for (std::size_t t = start; t < draws.size(); ++t) {
            const std::optional<std::uint16_t> guessed = DigitsAt(rule, draws, length, t, figures);
            if (!guessed)
                continue;
            const bool hit = GuessHits(*guessed, drawn[t], use);
            check.outcomes[t - start] = hit ? 1 : 0;
            check.hits += hit ? 1 : 0;
            ++check.scored;
            baseline.Add(std::popcount(static_cast<unsigned>(*guessed)));
        }
        if (check.scored > 0)
            check.rate = {check.hits, check.scored};
        check.baseline = baseline.Mean();
        check.next = DigitsAt(rule, draws, length, draws.size(), figures);
        checks.push_back(std::move(check));
    }
    return checks;
}

} // namespace vesk::analysis
