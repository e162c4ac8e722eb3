#pragma once
// The smart-pick windows' remembered settings in the host's option records,
// 4 bytes each: per method the history window N (4330 + method) and W (4337
// + method); the follow top K (4344); the magic formulas (4345, the bits of
// MagicFormula).

#include "components/features/analysis/pick/pick_method.h"
#include "components/features/kit/feature_host.h"

#include <cstddef>

namespace vesk::pick {

inline constexpr SlotInt kHistoryWindowOption = 4330;
inline constexpr SlotInt kMethodWindowOption = 4337;
inline constexpr SlotInt kFollowTopOption = 4344;
inline constexpr SlotInt kMagicFormulasOption = 4345;

// The method's parameters as remembered; a missing or unusable record gives
// the method's default.
analysis::PickParameters ReadParameters(const features::FeatureHost& host, analysis::PickMethod method);
void WriteParameters(const features::FeatureHost& host, analysis::PickMethod method,
                     const analysis::PickParameters& parameters);

std::size_t ReadHistoryWindow(const features::FeatureHost& host, analysis::PickMethod method);
void WriteHistoryWindow(const features::FeatureHost& host, analysis::PickMethod method, std::size_t last);

} // namespace vesk::pick
