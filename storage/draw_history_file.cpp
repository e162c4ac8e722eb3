#include "storage/draw_history_file.h"

#include "storage/safe_file.h"

#include <cerrno>
#include <sys/stat.h>

namespace vesk {

DrawHistoryRead ReadDrawHistoryFile(const std::string& path, int length)
{
    DrawHistoryRead result;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
        result.missing = true;
        result.history = DrawHistory({}, length);
        return result;
    }
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        result.error = "无法读取开奖号码文件 " + path + "（不是普通文件）";
        return result;
    }
    const FileBytes bytes = ReadFileBytes(path, kMaxDrawHistoryBytes);
    if (!bytes.ok) {
        result.error = "无法读取开奖号码文件 " + path
            + (bytes.errorNumber == EFBIG ? std::string("（大于 64 MB）") : "（" + bytes.error + "）");
        return result;
    }
    result.history = DrawHistory::Parse(
        {reinterpret_cast<const std::uint8_t*>(bytes.bytes.data()), bytes.bytes.size()}, length);
    return result;
}

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(info.st_size), static_cast<std::int64_t>(info.st_mtim.tv_sec),
                     static_cast<std::int64_t>(info.st_mtim.tv_nsec), static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::uint64_t>(info.st_dev)};
}

} // namespace vesk
