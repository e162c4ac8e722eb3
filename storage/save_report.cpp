#include "storage/save_report.h"

#include <cerrno>
#include <cstring>

namespace vesk {
namespace {

std::string ReasonOf(int error)
{
    switch (error) {
    case ENOENT:
        return "文件夹不存在";
    case ENOTDIR:
        return "路径中有一段不是文件夹";
    case EACCES:
    case EPERM:
        return "没有写入权限";
    case EROFS:
        return "磁盘只读";
    case ENOSPC:
    case EDQUOT:
        return "磁盘空间不足";
    case EIO:
        return "写入磁盘出错";
    case EISDIR:
        return "同名的是文件夹";
    default:
        return std::strerror(error);
    }
}

std::string Compose(const std::string& path, const std::string& reason)
{
    return "保存失败：" + path + "（" + reason + "），原文件未改动";
}

} // namespace

std::string SaveFailedText(const std::string& path, const FileResult& result)
{
    if (result.error == 0)
        return Compose(path, result.message.empty() ? std::string("未知原因") : result.message);
    return Compose(path, ReasonOf(result.error));
}

std::string SaveFailedText(const std::string& path, int error)
{
    return Compose(path, ReasonOf(error));
}

std::string ExportedText(const std::string& path)
{
    return "已导出到 " + path;
}

} // namespace vesk
