#pragma once
// The two navigation trees the module offers the host, built through the
// host's tree control. Texts are UTF-8; catalogue texts are converted from
// their GBK records on the way in.

#include "host/tree_control.h"
#include "module/catalogue/catalogue.h"

#include <cstdint>

namespace vesk {

// Image indices in the host's image list.
inline constexpr int kFolderImage = 0;
inline constexpr int kLeafImage = 1;
inline constexpr int kLeafSelectedImage = 2;

inline constexpr std::uint32_t kRootData = 0xFFFFFFFF;
inline constexpr std::uint32_t kOmissionListCode = 0x80000002;

// The code of the first "N码遗漏" item for a first N of firstN; 0 when firstN
// is not 3 to 7.
std::uint32_t FirstNCodeItemCode(std::intptr_t firstN);

// The main tree below a new root: the module's features, the catalogue's
// visible categories under "遗漏列表（分布）", and one N-code item per N in
// [firstN, endN).
void FillFeatureTree(ITreeControl& tree, const catalogue::Catalogue& catalogue, std::intptr_t firstN,
                     std::intptr_t endN);

// The four-item tree of the host variant that asks for it.
void FillShortTree(ITreeControl& tree);

// Grafts the catalogue's visible categories, groups and items below parent;
// folders left without children are removed again.
void GraftCatalogue(ITreeControl& tree, TreeItem parent, const catalogue::Catalogue& catalogue);

} // namespace vesk
