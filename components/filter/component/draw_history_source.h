#pragma once
// The draw history the history conditions read: draws.txt in the host's data
// folder (environment directory 2). The file is read again whenever its size,
// modification time or inode changed since the last look, so draws the host
// added reach the engine without a restart.

#include "components/filter/engine/history_index.h"
#include "storage/draw_history_file.h"

#include <cstdint>
#include <optional>
#include <memory>
#include <string>
#include <vector>

namespace vesk::filter {

class DrawHistorySource {
public:
    // folder: the data folder, ending in "/" (may be empty: no history).
    DrawHistorySource(std::string folder, int length);

    // Looks at the file and reads it again when it changed; true when the
    // history is now different from before the call.
    bool Refresh();
    // Null when there is no file or it holds no draw.
    const HistoryIndex* History() const { return m_history.get(); }
    // The draws' periods, one per draw of History(), or empty when the file
    // does not give every draw one (PeriodsOf).
    const std::vector<std::uint64_t>& Periods() const { return m_periods; }
    // Grows by one on every change of History().
    std::uint64_t Version() const { return m_version; }

private:
    std::string m_path;
    int m_length;
    std::optional<FileStamp> m_stamp;
    std::unique_ptr<HistoryIndex> m_history;
    std::vector<std::uint64_t> m_periods;
    std::uint64_t m_version = 0;
};

} // namespace vesk::filter
