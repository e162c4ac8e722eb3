// The navigation tree over QTreeWidget.
#include "framework/ctreectrl.h"

#include "framework/cimagelist.h"
#include "framework/control_classes.h"
#include "framework/window_internal.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace vesk {

namespace {

constexpr int kDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;

QTreeWidgetItem* ItemOf(TreeItem item) { return reinterpret_cast<QTreeWidgetItem*>(item); }
TreeItem HandleOf(const QTreeWidgetItem* item) { return reinterpret_cast<TreeItem>(item); }

QWidget* MakeTree(const WindowCreateParams& params)
{
    auto* tree = new detail::FrameworkWidget<QTreeWidget>(params.parent);
    tree->setColumnCount(1);
    tree->header()->hide();
    tree->setRootIsDecorated((params.style & TVS_LINESATROOT) != 0 || (params.style & TVS_HASBUTTONS) != 0);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setContextMenuPolicy(Qt::PreventContextMenu);
    QObject::connect(tree, &QTreeWidget::itemClicked, tree, [tree] { detail::NotifyParent(tree, NM_CLICK); });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree, [tree] { detail::NotifyParent(tree, NM_DBLCLK); });
    QObject::connect(tree, &QTreeWidget::customContextMenuRequested, tree, [tree] { detail::NotifyParent(tree, NM_RCLICK); });
    return tree;
}

} // namespace

namespace detail {

WindowClass TreeViewClass() { return {"SysTreeView32", MakeTree, {}}; }

} // namespace detail

CTreeCtrl::~CTreeCtrl() = default;

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!CWnd::Create("SysTreeView32", nullptr, style, rect, parent, id))
        return FALSE;
    QTreeWidget* tree = GetTreeWidget();
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnCurrentChanged(current); });
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [this](QTreeWidgetItem* item) { ApplyIcons(item); });
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree, [this](QTreeWidgetItem* item) { ApplyIcons(item); });
    return TRUE;
}

QTreeWidget* CTreeCtrl::GetTreeWidget() const { return qobject_cast<QTreeWidget*>(m_hWnd); }

void CTreeCtrl::SetImageList(CImageList* images, int)
{
    m_images = images;
    if (QTreeWidget* tree = GetTreeWidget()) {
        if (images)
            tree->setIconSize(QSize(images->GetImageSize().cx, images->GetImageSize().cy));
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            ApplyIcons(*it);
    }
}

void CTreeCtrl::SetSelectionCallback(std::function<void(TreeItem)> callback) { m_onSelect = std::move(callback); }

void CTreeCtrl::ApplyIcons(QTreeWidgetItem* item) const
{
    if (!item || !m_images)
        return;
    const bool selected = item->treeWidget() && item->treeWidget()->currentItem() == item;
    const int index = item->data(0, selected ? kSelectedImageRole : kImageRole).toInt();
    item->setIcon(0, m_images->GetQIcon(index));
}

void CTreeCtrl::OnCurrentChanged(QTreeWidgetItem* current)
{
    if (QTreeWidget* tree = GetTreeWidget()) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            ApplyIcons(*it);
    }
    NMHDR header;
    vesk::NotifyParent(m_hWnd, TVN_SELCHANGED, &header);
    if (m_onSelect)
        m_onSelect(HandleOf(current));
}

CString CTreeCtrl::GetItemText(TreeItem item) const { return item ? ItemOf(item)->text(0).toStdString() : CString(); }

int CTreeCtrl::GetCount() const
{
    int count = 0;
    if (QTreeWidget* tree = GetTreeWidget())
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            ++count;
    return count;
}

BOOL CTreeCtrl::ItemHasChildren(TreeItem item) const { return item && ItemOf(item)->childCount() > 0; }
BOOL CTreeCtrl::IsExpanded(TreeItem item) const { return item && ItemOf(item)->isExpanded(); }

TreeItem CTreeCtrl::InsertItem(TreeItem parent, const char* textUtf8, int image, int selectedImage, std::uint32_t data)
{
    QTreeWidget* tree = GetTreeWidget();
    if (!tree)
        return 0;
    auto* item = parent ? new QTreeWidgetItem(ItemOf(parent)) : new QTreeWidgetItem(tree);
    item->setText(0, QString::fromUtf8(textUtf8 ? textUtf8 : ""));
    item->setData(0, kDataRole, QVariant::fromValue<uint>(data));
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    ApplyIcons(item);
    return HandleOf(item);
}

bool CTreeCtrl::DeleteItem(TreeItem item)
{
    if (!item || !GetTreeWidget())
        return false;
    delete ItemOf(item);
    return true;
}

void CTreeCtrl::DeleteAllItems()
{
    if (QTreeWidget* tree = GetTreeWidget())
        tree->clear();
}

TreeItem CTreeCtrl::GetRoot() const
{
    QTreeWidget* tree = GetTreeWidget();
    return tree && tree->topLevelItemCount() > 0 ? HandleOf(tree->topLevelItem(0)) : 0;
}

TreeItem CTreeCtrl::GetChild(TreeItem item) const
{
    if (!item)
        return GetRoot();
    QTreeWidgetItem* node = ItemOf(item);
    return node->childCount() > 0 ? HandleOf(node->child(0)) : 0;
}

TreeItem CTreeCtrl::GetNextSibling(TreeItem item) const
{
    if (!item)
        return 0;
    QTreeWidgetItem* node = ItemOf(item);
    if (QTreeWidgetItem* parent = node->parent()) {
        const int index = parent->indexOfChild(node);
        return index + 1 < parent->childCount() ? HandleOf(parent->child(index + 1)) : 0;
    }
    QTreeWidget* tree = GetTreeWidget();
    const int index = tree ? tree->indexOfTopLevelItem(node) : -1;
    return (tree && index >= 0 && index + 1 < tree->topLevelItemCount()) ? HandleOf(tree->topLevelItem(index + 1)) : 0;
}

TreeItem CTreeCtrl::GetParent(TreeItem item) const { return item ? HandleOf(ItemOf(item)->parent()) : 0; }

std::uint32_t CTreeCtrl::GetItemData(TreeItem item) const
{
    return item ? ItemOf(item)->data(0, kDataRole).toUInt() : 0;
}

TreeItem CTreeCtrl::GetCaret() const
{
    QTreeWidget* tree = GetTreeWidget();
    return tree ? HandleOf(tree->currentItem()) : 0;
}

void CTreeCtrl::SelectCaret(TreeItem item)
{
    QTreeWidget* tree = GetTreeWidget();
    if (!tree)
        return;
    tree->setCurrentItem(ItemOf(item));
}

void CTreeCtrl::Expand(TreeItem item)
{
    if (item)
        ItemOf(item)->setExpanded(true);
}

void CTreeCtrl::SetFocus()
{
    if (QTreeWidget* tree = GetTreeWidget())
        tree->setFocus(Qt::OtherFocusReason);
}

} // namespace vesk
