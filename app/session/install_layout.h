#pragma once
// Where the host finds its plug-ins, skin images, catalogue and sample draw
// history, worked out from the folder of the running program so that it runs
// from any install prefix and from the build tree alike.
//
// Installed: <prefix>/bin/vesk, the plug-ins in their own library folder
// (<prefix>/lib/3dvesk/), Skin/ and data/ in <prefix>/share/3dvesk/ (the
// resource folder). Build tree: <build>/bin/vesk, <build>/plugins/, and
// <build>/ holds Skin/ and data/.

#include <string>

namespace vesk::app {

// The installed folders relative to the program's folder ("../lib/3dvesk").
struct InstalledFolders {
    std::string plugins;
    std::string resources;
};

// The folders the install rules use, fixed when the host is built.
InstalledFolders BuiltInstalledFolders();

struct InstallLayout {
    std::string pluginFolder;    // ends in "/"
    std::string catalogueSource; // may not exist
    std::string resourceFolder;  // the folder holding Skin/, ends in "/"
    std::string sampleDraws;     // <resources>/data/draws-3d.txt; may not exist

    // The installed layout when its plug-in folder is there, else the build
    // tree's. executableFolder: the folder of the running executable.
    static InstallLayout FromExecutableFolder(const std::string& executableFolder,
                                              const InstalledFolders& installed = BuiltInstalledFolders());
};

} // namespace vesk::app
