#include "components/filter/window/set_file.h"

#include "components/filter/engine/condition_set_file.h"
#include "storage/safe_file.h"
#include "storage/save_report.h"

#include <cerrno>

namespace vesk::filter {
namespace {

constexpr std::uintmax_t kMaxSetFileBytes = 16u << 20;

} // namespace

SetFileRead ReadSetFile(const std::string& path, int length, PageKind kind)
{
    SetFileRead result;
    const FileBytes bytes = ReadFileBytes(path, kMaxSetFileBytes);
    if (!bytes.ok) {
        result.error = bytes.errorNumber == EFBIG ? "文件过大，不是条件方案" : "无法打开文件 " + path;
        return result;
    }
    const std::string& text = bytes.bytes;
    SetReadResult read = ReadConditionSet(text, length);
    if (!read.set) {
        result.error = "不是可用的条件方案：" + read.error;
        return result;
    }
    if (auto refused = CheckSetForPage(*read.set, kind)) {
        result.error = *refused;
        return result;
    }
    result.set = std::move(read.set);
    return result;
}

std::string WriteSetFile(const std::string& path, const ConditionSet& set)
{
    const FileResult written = WriteFileSafely(path, WriteConditionSet(set));
    return written.ok ? std::string() : SaveFailedText(path, written);
}

} // namespace vesk::filter
