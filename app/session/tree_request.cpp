#include "app/session/tree_request.h"

namespace vesk::app {
namespace {

TreeItem FindBelow(const ITreeControl& tree, TreeItem first, std::uint32_t code)
{
    for (TreeItem item = first; item; item = tree.GetNextSibling(item)) {
        if (tree.GetItemData(item) == code)
            return item;
        if (TreeItem found = FindBelow(tree, tree.GetChild(item), code))
            return found;
    }
    return 0;
}

} // namespace

OpenRequest RequestForItem(const ITreeControl& tree, TreeItem item)
{
    if (!item)
        return {};
    const std::uint32_t code = tree.GetItemData(item);
    for (TreeItem ancestor = tree.GetParent(item); ancestor; ancestor = tree.GetParent(ancestor)) {
        if (tree.GetItemData(ancestor) == kOmissionListsCode)
            return {kOmissionListsCode, code};
    }
    return {code, 0};
}

TreeItem FindItemByCode(const ITreeControl& tree, std::uint32_t code)
{
    return FindBelow(tree, tree.GetRoot(), code);
}

} // namespace vesk::app
