#pragma once
// Names of the features the sample serves, for its window.

#include <cstdint>
#include <string_view>

namespace vesk::sample {

// The tree text of a feature code, or an empty view for codes without one.
std::string_view FeatureName(std::uint32_t code);

} // namespace vesk::sample
