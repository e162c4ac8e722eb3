#include "components/filter/window/set_file.h"

#include "components/filter/engine/condition_set_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vesk::filter {
namespace {

constexpr std::uintmax_t kMaxSetFileBytes = 16u << 20;

} // namespace

SetFileRead ReadSetFile(const std::string& path, int length, PageKind kind)
{
    SetFileRead result;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        result.error = "无法打开文件 " + path;
        return result;
    }
    if (size > kMaxSetFileBytes) {
        result.error = "文件过大，不是条件方案";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        result.error = "无法读取文件 " + path;
        return result;
    }
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
    const std::string part = path + ".part";
    const std::string text = WriteConditionSet(set);
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (out.fail()) {
            std::remove(part.c_str());
            return "无法写入文件 " + path;
        }
    }
    std::error_code error;
    std::filesystem::rename(part, path, error);
    if (error) {
        std::remove(part.c_str());
        return "无法写入文件 " + path + "：" + error.message();
    }
    return {};
}

} // namespace vesk::filter
