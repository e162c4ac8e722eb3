#include "module/core/program_search.h"

#include <unistd.h>

#include <filesystem>

namespace vesk {

std::optional<std::string> FindProgram(std::string_view searchPath, std::span<const char* const> programs)
{
    for (const char* program : programs) {
        std::string_view rest = searchPath;
        while (true) {
            const std::size_t colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            const std::filesystem::path candidate =
                std::filesystem::path(folder.empty() ? "." : std::string(folder)) / program;
            std::error_code ec;
            if (std::filesystem::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0)
                return candidate.string();
            if (colon == std::string_view::npos)
                break;
            rest.remove_prefix(colon + 1);
        }
    }
    return std::nullopt;
}

} // namespace vesk
