#pragma once
// The host's navigation tree as the module fills and walks it. The host owns
// the tree; items are opaque handles (0 = none) that stay valid until deleted.

#include "host/win_types.h"

#include <cstdint>

namespace vesk {

using TreeItem = std::intptr_t;

class ITreeControl {
public:
    static constexpr TreeItem kRootParent = 0;
    static constexpr TreeItem kInsertLast = -1;

    // Inserts an item as the last child of parent (0: a new root). Image
    // indices follow the host's image list (folder 0, leaf 1 and 2 selected).
    virtual TreeItem InsertItem(TreeItem parent, const char* textUtf8, int image, int selectedImage,
                                std::uint32_t data) = 0;
    virtual bool DeleteItem(TreeItem item) = 0;
    virtual void DeleteAllItems() = 0;
    virtual TreeItem GetRoot() const = 0;
    virtual TreeItem GetChild(TreeItem item) const = 0;
    virtual TreeItem GetNextSibling(TreeItem item) const = 0;
    virtual TreeItem GetParent(TreeItem item) const = 0;
    virtual std::uint32_t GetItemData(TreeItem item) const = 0;
    // The caret (selected) item, or 0.
    virtual TreeItem GetCaret() const = 0;
    // Moves the caret; this reports a selection change to the host like a click.
    virtual void SelectCaret(TreeItem item) = 0;
    virtual void Expand(TreeItem item) = 0;
    virtual void SetFocus() = 0;

protected:
    ~ITreeControl() = default;
};

} // namespace vesk
