#include "components/features/pick/method_help.h"

#include "components/features/analysis/pick/digit_ranking.h"

#include <QStringList>

#include <array>

namespace vesk::pick {

QString MethodHelp(analysis::PickMethod method)
{
    using M = analysis::PickMethod;
    switch (method) {
    case M::Neighbour:
        return QStringLiteral("传：上期开出的数字；邻：不是传码，但与上期某个数字相差 1（0 与 9 不相邻）；孤：其余数字。"
                              "形态按 传、邻、孤 的个数写：“210”是 2 个传码、1 个邻码、0 个孤码。");
    case M::RepeatSkip:
        return QStringLiteral("复：上期开出的数字；隔：上上期开出、上期没有开出的数字；中：其余数字。"
                              "形态按 复、隔、中 的个数写：“120”是 1 个复码、2 个隔码、0 个中码。");
    case M::HotCold:
        return QStringLiteral("按近 W 期各数字出现的次数排序（112 中的 1 算两次）：次数多的在前，次数相同时最近一次出现较晚的在前，"
                              "再相同时小数字在前；前 3 个为热，其后 4 个为温，最后 3 个为冷。"
                              "形态按 热、温、冷 的个数写：“111”是热、温、冷各 1 个。");
    case M::Pyramid:
        return QStringLiteral("按近 W 期出现次数排序（排法同热温冷），依次分为第 1 层 1 个、第 2 层 2 个、第 3 层 3 个、第 4 层 4 个数字。"
                              "形态是号码各位数字所在的层，从小到大写：“124”是第 1、2、4 层各一个。");
    case M::Follow:
        return QStringLiteral("跟随码：近 W 期中，紧跟在上期各数字之后开出次数最多的前 K 个数字（分数相同取小数字）。"
                              "形态是号码中跟随码的个数：“2”是有 2 位是跟随码。");
    case M::Magic:
        return QStringLiteral("魔数：用上期号码 a b c 按勾选的公式算出的数字（和取个位）。"
                              "形态是号码中魔数的个数：“2”是有 2 位是魔数。");
    case M::Position:
        return QStringLiteral("每一位勾选要的数字，得到这些数字的复式。");
    }
    return {};
}

QString RankingLine(analysis::PickMethod method, const features::HistoryDraws& draws, int length, std::size_t window)
{
    if ((method != analysis::PickMethod::HotCold && method != analysis::PickMethod::Pyramid) || draws.codes.empty())
        return {};
    const std::size_t end = draws.codes.size();
    const analysis::DigitRanking ranking = analysis::RankDigits(draws.codes, length, end, window);
    // How many draws ago each digit last came within those draws.
    std::array<std::size_t, analysis::kDigitCount> age{};
    age.fill(0);
    std::array<bool, analysis::kDigitCount> seen{};
    for (std::size_t back = 0; back < ranking.drawsUsed; ++back) {
        std::uint32_t code = draws.codes[end - 1 - back];
        for (int p = 0; p < length; ++p, code /= 10) {
            const auto d = static_cast<std::size_t>(code % 10);
            if (!seen[d]) {
                seen[d] = true;
                age[d] = back;
            }
        }
    }
    QStringList parts;
    for (int rank = 0; rank < analysis::kDigitCount; ++rank) {
        const auto d = static_cast<std::size_t>(ranking.order[static_cast<std::size_t>(rank)]);
        parts << (seen[d] ? QStringLiteral("%1（%2次，%3期前）").arg(d).arg(ranking.counts[d]).arg(age[d] + 1)
                          : QStringLiteral("%1（0次）").arg(d));
    }
    return QStringLiteral("近 %1 期排序：").arg(ranking.drawsUsed) + parts.join(QStringLiteral(" > "));
}

} // namespace vesk::pick
