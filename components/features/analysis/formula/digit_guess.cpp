#include "components/features/analysis/formula/digit_guess.h"

namespace vesk::analysis {

std::int64_t DrawsWithoutGuess(int k, int length)
{
    std::int64_t count = 1;
    for (int i = 0; i < length; ++i)
        count *= 10 - k;
    return count;
}

GuessBaseline::GuessBaseline(int length, GuessUse use)
    : m_length(length), m_use(use), m_space(DrawsWithoutGuess(0, length))
{
}

void GuessBaseline::Add(int guessSize)
{
    const std::int64_t missed = DrawsWithoutGuess(guessSize, m_length);
    m_favourable += m_use == GuessUse::Kill ? missed : m_space - missed;
    ++m_draws;
}

std::string FormatAboveBaseline(const Figure& rate, const Figure& baseline)
{
    const int order = rate.Compare(baseline);
    const Figure& high = order < 0 ? baseline : rate;
    const Figure& low = order < 0 ? rate : baseline;
    const WideInt num = static_cast<WideInt>(high.num) * low.den - static_cast<WideInt>(low.num) * high.den;
    const WideInt den = static_cast<WideInt>(high.den) * low.den;
    // Tenths of a percentage point, half up.
    const auto tenths = static_cast<long long>((2 * num * 1000 + den) / (2 * den));
    if (tenths == 0)
        return "0.0";
    std::string text(1, order < 0 ? '-' : '+');
    text.append(std::to_string(tenths / 10)).append(1, '.').append(1, static_cast<char>('0' + tenths % 10));
    return text;
}

Figure GuessBaseline::Mean() const
{
    if (m_draws == 0)
        return {};
    return {m_favourable, m_space * m_draws};
}

} // namespace vesk::analysis
