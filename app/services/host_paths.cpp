#include "app/services/host_paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vesk::app {
namespace {

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// The XDG rule: an unset, empty or relative variable is ignored.
std::string XdgBase(const char* variable, const char* fallbackBelowHome)
{
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return WithSlash(value);
    const char* home = std::getenv("HOME");
    return WithSlash(std::string(home && home[0] ? home : "/tmp") + "/" + fallbackBelowHome);
}

} // namespace

HostPaths HostPaths::FromEnvironment()
{
    return {XdgBase("XDG_DATA_HOME", ".local/share") + "3dvesk/",
            XdgBase("XDG_STATE_HOME", ".local/state") + "3dvesk/",
            XdgBase("XDG_CONFIG_HOME", ".config") + "3dvesk/options/"};
}

HostPaths HostPaths::UnderRoot(const std::string& root)
{
    const std::string base = WithSlash(root);
    return {base + "data/", base + "state/", base + "options/"};
}

bool EnsureFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error && std::filesystem::is_directory(folder, error);
}

} // namespace vesk::app
