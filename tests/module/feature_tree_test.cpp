#include "module/core/feature_tree.h"
#include "module/core/tree_walk.h"

#include "module/catalogue/catalogue_source.h"
#include "tests/module/fake_tree.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using test::FakeTree;

catalogue::Catalogue Load(const char* source, std::uint32_t mask = catalogue::kMaskThreeDigits)
{
    const auto parsed = catalogue::ParseSource(source);
    EXPECT_TRUE(parsed.source) << parsed.error;
    catalogue::Catalogue result;
    EXPECT_TRUE(result.Parse(catalogue::SerializeCatalogue(*parsed.source), mask));
    return result;
}

constexpr const char* kFlagsAtEveryLevel = R"(
category 10 "和值"
  group
    item 1 "a1"
    item 2 "a2" hidden
  group "G1"
    item 3 "g1"
  group
    item 4 "after named"
  group "all hidden"
    item 5 "x" hidden
  group
    item 6 "after emptied"
  group "hidden group" hidden
    item 7 "no"
category 11 "hidden category" hidden
  group
    item 1 "no"
category 12 "all items hidden"
  group
    item 1 "x" hidden
category 13 "no groups"
category 14 "dropped for this game" for=5,7
  group
    item 1 "no"
category 0xFFFF "max"
  group
    item 0xFFFF "max item"
)";

const std::string kFixedFolders = R"(    单选号码 [0]
      单选单码 [1030]
      单选两码 [1031]
      单选三码 [1032]
    组选号码 [0]
      组选单码 [1033]
      组选两码 [1034]
      组选三码 [1035]
)";

const std::string kTrailingFolders = R"(    自定义 [0]
      自定义组合 [1020]
      自定义复式 [1021]
      自定义号码 [1022]
  数据统计 [0]
    直落统计 [5]
  数据分析 [0]
    号码查询 [6]
    特征串查询 [7]
    状态表 [9]
    偏态搜索 [4]
  智能选号 [0]
    邻孤传选号 [30]
    复隔中选号 [31]
    热温冷选号 [32]
    金字塔选号 [33]
    跟随选号 [34]
    魔数选号 [35]
    单选定位 [36]
  辅助工具 [0]
    投注指南 [50]
    集合工具 [51]
    大方案统计 [52]
    号码组统计 [53]
    号码统计 [54]
    计算器 [55]
)";

TEST(FeatureTree, MainTreeWithCatalogueAndNCodes)
{
    FakeTree tree;
    FillFeatureTree(tree, Load(kFlagsAtEveryLevel), 3, 10);
    const std::string expected = "选号软件功能列表 [FFFFFFFF]\n"
                                 "  组号缩水 [1]\n"
                                 "  遗漏列表（分布） [80000002]\n"
                                 "    和值 [0]\n"
                                 "      a1 [A0001]\n"
                                 "      G1 [0]\n"
                                 "        g1 [A0003]\n"
                                 "        after named [A0004]\n"
                                 "        after emptied [A0006]\n"
                                 "    max [0]\n"
                                 "      max item [FFFFFFFF]\n" +
                                 kFixedFolders +
                                 "    N码遗漏 [0]\n"
                                 "      3码遗漏 [1002]\n"
                                 "      4码遗漏 [1003]\n"
                                 "      5码遗漏 [1004]\n"
                                 "      6码遗漏 [1005]\n"
                                 "      7码遗漏 [1006]\n"
                                 "      8码遗漏 [1007]\n"
                                 "      9码遗漏 [1008]\n" +
                                 kTrailingFolders;
    EXPECT_EQ(tree.Dump(), expected);

    const FakeTree::Node& root = tree.At(tree.GetRoot());
    EXPECT_EQ(root.image, kFolderImage);
    EXPECT_EQ(root.selectedImage, kFolderImage);
    const FakeTree::Node& leaf = tree.At(tree.Find("a1"));
    EXPECT_EQ(leaf.image, kLeafImage);
    EXPECT_EQ(leaf.selectedImage, kLeafSelectedImage);
}

TEST(FeatureTree, NCodeItemsFollowTheRange)
{
    struct Case {
        std::intptr_t first, end;
        std::string items;
    };
    const std::vector<Case> cases = {
        {3, 3, ""},
        {5, 3, ""},
        {7, 9, "7码遗漏 [1006]\n8码遗漏 [1007]\n"},
        {8, 10, "8码遗漏 [0]\n9码遗漏 [1]\n"}, // no first code for N = 8
    };
    for (const Case& c : cases) {
        FakeTree tree;
        FillFeatureTree(tree, catalogue::Catalogue{}, c.first, c.end);
        EXPECT_EQ(tree.Dump(tree.Find("N码遗漏")), c.items) << c.first << ".." << c.end;
    }
}

TEST(FeatureTree, EmptyCatalogueGivesNoCategoryFolders)
{
    FakeTree tree;
    FillFeatureTree(tree, catalogue::Catalogue{}, 3, 3);
    std::vector<std::string> folders;
    for (TreeItem item = tree.GetChild(tree.Find("遗漏列表（分布）")); item; item = tree.GetNextSibling(item))
        folders.push_back(tree.At(item).text);
    EXPECT_EQ(folders, (std::vector<std::string>{"单选号码", "组选号码", "N码遗漏", "自定义"}));
}

TEST(FeatureTree, ShortTree)
{
    FakeTree tree;
    FillShortTree(tree);
    EXPECT_EQ(tree.Dump(), "软件功能列表 [FFFFFFFF]\n"
                           "  胆杀验证 [60]\n"
                           "  公式搜索（开发中） [61]\n"
                           "  公式管理（开发中） [62]\n"
                           "  胆杀组号（开发中） [63]\n");
}

TEST(TreeWalk, RanksCountPreOrderBelowTheRoot)
{
    FakeTree tree;
    const TreeItem root = tree.InsertItem(0, "root", 0, 0, 0);
    const TreeItem a = tree.InsertItem(root, "a", 0, 0, 0);
    const TreeItem a1 = tree.InsertItem(a, "a1", 0, 0, 0);
    const TreeItem a1x = tree.InsertItem(a1, "a1x", 0, 0, 0);
    const TreeItem a2 = tree.InsertItem(a, "a2", 0, 0, 0);
    const TreeItem b = tree.InsertItem(root, "b", 0, 0, 0);
    const std::vector<TreeItem> order = {a, a1, a1x, a2, b};
    for (std::uint32_t rank = 1; rank <= order.size(); ++rank) {
        EXPECT_EQ(OrdinalOf(tree, order[rank - 1]), rank);
        EXPECT_EQ(ItemAtOrdinal(tree, rank), order[rank - 1]);
    }
    EXPECT_EQ(OrdinalOf(tree, root), 0u);
    EXPECT_EQ(OrdinalOf(tree, 0), 0u);
    EXPECT_EQ(ItemAtOrdinal(tree, 0), 0);
    EXPECT_EQ(ItemAtOrdinal(tree, 6), 0);
    EXPECT_EQ(ItemAtOrdinal(FakeTree{}, 1), 0);
}

} // namespace
} // namespace vesk
