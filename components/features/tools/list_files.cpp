#include "components/features/tools/list_files.h"

#include "components/features/analysis/number_entry.h"
#include "components/filter/engine/digits.h"
#include "storage/files/number_text_file.h"
#include "storage/files/result_file.h"
#include "storage/files/result_file_format.h"
#include "storage/safe_file.h"
#include "storage/save_report.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace vesk::tools {

namespace {

// Far beyond any list of the game (every 8-digit number, one a line).
constexpr std::size_t kMaxListFileBytes = std::size_t{1} << 30;

ListFile ReadFilterDataFile(const std::string& path, const std::string& name, int gameLength)
{
    ListFile file;
    NumberList list(gameLength);
    const files::LoadResult loaded = files::LoadResultFile(path, list);
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

} // namespace

ListFile ReadListFile(const std::string& path, int gameLength)
{
    const std::string name = std::filesystem::path(path).filename().string();
    if (files::FormatOfPath(path) == files::ResultFileFormat::FilterData)
        return ReadFilterDataFile(path, name, gameLength);

    // Text is read as typed entry reads it, line by line, so a table of
    // figures beside numbers is refused instead of read as other numbers.
    ListFile file;
    const FileBytes bytes = ReadFileBytes(path, kMaxListFileBytes);
    if (!bytes.ok) {
        file.error = name + "：无法读取号码文件（" + bytes.error + "）";
        return file;
    }
    std::string_view text = bytes.bytes;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        analysis::NumberEntry entry = analysis::ParseNumberEntry(line, gameLength);
        if (!entry.Ok()) {
            file.codes.clear();
            file.error = name + " 第 " + std::to_string(lineNumber) + " 行：" + entry.error + "，文件未载入";
            return file;
        }
        file.codes.insert(file.codes.end(), entry.codes.begin(), entry.codes.end());
    }
    // As the result page loads number text: ascending, once each.
    std::sort(file.codes.begin(), file.codes.end());
    file.codes.erase(std::unique(file.codes.begin(), file.codes.end()), file.codes.end());
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
    return saved.ok ? std::string() : SaveFailedText(path, FileResult{false, saved.error, saved.errorNumber});
}

} // namespace vesk::tools
