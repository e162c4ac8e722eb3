#include "components/features/analysis/digit_guess.h"

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

Figure GuessBaseline::Mean() const
{
    if (m_draws == 0)
        return {};
    return {m_favourable, m_space * m_draws};
}

} // namespace vesk::analysis
