#pragma once
// Where the host keeps the user's files. The application uses the XDG base
// folders; tests put everything under one temporary root. Every folder text
// ends in "/".

#include <string>

namespace vesk::app {

struct HostPaths {
    std::string data;    // directory 2: the condition catalogue and the draw history
    std::string state;   // directory 6: condition state files
    std::string options; // the option records

    // $XDG_DATA_HOME/3dvesk/, $XDG_STATE_HOME/3dvesk/, $XDG_CONFIG_HOME/3dvesk/options/,
    // with the XDG defaults below $HOME when a variable is unset or relative.
    static HostPaths FromEnvironment();
    static HostPaths UnderRoot(const std::string& root);
};

// Creates the folder and its parents when missing; false when that fails.
bool EnsureFolder(const std::string& folder);

} // namespace vesk::app
