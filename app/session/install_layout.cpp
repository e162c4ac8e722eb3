#include "app/session/install_layout.h"

#include <filesystem>

namespace vesk::app {
namespace {

namespace fs = std::filesystem;

std::string FolderOf(const fs::path& path)
{
    std::error_code error;
    fs::path folder = fs::weakly_canonical(path, error);
    if (error)
        folder = path.lexically_normal();
    std::string text = folder.string();
    if (text.empty() || text.back() != '/')
        text += '/';
    return text;
}

InstallLayout WithResources(std::string plugins, std::string resources)
{
    return {std::move(plugins), resources + "data/S3Cdt.dat", resources, resources + "data/draws-3d.txt"};
}

} // namespace

InstalledFolders BuiltInstalledFolders()
{
#if defined(VESK_INSTALL_PLUGINS_FROM_BIN) && defined(VESK_INSTALL_RESOURCES_FROM_BIN)
    return {VESK_INSTALL_PLUGINS_FROM_BIN, VESK_INSTALL_RESOURCES_FROM_BIN};
#else
    return {"../lib/3dvesk", "../share/3dvesk"};
#endif
}

InstallLayout InstallLayout::FromExecutableFolder(const std::string& executableFolder, const InstalledFolders& installed)
{
    const fs::path program(executableFolder);
    std::error_code error;
    if (!installed.plugins.empty() && fs::is_directory(program / installed.plugins, error))
        return WithResources(FolderOf(program / installed.plugins), FolderOf(program / installed.resources));
    const std::string build = FolderOf(program / "..");
    return WithResources(build + "plugins/", build);
}

} // namespace vesk::app
