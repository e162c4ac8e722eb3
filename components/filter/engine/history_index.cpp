#include "components/filter/engine/history_index.h"

#include "components/filter/engine/digits.h"

namespace vesk::filter {

namespace {

std::vector<Draw> DrawsOf(std::span<const std::uint32_t> codes)
{
    std::vector<Draw> draws;
    draws.reserve(codes.size());
    for (std::uint32_t code : codes)
        draws.push_back({std::nullopt, code});
    return draws;
}

} // namespace

HistoryIndex::HistoryIndex(std::span<const std::uint32_t> draws, int length)
    : m_history(DrawsOf(draws), length)
{
    m_masks.reserve(m_history.Size());
    for (std::uint32_t code : m_history.Codes())
        m_masks.push_back(DigitMask(DigitsOf(code, Length()).data(), Length()));
}

std::uint16_t HistoryIndex::RecentDigits(int window) const
{
    std::uint16_t mask = 0;
    const std::size_t count = std::min(m_masks.size(), static_cast<std::size_t>(std::max(window, 0)));
    for (std::size_t i = m_masks.size() - count; i < m_masks.size(); ++i)
        mask = static_cast<std::uint16_t>(mask | m_masks[i]);
    return mask;
}

} // namespace vesk::filter
