// The host's tree control as the module drives it through ITreeControl.
#include "test_windows.h"

#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vesk {
namespace {

struct Tree : ::testing::Test {
    CWnd host;
    CTreeCtrl tree;
    ITreeControl& view() { return tree; }
    void SetUp() override
    {
        test::CreateHost(host, 300, 300);
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 200, 280), &host, 5));
    }
};

TEST_F(Tree, ItemsAreWalkedInInsertionOrderWithTheirData)
{
    const TreeItem root = view().InsertItem(ITreeControl::kRootParent, "分析", 0, 0, 0);
    const TreeItem first = view().InsertItem(root, "缩水", 1, 2, 1);
    const TreeItem second = view().InsertItem(root, "计算器", 1, 2, 40);
    const TreeItem other = view().InsertItem(ITreeControl::kRootParent, "其它", 0, 0, 0);
    EXPECT_EQ(view().GetRoot(), root);
    EXPECT_EQ(view().GetChild(root), first);
    EXPECT_EQ(view().GetNextSibling(first), second);
    EXPECT_EQ(view().GetNextSibling(second), 0);
    EXPECT_EQ(view().GetNextSibling(root), other);
    EXPECT_EQ(view().GetParent(second), root);
    EXPECT_EQ(view().GetParent(root), 0);
    EXPECT_EQ(view().GetItemData(second), 40u);
    EXPECT_EQ(tree.GetItemText(first), "缩水");
    EXPECT_EQ(tree.GetCount(), 4);
    EXPECT_TRUE(view().DeleteItem(root));
    EXPECT_EQ(view().GetRoot(), other);
    view().DeleteAllItems();
    EXPECT_EQ(view().GetRoot(), 0);
    EXPECT_EQ(view().GetCaret(), 0);
}

TEST_F(Tree, SelectingTheCaretReportsLikeAClick)
{
    std::vector<TreeItem> reported;
    tree.SetSelectionCallback([&](TreeItem item) { reported.push_back(item); });
    int notices = 0;
    host.HandleNotify(5, TVN_SELCHANGED, [&](NMHDR*) {
        ++notices;
        return 0;
    });
    const TreeItem root = view().InsertItem(0, "根", 0, 0, 0);
    const TreeItem leaf = view().InsertItem(root, "叶", 1, 2, 7);
    view().Expand(root);
    EXPECT_TRUE(tree.IsExpanded(root));
    view().SelectCaret(leaf);
    EXPECT_EQ(view().GetCaret(), leaf);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), leaf);
    EXPECT_GE(notices, 1);
    // A click on another item reports it too.
    QTreeWidget* widget = tree.GetTreeWidget();
    const QRect rootRect = widget->visualItemRect(reinterpret_cast<QTreeWidgetItem*>(root));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, rootRect.center());
    EXPECT_EQ(view().GetCaret(), root);
    EXPECT_EQ(reported.back(), root);
}

TEST_F(Tree, ImagesFollowTheSelection)
{
    CImageList images;
    images.Create(16, 16, ILC_COLOR32, 3, 0);
    for (QColor color : {QColor(Qt::yellow), QColor(Qt::gray), QColor(Qt::blue)}) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(color);
        images.AddImage(image);
    }
    tree.SetImageList(&images);
    const TreeItem leaf = view().InsertItem(0, "叶", 1, 2, 0);
    auto* item = reinterpret_cast<QTreeWidgetItem*>(leaf);
    EXPECT_EQ(item->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::gray));
    view().SelectCaret(leaf);
    EXPECT_EQ(item->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::blue));
}

} // namespace
} // namespace vesk
