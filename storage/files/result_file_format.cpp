#include "storage/files/result_file_format.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vesk::files {

ResultFileFormat FormatOfPath(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos)
        return ResultFileFormat::Other;
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "txt")
        return ResultFileFormat::NumberText;
    if (extension == "flt")
        return ResultFileFormat::FilterData;
    if (extension == "xls")
        return ResultFileFormat::Spreadsheet;
    return ResultFileFormat::Other;
}

} // namespace vesk::files
