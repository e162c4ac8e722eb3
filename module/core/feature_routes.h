#pragma once
// Which feature a tree code opens and how its sibling module is driven.

#include "host/sibling_modules.h"

#include <cstdint>

namespace vesk {

inline constexpr std::uint32_t kWorkbenchCode = 1;
inline constexpr std::uint32_t kCalculatorCode = 85;
inline constexpr std::uint32_t kBankerCheckCode = 96;
inline constexpr std::intptr_t kShortTreeVariant = 12;

enum class FeatureKind {
    None,             // no handler: the code becomes current and nothing opens
    Workbench,        // the module's own filter workbench
    Sibling,          // a sibling feature module loaded through the host
    Calculator,       // the system calculator; the open feature stays
    UnderDevelopment, // a message box, and -1 for the host
};

// The order and arguments of a sibling module's initialize and open calls.
enum class OpenForm {
    InitializeThenOpenWithSubCode, // open (code, sub-code, module, analysis)
    InitializeThenOpen,            // open (code, module, analysis)
    OpenThenInitialize,            // open (code)
};

struct FeatureRoute {
    FeatureKind kind = FeatureKind::None;
    SiblingRow row = SiblingRow::Omission; // for siblings only
    OpenForm form = OpenForm::InitializeThenOpen;
};

FeatureRoute RouteFeature(std::uint32_t code);

// Sibling codes whose module RefreshFeature passes the refresh on to.
bool RefreshesSibling(std::uint32_t code);

} // namespace vesk
