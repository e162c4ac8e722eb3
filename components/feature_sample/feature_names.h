#pragma once
// Names of the features the sample serves, for its window.

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk::sample {

// The tree text of a feature code, or an empty view for codes without one.
std::string_view FeatureName(std::uint32_t code);

// The list a sub-code of the omission lists names, for the codes the tree
// gives its fixed leaves ("单选单码", "3码遗漏", ...); empty for others.
std::string OmissionListName(std::uint32_t subCode);

} // namespace vesk::sample
