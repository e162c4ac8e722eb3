#include "app/services/draw_history_file.h"

#include "app/services/safe_file.h"

namespace vesk::app {
namespace {

// A history of a few decades of daily draws is well below this.
constexpr std::size_t kMaxHistoryBytes = 16u << 20;

} // namespace

std::optional<DrawHistory> LoadDrawHistory(const std::string& path, int length)
{
    const std::optional<Bytes> bytes = ReadSmallFile(path, kMaxHistoryBytes);
    if (!bytes)
        return std::nullopt;
    DrawHistory history = DrawHistory::Parse(*bytes, length);
    if (history.Empty())
        return std::nullopt;
    return history;
}

} // namespace vesk::app
