#pragma once
// Positions in the host's navigation tree by their 1-based rank in a
// pre-order walk below the root (first child, its subtree, next sibling).
// The rank survives a rebuild of the tree where item handles do not.

#include "host/tree_control.h"

#include <cstdint>

namespace vesk {

// The rank of item below the root; 0 for the root itself, for 0, or for an
// item not in the tree.
std::uint32_t OrdinalOf(const ITreeControl& tree, TreeItem item);

// The item at this rank; 0 when the tree has fewer items or rank is 0.
TreeItem ItemAtOrdinal(const ITreeControl& tree, std::uint32_t ordinal);

} // namespace vesk
