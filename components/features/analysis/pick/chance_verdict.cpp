#include "components/features/analysis/pick/chance_verdict.h"

#include <cmath>

namespace vesk::analysis {

ChanceVerdict JudgeAgainstChance(std::int64_t hits, std::size_t scored, const Figure& baseline)
{
    if (scored == 0)
        return ChanceVerdict::NothingScored;
    const Figure rate{hits, static_cast<std::int64_t>(scored)};
    if (rate.Compare(baseline) <= 0)
        return ChanceVerdict::NoBetter;
    const double n = static_cast<double>(scored);
    const double p = baseline.Value();
    const double spread = std::sqrt(n * p * (1 - p));
    // A baseline of 0 or 1 leaves no room for chance: any excess is real.
    if (spread == 0)
        return ChanceVerdict::Better;
    return (static_cast<double>(hits) - n * p) / spread >= 2 ? ChanceVerdict::Better : ChanceVerdict::WithinChance;
}

std::string BackTestText(const std::string& windowText, std::int64_t hits, std::size_t scored, const Figure& baseline)
{
    const ChanceVerdict verdict = JudgeAgainstChance(hits, scored, baseline);
    std::string text = "回测 " + windowText;
    if (verdict == ChanceVerdict::NothingScored)
        return text + "：没有可计分的期（方法需要更早的开奖）";
    const Figure rate{hits, static_cast<std::int64_t>(scored)};
    text += "（计分" + std::to_string(scored) + "期）：命中 " + std::to_string(hits) + " 期 " + FormatFigure(rate, 1, 100) +
            "% · 随机基准 " + FormatFigure(baseline, 1, 100) + "% · ";
    switch (verdict) {
    case ChanceVerdict::NoBetter:
        return text + "不比随机好";
    case ChanceVerdict::WithinChance:
        return text + "高出部分在随机波动之内";
    default:
        return text + "明显高于随机";
    }
}

} // namespace vesk::analysis
