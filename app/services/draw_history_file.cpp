#include "app/services/draw_history_file.h"

#include "numbers/draw_import.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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

HistoryBytes ReadHistoryBytes(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT)
        return {{}, "没有开奖号码文件 " + path, true};
    std::optional<Bytes> bytes = ReadSmallFile(path, kMaxHistoryBytes);
    if (!bytes)
        return {{}, "无法读取开奖号码文件 " + path + "（不是普通文件、无权读取或大于 16 MB）", false};
    return {std::move(*bytes), {}, false};
}

HistoryForChange ReadHistoryForChange(const std::string& path, int length)
{
    const HistoryBytes read = ReadHistoryBytes(path);
    if (read.missing)
        return {DrawHistory({}, length), {}};
    if (!read.error.empty())
        return {DrawHistory({}, length), read.error};
    return {DrawHistory::Parse(read.bytes, length), {}};
}

FileResult SaveDrawHistory(const std::string& path, const DrawHistory& history)
{
    const std::string text = FormatDrawHistory(history);
    return WriteFileSafely(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

} // namespace vesk::app
