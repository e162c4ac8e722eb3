#include "module/core/feature_routes.h"
#include "module/core/feature_tree.h"

#include "module/catalogue/catalogue_source.h"
#include "tests/module/fake_tree.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vesk {
namespace {

using test::FakeTree;

// The route as text, so whole routes compare and print at once; the row and
// form of a route that opens no sibling mean nothing.
std::string Text(const FeatureRoute& route)
{
    std::string text = "kind " + std::to_string(static_cast<int>(route.kind));
    if (route.kind == FeatureKind::Sibling)
        text += " row " + std::to_string(static_cast<int>(route.row)) + " form "
            + std::to_string(static_cast<int>(route.form));
    return text;
}

FeatureRoute Sibling(SiblingRow row, OpenForm form) { return {FeatureKind::Sibling, row, form}; }

// Every code that opens something; any other code must route to nothing.
std::map<std::uint32_t, FeatureRoute> ExpectedRoutes()
{
    std::map<std::uint32_t, FeatureRoute> routes;
    auto range = [&](std::uint32_t first, std::uint32_t last, FeatureRoute route) {
        for (std::uint32_t code = first; code <= last; ++code)
            routes[code] = route;
    };
    range(1, 1, {FeatureKind::Workbench});
    range(4, 4, Sibling(SiblingRow::Omission, OpenForm::InitializeThenOpenWithSubCode));
    range(0x80000002, 0x80000002, Sibling(SiblingRow::Omission, OpenForm::InitializeThenOpenWithSubCode));
    range(5, 5, Sibling(SiblingRow::Straight, OpenForm::InitializeThenOpen));
    range(6, 6, Sibling(SiblingRow::Lookup, OpenForm::InitializeThenOpen));
    range(7, 7, Sibling(SiblingRow::Pattern, OpenForm::InitializeThenOpen));
    range(9, 9, Sibling(SiblingRow::StateTable, OpenForm::InitializeThenOpen));
    range(48, 54, Sibling(SiblingRow::SmartPick, OpenForm::OpenThenInitialize));
    range(55, 55, Sibling(SiblingRow::PickHelper, OpenForm::OpenThenInitialize));
    range(80, 84, Sibling(SiblingRow::Toolkit, OpenForm::OpenThenInitialize));
    range(85, 85, {FeatureKind::Calculator});
    range(96, 96, Sibling(SiblingRow::BankerCheck, OpenForm::InitializeThenOpen));
    range(97, 97, Sibling(SiblingRow::Formula, OpenForm::InitializeThenOpen));
    range(98, 99, {FeatureKind::UnderDevelopment});
    return routes;
}

TEST(FeatureRoutes, EveryCodeRangeEndsWhereTheTableSays)
{
    const auto expected = ExpectedRoutes();
    // All small codes, so both ends of every range and their outside
    // neighbours are covered; then the leaf codes of the omission list and
    // the neighbours of the one folder code.
    std::vector<std::uint32_t> codes;
    for (std::uint32_t code = 0; code <= 0x1100; ++code)
        codes.push_back(code);
    for (std::uint32_t code : {0x80000001u, 0x80000002u, 0x80000003u, 0x80000000u, 0x00020002u, 0x000A0001u,
                               0x00300001u, 0xFFFFFFFFu})
        codes.push_back(code);
    for (std::uint32_t code : codes) {
        const auto it = expected.find(code);
        const FeatureRoute want = it == expected.end() ? FeatureRoute{} : it->second;
        EXPECT_EQ(Text(RouteFeature(code)), Text(want)) << "code 0x" << std::hex << code;
    }
}

TEST(FeatureRoutes, RefreshReachesEverySiblingButTheTools)
{
    for (std::uint32_t code = 0; code <= 0x1100; ++code) {
        const bool tool = code >= 80 && code <= 84;
        const bool sibling = RouteFeature(code).kind == FeatureKind::Sibling;
        EXPECT_EQ(RefreshesSibling(code), sibling && !tool) << code;
    }
    EXPECT_TRUE(RefreshesSibling(0x80000002));
    EXPECT_TRUE(RefreshesSibling(48));
    EXPECT_TRUE(RefreshesSibling(54));
    EXPECT_TRUE(RefreshesSibling(55));
    EXPECT_FALSE(RefreshesSibling(85));
}

// Calls visit(item, folder code above it) for every leaf below item.
template <typename Visit>
void ForEachLeaf(const FakeTree& tree, TreeItem item, std::uint32_t folderCode, Visit&& visit)
{
    for (TreeItem child = tree.GetChild(item); child != 0; child = tree.GetNextSibling(child)) {
        const std::uint32_t data = tree.GetItemData(child);
        if (tree.GetChild(child) == 0 && tree.At(child).image == kLeafImage)
            visit(child, folderCode);
        else
            ForEachLeaf(tree, child, data != 0 ? data : folderCode, visit);
    }
}

TEST(FeatureRoutes, EveryLeafOfBothTreesOpensSomething)
{
    const auto source = catalogue::ParseSource("category 10 \"c\"\n  group\n    item 1 \"i\"\n");
    ASSERT_TRUE(source.source) << source.error;
    catalogue::Catalogue catalogue;
    ASSERT_TRUE(catalogue.Parse(catalogue::SerializeCatalogue(*source.source), catalogue::kMaskThreeDigits));

    FakeTree main;
    FillFeatureTree(main, catalogue, 3, 8);
    FakeTree shortTree;
    FillShortTree(shortTree);
    int leaves = 0;
    for (const FakeTree* tree : {&main, &shortTree}) {
        ForEachLeaf(*tree, tree->GetRoot(), 0, [&](TreeItem leaf, std::uint32_t folderCode) {
            ++leaves;
            const std::uint32_t code = tree->GetItemData(leaf);
            // Leaves below a folder whose code has bit 31 open through that
            // folder's code, with their own code as the sub-code.
            const std::uint32_t opened = folderCode & 0x80000000u ? folderCode : code;
            EXPECT_NE(RouteFeature(opened).kind, FeatureKind::None)
                << tree->At(leaf).text << " 0x" << std::hex << code;
        });
    }
    EXPECT_EQ(leaves, 1 + 1 + 6 + 5 + 3 + 1 + 4 + 7 + 6 + 4);
}

} // namespace
} // namespace vesk
