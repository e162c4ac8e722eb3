#include "numbers/draw_history.h"

#include "numbers/digit_packing.h"
#include "numbers/number_length.h"

namespace vesk {
namespace {

int DigitSum(std::uint32_t code)
{
    int sum = 0;
    for (; code > 0; code /= 10)
        sum += static_cast<int>(code % 10);
    return sum;
}

} // namespace

DrawHistory::DrawHistory(std::vector<Draw> draws, int length)
    : m_length(IsValidNumberLength(length) ? length : kDefaultDrawLength)
{
    const std::uint32_t limit = PowerOfTen(m_length);
    if (!IsValidNumberLength(length))
        draws.clear();
    std::erase_if(draws, [limit](const Draw& draw) { return draw.code >= limit; });
    m_draws = std::move(draws);
    m_codes.reserve(m_draws.size());
    for (const Draw& draw : m_draws)
        m_codes.push_back(draw.code);

    // Walking back from the newest draw, the first sighting fixes the age.
    const int total = static_cast<int>(m_codes.size());
    m_sumAge.assign(static_cast<std::size_t>(9 * m_length + 1), total);
    std::vector<bool> sumSeen(m_sumAge.size());
    for (int age = 0; age < total; ++age) {
        const std::uint32_t code = m_codes[static_cast<std::size_t>(total - 1 - age)];
        m_numberAge.try_emplace(code, age);
        m_groupAge.try_emplace(digits::GroupValue(digits::Pack(code, m_length), m_length), age);
        const auto sum = static_cast<std::size_t>(DigitSum(code));
        if (!sumSeen[sum]) {
            sumSeen[sum] = true;
            m_sumAge[sum] = age;
        }
    }
}

DrawHistory DrawHistory::Parse(std::span<const std::uint8_t> text, int length)
{
    std::vector<Draw> draws;
    ForEachDrawLine(text, length, [&draws](std::size_t, const DrawLine& line) {
        if (line.kind == DrawLineKind::Draw)
            draws.push_back(line.draw);
    });
    return DrawHistory(std::move(draws), length);
}

int DrawHistory::AgeOf(const std::unordered_map<std::uint32_t, int>& ages, std::uint32_t key) const
{
    const auto found = ages.find(key);
    return found != ages.end() ? found->second : static_cast<int>(m_codes.size());
}

int DrawHistory::NumberOmission(long long code) const
{
    if (code < 0 || code >= static_cast<long long>(PowerOfTen(m_length)))
        return -1;
    return AgeOf(m_numberAge, static_cast<std::uint32_t>(code));
}

int DrawHistory::GroupOmission(long long groupCode) const
{
    if (groupCode < 0 || groupCode >= static_cast<long long>(PowerOfTen(m_length)))
        return -1;
    const auto code = static_cast<std::uint32_t>(groupCode);
    if (digits::GroupValue(digits::Pack(code, m_length), m_length) != code)
        return -1;
    return AgeOf(m_groupAge, code);
}

int DrawHistory::SumOmission(int sum) const
{
    if (sum < 0 || static_cast<std::size_t>(sum) >= m_sumAge.size())
        return -1;
    return m_sumAge[static_cast<std::size_t>(sum)];
}

} // namespace vesk
