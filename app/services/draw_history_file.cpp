#include "app/services/draw_history_file.h"

#include "numbers/draw_import.h"
#include "storage/draw_history_file.h"

namespace vesk::app {

std::optional<DrawHistory> LoadDrawHistory(const std::string& path, int length)
{
    DrawHistoryRead read = ReadDrawHistoryFile(path, length);
    if (!read.history || read.history->Empty())
        return std::nullopt;
    return std::move(read.history);
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
