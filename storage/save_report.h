#pragma once
// The words every save and export shows, so a failure reads the same
// wherever it happens and names what the user has to fix.

#include "storage/safe_file.h"

#include <string>

namespace vesk {

// "保存失败：<path>（<reason>），原文件未改动"
std::string SaveFailedText(const std::string& path, const FileResult& result);
// Same, for a failure that has only an errno (e.g. a folder that cannot be made).
std::string SaveFailedText(const std::string& path, int error);

// "已导出到 <path>"
std::string ExportedText(const std::string& path);

} // namespace vesk
