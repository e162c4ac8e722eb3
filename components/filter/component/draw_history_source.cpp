#include "components/filter/component/draw_history_source.h"

#include "components/filter/engine/backtest.h"

#include "numbers/draw_history.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace vesk::filter {
namespace {

// A draw file of the 3-digit game with a draw a day for centuries stays far
// below this; anything larger is not a draw file.
constexpr std::uintmax_t kMaxDrawFileBytes = 64u << 20;

} // namespace

DrawHistorySource::DrawHistorySource(std::string folder, int length)
    : m_path(folder.empty() ? std::string() : folder + kDrawHistoryFileName)
    , m_length(length)
{
}

bool DrawHistorySource::Refresh()
{
    if (m_path.empty())
        return false;
    std::error_code error;
    const auto size = std::filesystem::file_size(m_path, error);
    const auto time = error ? std::filesystem::file_time_type{} : std::filesystem::last_write_time(m_path, error);
    if (error) {
        const bool had = m_history != nullptr;
        m_history.reset();
        m_periods.clear();
        m_seen = false;
        m_version += had ? 1 : 0;
        return had;
    }
    if (m_seen && size == m_size && time == m_time)
        return false;
    m_seen = true;
    m_size = size;
    m_time = time;
    std::unique_ptr<HistoryIndex> fresh;
    std::vector<std::uint64_t> periods;
    if (size <= kMaxDrawFileBytes) {
        std::ifstream in(m_path, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const DrawHistory history = DrawHistory::Parse(bytes, m_length);
        if (!history.Empty()) {
            fresh = std::make_unique<HistoryIndex>(history.Codes(), m_length);
            periods = PeriodsOf(history.Draws());
        }
    }
    m_history = std::move(fresh);
    m_periods = std::move(periods);
    ++m_version;
    return true;
}

} // namespace vesk::filter
