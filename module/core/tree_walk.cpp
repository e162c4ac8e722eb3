#include "module/core/tree_walk.h"

namespace vesk {

namespace {

// Visits the items below the root in pre-order until visit returns true;
// returns the item it stopped at, or 0. Iterative, so deep trees cannot
// exhaust the stack.
template <typename Visit>
TreeItem WalkBelowRoot(const ITreeControl& tree, Visit visit)
{
    const TreeItem root = tree.GetRoot();
    if (root == 0)
        return 0;
    TreeItem item = tree.GetChild(root);
    while (item != 0) {
        if (visit(item))
            return item;
        if (const TreeItem child = tree.GetChild(item)) {
            item = child;
            continue;
        }
        // Climb until an ancestor below the root has a next sibling.
        while (item != 0 && item != root) {
            if (const TreeItem next = tree.GetNextSibling(item)) {
                item = next;
                break;
            }
            item = tree.GetParent(item);
        }
        if (item == root)
            return 0;
    }
    return 0;
}

} // namespace

std::uint32_t OrdinalOf(const ITreeControl& tree, TreeItem item)
{
    if (item == 0 || item == tree.GetRoot())
        return 0;
    std::uint32_t ordinal = 0;
    const TreeItem found = WalkBelowRoot(tree, [&](TreeItem visited) {
        ++ordinal;
        return visited == item;
    });
    return found != 0 ? ordinal : 0;
}

TreeItem ItemAtOrdinal(const ITreeControl& tree, std::uint32_t ordinal)
{
    if (ordinal == 0)
        return 0;
    return WalkBelowRoot(tree, [&](TreeItem) { return --ordinal == 0; });
}

} // namespace vesk
