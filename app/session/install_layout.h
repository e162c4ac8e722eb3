#pragma once
// Where the host finds what the build put beside it: <prefix>/bin/vesk, the
// plug-ins in <prefix>/plugins/, the catalogue and the sample draw history in
// <prefix>/data/ and the skin images in <prefix>/Skin/ (so <prefix> is the
// resource folder).

#include <string>

namespace vesk::app {

struct InstallLayout {
    std::string pluginFolder;    // ends in "/"
    std::string catalogueSource; // may not exist
    std::string resourceFolder;  // the folder holding Skin/, ends in "/"
    std::string sampleDraws;     // <prefix>/data/draws-3d.txt; may not exist

    // executableFolder: the folder of the running executable.
    static InstallLayout FromExecutableFolder(const std::string& executableFolder);
};

} // namespace vesk::app
