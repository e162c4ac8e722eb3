#include "module/core/feature_tree.h"

#include "numbers/gbk_text.h"

#include <span>
#include <string>

namespace vesk {

namespace {

using catalogue::FieldText;
using catalogue::kHiddenFlag;

struct Leaf {
    const char* text;
    std::uint32_t code;
};

TreeItem Folder(ITreeControl& tree, TreeItem parent, const char* text, std::uint32_t data = 0)
{
    return tree.InsertItem(parent, text, kFolderImage, kFolderImage, data);
}

TreeItem AddLeaf(ITreeControl& tree, TreeItem parent, const char* text, std::uint32_t code)
{
    return tree.InsertItem(parent, text, kLeafImage, kLeafSelectedImage, code);
}

void AddLeaves(ITreeControl& tree, TreeItem parent, std::span<const Leaf> leaves)
{
    for (const Leaf& leaf : leaves)
        AddLeaf(tree, parent, leaf.text, leaf.code);
}

void RemoveIfEmpty(ITreeControl& tree, TreeItem folder)
{
    if (tree.GetChild(folder) == 0)
        tree.DeleteItem(folder);
}

void GraftCategory(ITreeControl& tree, TreeItem parent, const catalogue::Category& category)
{
    const std::string text = GbkToUtf8(FieldText(category.record.text));
    const TreeItem folder = Folder(tree, parent, text.c_str());
    TreeItem itemParent = folder;
    for (const catalogue::Group& group : std::span(category.groups, category.record.groupCount)) {
        if (group.record.flags & kHiddenFlag)
            continue;
        const TreeItem before = itemParent;
        const bool named = group.record.name[0] != '\0';
        if (named) {
            const std::string name = GbkToUtf8(FieldText(group.record.name));
            itemParent = Folder(tree, folder, name.c_str());
        }
        for (const catalogue::ItemRecord& item : std::span(group.items, group.record.itemCount)) {
            if (item.flags & kHiddenFlag)
                continue;
            const std::string itemText = GbkToUtf8(FieldText(item.text));
            AddLeaf(tree, itemParent, itemText.c_str(),
                    std::uint32_t{category.record.key} << 16 | item.key);
        }
        // A named folder that stayed empty goes, and later unnamed groups
        // fall back to the folder they would have used without it.
        if (named && tree.GetChild(itemParent) == 0) {
            tree.DeleteItem(itemParent);
            itemParent = before;
        }
    }
    RemoveIfEmpty(tree, folder);
}

constexpr Leaf kSingleNumbers[] = {{"单选单码", 0x1030}, {"单选两码", 0x1031}, {"单选三码", 0x1032}};
constexpr Leaf kGroupNumbers[] = {{"组选单码", 0x1033}, {"组选两码", 0x1034}, {"组选三码", 0x1035}};
constexpr Leaf kCustom[] = {{"自定义组合", 0x1020}, {"自定义复式", 0x1021}, {"自定义号码", 0x1022}};
constexpr Leaf kStatistics[] = {{"直落统计", 5}};
constexpr Leaf kAnalysis[] = {{"号码查询", 6}, {"特征串查询", 7}, {"状态表", 9}, {"偏态搜索", 4}};
constexpr Leaf kSmartPick[] = {{"邻孤传选号", 0x30}, {"复隔中选号", 0x31}, {"热温冷选号", 0x32},
                               {"金字塔选号", 0x33}, {"跟随选号", 0x34},   {"魔数选号", 0x35},
                               {"单选定位", 0x36}};
constexpr Leaf kTools[] = {{"投注指南", 0x50},   {"集合工具", 0x51}, {"大方案统计", 0x52},
                           {"号码组统计", 0x53}, {"号码统计", 0x54}, {"计算器", 0x55}};
constexpr Leaf kShortTree[] = {{"胆杀验证", 96},
                               {"公式搜索（开发中）", 97},
                               {"公式管理（开发中）", 98},
                               {"胆杀组号（开发中）", 99}};

} // namespace

std::uint32_t FirstNCodeItemCode(std::intptr_t firstN)
{
    return firstN >= 3 && firstN <= 7 ? static_cast<std::uint32_t>(0x1002 + (firstN - 3)) : 0;
}

void GraftCatalogue(ITreeControl& tree, TreeItem parent, const catalogue::Catalogue& catalogue)
{
    for (const catalogue::Category& category : catalogue.Categories()) {
        if (!(category.record.flags & kHiddenFlag))
            GraftCategory(tree, parent, category);
    }
}

void FillFeatureTree(ITreeControl& tree, const catalogue::Catalogue& catalogue, std::intptr_t firstN,
                     std::intptr_t endN)
{
    const TreeItem root = Folder(tree, ITreeControl::kRootParent, "选号软件功能列表", kRootData);
    AddLeaf(tree, root, "组号缩水", 1);

    const TreeItem omission = Folder(tree, root, "遗漏列表（分布）", kOmissionListCode);
    GraftCatalogue(tree, omission, catalogue);
    AddLeaves(tree, Folder(tree, omission, "单选号码"), kSingleNumbers);
    AddLeaves(tree, Folder(tree, omission, "组选号码"), kGroupNumbers);
    const TreeItem nCodes = Folder(tree, omission, "N码遗漏");
    std::uint32_t code = FirstNCodeItemCode(firstN);
    for (std::intptr_t n = firstN; n < endN; ++n, ++code)
        AddLeaf(tree, nCodes, (std::to_string(n) + "码遗漏").c_str(), code);
    AddLeaves(tree, Folder(tree, omission, "自定义"), kCustom);

    AddLeaves(tree, Folder(tree, root, "数据统计"), kStatistics);
    AddLeaves(tree, Folder(tree, root, "数据分析"), kAnalysis);
    AddLeaves(tree, Folder(tree, root, "智能选号"), kSmartPick);
    AddLeaves(tree, Folder(tree, root, "辅助工具"), kTools);
}

void FillShortTree(ITreeControl& tree)
{
    const TreeItem root = Folder(tree, ITreeControl::kRootParent, "软件功能列表", kRootData);
    AddLeaves(tree, root, kShortTree);
}

} // namespace vesk
