#include "components/features/tools/list_files.h"

#include "components/filter/engine/digits.h"
#include "storage/files/number_text_file.h"
#include "storage/files/result_file.h"

#include <filesystem>

namespace vesk::tools {

ListFile ReadListFile(const std::string& path, int gameLength)
{
    ListFile file;
    const std::string name = std::filesystem::path(path).filename().string();
    NumberList list(gameLength);
    const files::LoadResult loaded = files::LoadResultFile(path, list);
    if (loaded.status == files::LoadStatus::EmptyText)
        return file; // an empty list
    if (!loaded.Loaded()) {
        file.error = name + "：无法读取号码文件" + (loaded.error.empty() ? "" : "（" + loaded.error + "）");
        return file;
    }
    if (list.Count() > 0 && list.Length() != gameLength) {
        file.error = name + "：文件中是 " + std::to_string(list.Length()) + " 位号码，当前是 " +
                     std::to_string(gameLength) + " 位号码";
        return file;
    }
    file.codes.reserve(list.Count());
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        file.codes.push_back(list.ToValue(i));
    return file;
}

namespace {

bool FillList(const std::vector<std::uint32_t>& codes, int length, NumberList& list)
{
    if (!list.Resize(static_cast<std::uint32_t>(codes.size()), length))
        return false;
    for (std::uint32_t i = 0; i < codes.size(); ++i)
        if (!list.SetAt(i, filter::DigitsOf(codes[i], length).data()))
            return false;
    return true;
}

} // namespace

std::string ListText(const std::vector<std::uint32_t>& codes, int length)
{
    NumberList list(length);
    return FillList(codes, length, list) ? files::FormatNumberText(list, 1) : std::string();
}

std::string SaveListFile(const std::string& path, const std::vector<std::uint32_t>& codes, int length)
{
    NumberList list(length);
    if (!FillList(codes, length, list))
        return "内存不足";
    const files::SaveResult saved = files::SaveResultFile(path, list, files::kDefaultPerLine);
    return saved.ok ? std::string() : saved.error;
}

} // namespace vesk::tools
