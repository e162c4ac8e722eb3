#include "app/services/draw_history_file.h"

#include "numbers/draw_import.h"
#include "storage/draw_history_file.h"

#include <cerrno>

namespace vesk::app {

std::optional<DrawHistory> LoadDrawHistory(const std::string& path, int length)
{
    DrawHistoryRead read = ReadDrawHistoryFile(path, length);
    if (!read.history || read.history->Empty())
        return std::nullopt;
    return std::move(read.history);
}

HistoryBytes ReadHistoryBytes(const std::string& path)
{
    const FileBytes read = ReadFileBytes(path, kMaxDrawHistoryBytes);
    if (!read.ok && read.errorNumber == ENOENT)
        return {{}, "没有开奖号码文件 " + path, true};
    if (!read.ok)
        return {{}, "无法读取开奖号码文件 " + path + "（不是普通文件、无权读取或大于 64 MB）", false};
    return {Bytes(read.bytes.begin(), read.bytes.end()), {}, false};
}

HistoryForChange ReadHistoryForChange(const std::string& path, int length)
{
    DrawHistoryRead read = ReadDrawHistoryFile(path, length);
    if (!read.history)
        return {DrawHistory({}, length), read.error};
    return {std::move(*read.history), {}};
}

FileResult SaveDrawHistory(const std::string& path, const DrawHistory& history)
{
    return WriteFileSafely(path, FormatDrawHistory(history));
}

} // namespace vesk::app
