#include "components/features/analysis/chance_verdict.h"

#include "components/filter/engine/binomial.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vesk::analysis {

ChanceTest JudgeAgainstChance(std::int64_t hits, std::size_t scored, const Figure& baseline)
{
    if (scored == 0 || hits < 0)
        return {};
    const auto k = static_cast<std::uint64_t>(hits);
    const double chance = baseline.Value();
    const double above = filter::BinomialAtLeast(k, scored, chance);
    if (above < filter::kChanceLevel)
        return {ChanceVerdict::Higher, above};
    const double below = filter::BinomialAtMost(k, scored, chance);
    if (below < filter::kChanceLevel)
        return {ChanceVerdict::Lower, below};
    return {ChanceVerdict::WithinChance, above};
}

std::string VerdictWord(ChanceVerdict verdict)
{
    switch (verdict) {
    case ChanceVerdict::Higher:
        return "高于随机";
    case ChanceVerdict::Lower:
        return "低于随机";
    case ChanceVerdict::WithinChance:
        return "在随机波动之内";
    default:
        return "-";
    }
}

ShareInterval Wilson95(std::int64_t count, std::int64_t n)
{
    if (n <= 0)
        return {};
    constexpr double z = 1.959963984540054;
    const double size = static_cast<double>(n);
    const double share = static_cast<double>(count) / size;
    const double scale = 1 + z * z / size;
    const double centre = (share + z * z / (2 * size)) / scale;
    const double half = z * std::sqrt(share * (1 - share) / size + z * z / (4 * size * size)) / scale;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::string IntervalText(std::int64_t count, std::int64_t n)
{
    if (n <= 0)
        return "-";
    const ShareInterval interval = Wilson95(count, n);
    char text[48];
    std::snprintf(text, sizeof text, "%.1f%%–%.1f%%", interval.low * 100, interval.high * 100);
    return text;
}

std::string HitsText(std::int64_t hits, std::size_t scored, const Figure& baseline)
{
    const Figure rate{hits, static_cast<std::int64_t>(scored == 0 ? 1 : scored)};
    return "命中 " + std::to_string(hits) + " 期 " + FormatFigure(rate, 1, 100) + "% · 随机基准 " +
           FormatFigure(baseline, 1, 100) + "%" + (scored < kFewScored ? kFewScoredNote : "");
}

std::string BackTestText(const std::string& label, const std::string& windowText, std::int64_t hits,
                         std::size_t scored, const Figure& baseline)
{
    const ChanceTest test = JudgeAgainstChance(hits, scored, baseline);
    std::string text = label + " " + windowText;
    if (test.verdict == ChanceVerdict::NothingScored)
        return text + "：没有可计分的期（方法需要更早的开奖）";
    return text + "（计分" + std::to_string(scored) + "期）：" + HitsText(hits, scored, baseline) + " · 单侧 p = " +
           filter::PValueText(test.p) + " · " + VerdictWord(test.verdict);
}

std::string InSampleText(const std::string& windowText, std::int64_t hits, std::size_t scored, const Figure& baseline)
{
    std::string text = "挑选所用 " + windowText;
    if (scored == 0)
        return text + "：没有可计分的期（方法需要更早的开奖）";
    return text + "（计分" + std::to_string(scored) + "期）：" + HitsText(hits, scored, baseline) +
           "（是看着这些期选的，这里的命中率说明不了好坏）";
}

} // namespace vesk::analysis
