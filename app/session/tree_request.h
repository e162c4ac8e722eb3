#pragma once
// What the host asks the module to open for a tree item: the item's feature
// code with sub-code 0, except below "遗漏列表（分布）" (the folder whose
// code has bit 31 set), where the folder's code is opened with the leaf's
// code as sub-code, so the omission module learns which list was picked.

#include "host/tree_control.h"

#include <cstdint>

namespace vesk::app {

inline constexpr std::uint32_t kOmissionListsCode = 0x80000002u;

struct OpenRequest {
    std::uint32_t code = 0;
    std::uint32_t subCode = 0;
    friend bool operator==(const OpenRequest&, const OpenRequest&) = default;
};

OpenRequest RequestForItem(const ITreeControl& tree, TreeItem item);

// The first item in pre-order whose data is code, or 0.
TreeItem FindItemByCode(const ITreeControl& tree, std::uint32_t code);

} // namespace vesk::app
