#pragma once
// CTreeCtrl: the host's navigation tree over QTreeWidget, serving the module
// through ITreeControl. Items are QTreeWidgetItem pointers as TreeItem values.
// A selection change, by the user or by SelectCaret, calls the selection
// callback and sends TVN_SELCHANGED through WM_NOTIFY; clicks send NM_CLICK,
// NM_DBLCLK and NM_RCLICK.

#include "framework/cwnd.h"
#include "host/tree_control.h"

#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace vesk {

class CImageList;

class CTreeCtrl : public CWnd, public ITreeControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;
    ~CTreeCtrl() override;

    // Borrowed; folder and leaf images by index (kept by the caller).
    void SetImageList(CImageList* images, int which = TVSIL_NORMAL);
    void SetSelectionCallback(std::function<void(TreeItem)> callback);
    QTreeWidget* GetTreeWidget() const;
    CString GetItemText(TreeItem item) const;
    int GetCount() const;
    BOOL ItemHasChildren(TreeItem item) const;
    BOOL IsExpanded(TreeItem item) const;

    // ITreeControl
    TreeItem InsertItem(TreeItem parent, const char* textUtf8, int image, int selectedImage,
                        std::uint32_t data) override;
    bool DeleteItem(TreeItem item) override;
    void DeleteAllItems() override;
    TreeItem GetRoot() const override;
    TreeItem GetChild(TreeItem item) const override;
    TreeItem GetNextSibling(TreeItem item) const override;
    TreeItem GetParent(TreeItem item) const override;
    std::uint32_t GetItemData(TreeItem item) const override;
    TreeItem GetCaret() const override;
    void SelectCaret(TreeItem item) override;
    void Expand(TreeItem item) override;
    void SetFocus() override;
    using CWnd::GetParent;

private:
    void ApplyIcons(QTreeWidgetItem* item) const;
    void OnCurrentChanged(QTreeWidgetItem* current);

    CImageList* m_images = nullptr;
    std::function<void(TreeItem)> m_onSelect;
};

} // namespace vesk
