#pragma once
// The sibling feature modules the feature tree opens, one name record per row
// of the dispatch table. The host maps "VeskX.dll" to libveskx.so in its
// plug-in folder: libveskomit.so serves row 1, libveskquery.so rows 2-5,
// libveskpick.so rows 6-7, libvesktools.so row 8 and libveskformula.so rows
// 9-10. The rows are installation configuration: change a row here to route
// its features to another library.

#include "host/module_name_record.h"

#include <array>
#include <cstddef>

namespace vesk {

// Row numbers count from 1, as the dispatch rules name them.
enum class SiblingRow : std::size_t {
    Omission = 1,   // codes 4 and 0x80000002: skew search, omission lists
    Lookup = 2,     // code 6: number lookup
    Pattern = 3,    // code 7: pattern-string lookup
    Straight = 4,   // code 5: straight-hit statistics
    StateTable = 5, // code 9: state table
    SmartPick = 6,  // codes 48-54: the smart-pick features
    PickHelper = 7, // code 55 (no tree item)
    Toolkit = 8,    // codes 80-84: betting guide and the statistics tools
    BankerCheck = 9, // code 96: banker/kill check
    Formula = 10,   // code 97: formula search
};

inline constexpr std::array<ModuleNameRecord, 10> kSiblingModules{
    ModuleNameRecord::Make("VeskOmit.dll", "IVeskOmission"),
    ModuleNameRecord::Make("VeskQuery.dll", "IVeskLookup"),
    ModuleNameRecord::Make("VeskQuery.dll", "IVeskPattern"),
    ModuleNameRecord::Make("VeskQuery.dll", "IVeskStraight"),
    ModuleNameRecord::Make("VeskQuery.dll", "IVeskStateTab"),
    ModuleNameRecord::Make("VeskPick.dll", "IVeskSmartPick"),
    ModuleNameRecord::Make("VeskPick.dll", "IVeskPickHelp"),
    ModuleNameRecord::Make("VeskTools.dll", "IVeskToolkit"),
    ModuleNameRecord::Make("VeskFormula.dll", "IVeskBankerChk"),
    ModuleNameRecord::Make("VeskFormula.dll", "IVeskFormula"),
};

constexpr const ModuleNameRecord& SiblingModule(SiblingRow row)
{
    return kSiblingModules[static_cast<std::size_t>(row) - 1];
}

} // namespace vesk
