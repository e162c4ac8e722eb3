// The host's command line and what it asks the module to open for a tree item.
#include "app/session/command_line.h"
#include "app/session/tree_request.h"
#include "tests/app/memory_tree.h"

#include <gtest/gtest.h>

namespace vesk::app {
namespace {

TEST(CommandLine, AcceptsTheScreenshotForms)
{
    EXPECT_TRUE(ParseCommandLine({}).error.empty());
    EXPECT_FALSE(ParseCommandLine({}).screenshotPath);

    const CommandLine shot = ParseCommandLine({"--screenshot", "out.png", "--open", "1"});
    EXPECT_EQ(shot.screenshotPath, "out.png");
    EXPECT_EQ(shot.openCode, 1u);
    EXPECT_EQ(ParseCommandLine({"--open", "0x80000002", "--screenshot", "a.png"}).openCode, 0x80000002u);
}

TEST(CommandLine, RefusesWrongArguments)
{
    const std::vector<std::vector<std::string>> wrong = {
        {"--screenshot"},
        {"--screenshot", ""},
        {"--screenshot", "a.png", "--open"},
        {"--screenshot", "a.png", "--open", "12x"},
        {"--screenshot", "a.png", "--open", "0x"},
        {"--screenshot", "a.png", "--open", "99999999999"},
        {"--open", "1"},
        {"--verbose"},
    };
    for (const auto& arguments : wrong) {
        const CommandLine parsed = ParseCommandLine(arguments);
        EXPECT_FALSE(parsed.error.empty()) << arguments.size();
        EXPECT_FALSE(parsed.screenshotPath);
        EXPECT_FALSE(parsed.openCode);
    }
}

class TreeRequestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = tree.InsertItem(0, "选号软件功能列表", 0, 0, 0xFFFFFFFFu);
        workbench = tree.InsertItem(root, "组号缩水", 1, 2, 1);
        omission = tree.InsertItem(root, "遗漏列表（分布）", 0, 0, kOmissionListsCode);
        category = tree.InsertItem(omission, "类别", 0, 0, 0);
        catalogueLeaf = tree.InsertItem(category, "条件", 1, 2, 0x00050003);
        single = tree.InsertItem(omission, "单选号码", 0, 0, 0);
        singleLeaf = tree.InsertItem(single, "单选单码", 1, 2, 0x1030);
        lookup = tree.InsertItem(root, "号码查询", 1, 2, 6);
    }
    test::MemoryTree tree;
    TreeItem root, workbench, omission, category, catalogueLeaf, single, singleLeaf, lookup;
};

TEST_F(TreeRequestTest, LeavesBelowTheOmissionListsOpenItWithTheirCode)
{
    EXPECT_EQ(RequestForItem(tree, workbench), (OpenRequest{1, 0}));
    EXPECT_EQ(RequestForItem(tree, lookup), (OpenRequest{6, 0}));
    EXPECT_EQ(RequestForItem(tree, omission), (OpenRequest{kOmissionListsCode, 0}));
    EXPECT_EQ(RequestForItem(tree, singleLeaf), (OpenRequest{kOmissionListsCode, 0x1030}));
    EXPECT_EQ(RequestForItem(tree, catalogueLeaf), (OpenRequest{kOmissionListsCode, 0x00050003}));
    // A folder below it has code 0 and so opens nothing.
    EXPECT_EQ(RequestForItem(tree, category), (OpenRequest{kOmissionListsCode, 0}));
    EXPECT_EQ(RequestForItem(tree, root), (OpenRequest{0xFFFFFFFFu, 0}));
    EXPECT_EQ(RequestForItem(tree, 0), (OpenRequest{0, 0}));
}

TEST_F(TreeRequestTest, FindsItemsByCodeInPreOrder)
{
    EXPECT_EQ(FindItemByCode(tree, 1), workbench);
    EXPECT_EQ(FindItemByCode(tree, 0x1030), singleLeaf);
    EXPECT_EQ(FindItemByCode(tree, 0), category);
    EXPECT_EQ(FindItemByCode(tree, 12345), 0);
    test::MemoryTree empty;
    EXPECT_EQ(FindItemByCode(empty, 1), 0);
}

} // namespace
} // namespace vesk::app
