#include "components/filter/component/draw_history_source.h"

#include "components/filter/engine/backtest.h"

#include "numbers/draw_history.h"

#include <vector>

namespace vesk::filter {

DrawHistorySource::DrawHistorySource(std::string folder, int length)
    : m_path(folder.empty() ? std::string() : folder + kDrawHistoryFileName)
    , m_length(length)
{
}

bool DrawHistorySource::Refresh()
{
    if (m_path.empty())
        return false;
    const std::optional<FileStamp> stamp = StampOf(m_path);
    if (!stamp) {
        const bool had = m_history != nullptr;
        m_history.reset();
        m_periods.clear();
        m_stamp.reset();
        m_version += had ? 1 : 0;
        return had;
    }
    if (m_stamp == stamp)
        return false;
    m_stamp = stamp;
    std::unique_ptr<HistoryIndex> fresh;
    std::vector<std::uint64_t> periods;
    const DrawHistoryRead read = ReadDrawHistoryFile(m_path, m_length);
    if (read.history && !read.history->Empty()) {
        fresh = std::make_unique<HistoryIndex>(read.history->Codes(), m_length);
        periods = PeriodsOf(read.history->Draws());
    }
    m_history = std::move(fresh);
    m_periods = std::move(periods);
    ++m_version;
    return true;
}

} // namespace vesk::filter
