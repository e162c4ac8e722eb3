#include "app/services/library_name.h"

#include <algorithm>
#include <string_view>

namespace vesk::app {
namespace {

std::string FieldText(const char (&field)[16])
{
    const char* end = std::find(field, field + 16, '\0');
    return std::string(field, end);
}

bool IsSafeStemChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
}

} // namespace

std::optional<std::string> LibraryFileName(const ModuleNameRecord& record)
{
    std::string stem = FieldText(record.fileName);
    if (const std::size_t dot = stem.rfind('.'); dot != std::string::npos)
        stem.resize(dot);
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    if (stem.empty() || stem.front() == '.' || !std::all_of(stem.begin(), stem.end(), IsSafeStemChar))
        return std::nullopt;
    return "lib" + stem + ".so";
}

std::string InterfaceName(const ModuleNameRecord& record) { return FieldText(record.interfaceName); }

} // namespace vesk::app
