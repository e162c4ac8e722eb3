#include "storage/files/result_file.h"

#include "numbers/text_encoding.h"
#include "storage/safe_file.h"
#include "storage/files/filter_data_file.h"
#include "storage/files/number_text_file.h"

#include <new>

namespace vesk::files {

namespace {

LoadResult LoadText(std::string text, NumberList& list)
{
    if (text.empty())
        return {LoadStatus::EmptyText, {}};
    PrepareNumberText(text);
    if (list.ParseText(text, 0, true) < 0)
        return {LoadStatus::OutOfMemory, "not enough memory for the numbers"};
    return {LoadStatus::Loaded, {}};
}

LoadResult LoadFilterData(const std::string& bytes, NumberList& list)
{
    if (bytes.empty())
        return {LoadStatus::EmptyFilterFile, "the filter data file is empty"};
    const FilterDataResult read
        = ReadFilterData({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, list);
    switch (read.status) {
    case ReadStatus::Complete:
        return {LoadStatus::Loaded, {}};
    case ReadStatus::Truncated:
        return {LoadStatus::Truncated, {}};
    case ReadStatus::OutOfMemory:
        return {LoadStatus::OutOfMemory, read.error};
    default:
        return {LoadStatus::Damaged, "damaged filter data: " + read.error};
    }
}

} // namespace

LoadResult LoadResultFile(const std::string& path, NumberList& list)
{
    FileBytes file;
    try {
        file = ReadFileBytes(path);
    } catch (const std::bad_alloc&) {
        // A file larger than memory, picked by mistake: a message, no change.
        return {LoadStatus::OutOfMemory, "the file does not fit in memory"};
    }
    if (!file.ok)
        return {LoadStatus::CannotRead, file.error};
    if (FormatOfPath(path) == ResultFileFormat::NumberText)
        return LoadText(std::move(file.bytes), list);
    return LoadFilterData(file.bytes, list);
}

SaveResult SaveResultFile(const std::string& path, const NumberList& list, std::uint32_t perLine,
                          const SpreadsheetColumns& columns)
{
    FileResult written;
    switch (FormatOfPath(path)) {
    case ResultFileFormat::NumberText:
        written = WriteFileSafely(path, FormatNumberText(list, perLine));
        break;
    case ResultFileFormat::FilterData:
        written = WriteFileSafely(path, EncodeFilterData(list));
        break;
    case ResultFileFormat::Spreadsheet:
        written = WriteResultSpreadsheet(path, list, columns);
        break;
    default:
        return {false, "the extension is not .txt, .flt or .xls"};
    }
    return {written.ok, written.message, written.error};
}

} // namespace vesk::files
