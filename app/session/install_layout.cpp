#include "app/session/install_layout.h"

#include <filesystem>

namespace vesk::app {

InstallLayout InstallLayout::FromExecutableFolder(const std::string& executableFolder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path prefix = fs::weakly_canonical(fs::path(executableFolder) / "..", error);
    if (error)
        prefix = fs::path(executableFolder) / "..";
    const std::string base = prefix.string() + "/";
    return {base + "plugins/", base + "data/S3Cdt.dat", base, base + "data/draws-3d.txt"};
}

} // namespace vesk::app
