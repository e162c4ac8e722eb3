#include "module/catalogue/catalogue.h"
#include "module/catalogue/catalogue_source.h"
#include "numbers/gbk_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace vesk::catalogue {
namespace {

std::vector<std::uint8_t> Build(const std::string& source)
{
    const SourceResult parsed = ParseSource(source);
    EXPECT_TRUE(parsed.source) << "line " << parsed.line << ": " << parsed.error;
    return parsed.source ? SerializeCatalogue(*parsed.source) : std::vector<std::uint8_t>{};
}

std::vector<std::uint16_t> ItemKeys(const Category& category)
{
    std::vector<std::uint16_t> keys;
    for (const Group& group : std::span(category.groups, category.record.groupCount)) {
        for (const ItemRecord& item : std::span(group.items, group.record.itemCount))
            keys.push_back(std::uint16_t{item.key}); // a copy: the packed field may be misaligned
    }
    return keys;
}

std::vector<std::uint16_t> CategoryKeys(const Catalogue& catalogue)
{
    std::vector<std::uint16_t> keys;
    for (const Category& category : catalogue.Categories())
        keys.push_back(std::uint16_t{category.record.key});
    return keys;
}

const std::string kMixedGames = R"(
category 1 "和值"
  group
    item 1 "a" games=0x2
    item 2 "b" games=0x10000
    item 3 "c" games=0x10002
    item 4 "d"
category 2 "drop for five" games=0x10002
  group
    item 1 "x"
category 3 "all groups dropped"
  group games=0x30002
    item 1 "y"
category 4 "last"
  group "kept" byte0=7
    item 9 "z"
)";

TEST(CatalogueMask, DropsRecordsWhoseFlagsCoverTheMask)
{
    struct Case {
        std::uint32_t mask;
        std::vector<std::uint16_t> firstCategoryItems;
        std::vector<std::uint16_t> categories;
    };
    const std::vector<Case> cases = {
        {kMaskThreeDigits, {2, 4}, {1, 3, 4}},
        {kMaskFiveDigits, {1, 2, 4}, {1, 3, 4}},
        {kMaskSevenDigits, {1, 2, 3, 4}, {1, 2, 3, 4}},
    };
    const auto bytes = Build(kMixedGames);
    for (const Case& c : cases) {
        Catalogue catalogue;
        ASSERT_TRUE(catalogue.Parse(bytes, c.mask));
        EXPECT_EQ(CategoryKeys(catalogue), c.categories) << std::hex << c.mask;
        EXPECT_EQ(ItemKeys(*catalogue.CategoryAt(0)), c.firstCategoryItems) << std::hex << c.mask;
        EXPECT_EQ(catalogue.GetHeader().categoryCount, c.categories.size());
    }
}

TEST(CatalogueMask, ZeroMaskDropsEverything)
{
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Parse(Build(kMixedGames), 0));
    EXPECT_EQ(catalogue.CategoryCount(), 0u);
    EXPECT_EQ(catalogue.CategoryAt(0), nullptr);
    EXPECT_EQ(catalogue.FindCategory(1), nullptr);
}

TEST(CatalogueMask, MaskFollowsTheNumberLength)
{
    EXPECT_EQ(MaskForDigits(3), 0x2u);
    EXPECT_EQ(MaskForDigits(5), 0x10002u);
    EXPECT_EQ(MaskForDigits(7), 0x20002u);
    EXPECT_EQ(MaskForDigits(4), 0u);
    EXPECT_EQ(MaskForDigits(0), 0u);
}

TEST(CatalogueLoad, KeepsRetainedRecordsInOrderWithShrunkCounts)
{
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Parse(Build(kMixedGames), kMaskThreeDigits));
    const Category* emptied = catalogue.CategoryAt(1);
    ASSERT_NE(emptied, nullptr);
    EXPECT_EQ(+emptied->record.key, 3);
    EXPECT_EQ(emptied->record.groupCount, 0); // retained although every group was dropped

    const Category* last = catalogue.CategoryAt(2);
    ASSERT_EQ(last->record.groupCount, 1);
    EXPECT_EQ(FieldText(last->groups[0].record.name), "kept");
    EXPECT_EQ(last->groups[0].record.reserved, 7); // carried unchanged
    EXPECT_EQ(FieldText(last->groups[0].items[0].text), "z");

    // The first category's two dropped items left zeroed slots behind the kept ones.
    const Group& group = catalogue.CategoryAt(0)->groups[0];
    EXPECT_EQ(group.record.itemCount, 2);
    EXPECT_EQ(+group.items[2].key, 0);
    EXPECT_EQ(+group.items[3].gameFlags, 0u);
}

TEST(CatalogueLoad, RefusesDamagedFilesAndStaysEmpty)
{
    const auto valid = Build(kMixedGames);
    auto withByte = [&](std::size_t at, std::uint8_t value) {
        auto bytes = valid;
        bytes[at] = value;
        return bytes;
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* why; // a fragment of the reason given
    };
    // The last category holds one group of one item: its record ends with
    // the group count, the group's record with the item count.
    const std::size_t lastItem = valid.size() - sizeof(ItemRecord);
    const std::size_t lastItemCount = lastItem - 1;
    const std::size_t lastGroupCount = lastItem - sizeof(GroupRecord) - 1;
    const std::vector<Case> cases = {
        {"empty", {}, "shorter than the 10-byte header"},
        {"short header", {'R', 'Y', 'X'}, "shorter than the 10-byte header"},
        {"wrong magic", withByte(0, 'r'), "wrong magic"},
        {"non-zero byte after the magic", withByte(7, 'X'), "wrong magic"},
        {"version 0", withByte(8, 0), "unsupported version 0"},
        {"version 2", withByte(8, 2), "unsupported version 2"},
        {"more categories than present", withByte(9, 5), "ends inside the record of category 5"},
        {"more groups than present", withByte(lastGroupCount, 2), "ends inside a group of category 4"},
        {"more items than present", withByte(lastItemCount, 2), "ends inside an item of category 4"},
    };
    for (const Case& c : cases) {
        Catalogue catalogue;
        ASSERT_TRUE(catalogue.Parse(valid, kMaskSevenDigits));
        const LoadResult result = catalogue.Parse(c.bytes, kMaskSevenDigits);
        EXPECT_FALSE(result) << c.name;
        EXPECT_NE(result.error.find(c.why), std::string::npos) << c.name << ": " << result.error;
        EXPECT_EQ(catalogue.CategoryCount(), 0u) << c.name;
    }
}

TEST(CatalogueLoad, BytesAfterTheLastRecordAreNotRead)
{
    auto bytes = Build(kMixedGames);
    Catalogue expected;
    ASSERT_TRUE(expected.Parse(bytes, kMaskThreeDigits));
    bytes.insert(bytes.end(), {0xFF, 'R', 'Y', 'X', 0});
    Catalogue catalogue;
    const LoadResult result = catalogue.Parse(bytes, kMaskThreeDigits);
    ASSERT_TRUE(result) << result.error;
    ASSERT_EQ(catalogue.CategoryCount(), expected.CategoryCount());
    for (std::size_t c = 0; c < catalogue.CategoryCount(); ++c) {
        EXPECT_EQ(+catalogue.CategoryAt(c)->record.key, +expected.CategoryAt(c)->record.key);
        EXPECT_EQ(+catalogue.CategoryAt(c)->record.groupCount, +expected.CategoryAt(c)->record.groupCount);
    }
}

TEST(CatalogueLoad, EveryTruncationIsRefused)
{
    const auto valid = Build(kMixedGames);
    for (std::size_t size = 0; size < valid.size(); ++size) {
        Catalogue catalogue;
        const LoadResult result = catalogue.Parse(std::span(valid).first(size), kMaskSevenDigits);
        EXPECT_FALSE(result) << size;
        // Refused for the cut itself, at a record that starts before it.
        if (size < sizeof(Header)) {
            EXPECT_NE(result.error.find("shorter than"), std::string::npos) << size << ": " << result.error;
        } else {
            EXPECT_NE(result.error.find("file ends inside"), std::string::npos) << size << ": " << result.error;
            const auto at = result.error.rfind("at byte ");
            ASSERT_NE(at, std::string::npos) << result.error;
            EXPECT_LE(std::stoul(result.error.substr(at + 8)), size) << result.error;
        }
        EXPECT_EQ(catalogue.CategoryCount(), 0u);
    }
}

TEST(CatalogueLoad, MissingFileIsRefused)
{
    Catalogue catalogue;
    const LoadResult result = catalogue.LoadFromDirectory("/nonexistent/folder/", kMaskThreeDigits);
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("cannot read"), std::string::npos);
}

TEST(CatalogueLookup, FirstCategoryByKeyAndItemsInLaterOnes)
{
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Parse(Build(R"(
category 5 "first"
  group "g1"
    item 1 "one"
category 6 "other"
  group
    item 2 "elsewhere"
category 5 "second"
  group "g2"
    item 1 "shadowed"
    item 2 "two"
)"),
                                kMaskThreeDigits));
    EXPECT_EQ(FieldText(catalogue.FindCategory(5)->record.text), "first");
    EXPECT_EQ(catalogue.FindCategory(7), nullptr);

    const Group* group = nullptr;
    const Category* category = nullptr;
    const ItemRecord* two = catalogue.FindItem(5, 2, &group, &category);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(FieldText(two->text), "two");
    EXPECT_EQ(FieldText(group->record.name), "g2");
    EXPECT_EQ(category, catalogue.CategoryAt(2));

    EXPECT_EQ(FieldText(catalogue.FindItem(5, 1)->text), "one");
    EXPECT_EQ(catalogue.FindItem(5, 3), nullptr);
    EXPECT_EQ(catalogue.FindItem(9, 1), nullptr);
    EXPECT_EQ(catalogue.CategoryAt(3), nullptr);
}

TEST(CatalogueSource, ReportsTheLineAndTheFault)
{
    struct Case {
        const char* source;
        std::size_t line;
        const char* fragment;
    };
    const std::vector<Case> cases = {
        {"group\n", 1, "before any category"},
        {"category 1 \"a\"\nitem 1 \"b\"\n", 2, "before any group"},
        {"category 70000 \"a\"\n", 1, "category key"},
        {"category 1 a\n", 1, "double quotes"},
        {"category 1 \"unclosed\n", 1, "closing quote"},
        {"\n\ncategory 1 \"a\" bold\n", 3, "unknown attribute"},
        {"record 1\n", 1, "unknown record"},
        {"category 1 \"a\" for=3,5\n", 1, "cannot keep"},
        {"category 1 \"a\"\ngroup\nitems 5-2 \"x\"\n", 3, "backwards"},
        {"category 1 \"a\"\ngroup \"123456789012345678901234567890123\"\n", 2, "longer than 31"},
        {"category 1 \"\xF0\x9F\x98\x80\"\n", 1, "GBK lacks"},
        {"category 1 \"a\"\ngroup\nitems 0-255 \"x%d\"\n", 3, "more than 255 items"},
    };
    for (const Case& c : cases) {
        const SourceResult result = ParseSource(c.source);
        EXPECT_FALSE(result.source) << c.source;
        EXPECT_EQ(result.line, c.line) << c.source;
        EXPECT_NE(result.error.find(c.fragment), std::string::npos) << c.source << " -> " << result.error;
    }
}

TEST(CatalogueSource, RangesTextsAndAttributes)
{
    const SourceResult result = ParseSource(R"(# comment
category 9 "位置" hidden  # trailing comment
  group "百位" for=5,7 byte0=0x11
    items 100-102 "百位%d" from=0 flags=0x10
    item 7 "say \"hi\" \\ #"
)");
    ASSERT_TRUE(result.source) << result.error;
    const SourceCategory& category = result.source->categories.at(0);
    EXPECT_EQ(category.record.flags, kHiddenFlag);
    const SourceGroup& group = category.groups.at(0);
    EXPECT_EQ(+group.record.gameFlags, 0x2u);
    EXPECT_EQ(group.record.reserved, 0x11);
    ASSERT_EQ(group.items.size(), 4u);
    EXPECT_EQ(+group.items[2].key, 102);
    EXPECT_EQ(FieldText(group.items[2].text), "\xB0\xD9\xCE\xBB" "2"); // "百位2" in GBK
    EXPECT_EQ(group.items[0].flags, 0x10);
    EXPECT_EQ(FieldText(group.items[3].text), "say \"hi\" \\ #");
}

TEST(CatalogueSource, GameFlagsKeepExactlyTheNamedGames)
{
    const std::vector<std::vector<int>> expressible = {{3, 5, 7}, {5, 7}, {5}, {7}, {}};
    for (const auto& games : expressible) {
        const auto flags = GameFlagsFor(games);
        ASSERT_TRUE(flags);
        for (int digits : {3, 5, 7}) {
            const bool kept = std::find(games.begin(), games.end(), digits) != games.end();
            EXPECT_EQ(!DroppedByMask(*flags, MaskForDigits(digits)), kept) << digits;
        }
    }
    EXPECT_FALSE(GameFlagsFor({3}));
    EXPECT_FALSE(GameFlagsFor({3, 7}));
    EXPECT_FALSE(GameFlagsFor({4}));
}

TEST(CatalogueText, BytesThatAreNoGbkShowAsReplacementsNotGaps)
{
    EXPECT_EQ(GbkToUtf8("\xB0\xD9" "a\xFF" "b"), "百a\xEF\xBF\xBD" "b");
    EXPECT_EQ(GbkToUtf8("\xB0"), "\xEF\xBF\xBD"); // a lead byte cut off
    EXPECT_EQ(Utf8ToGbk("百"), "\xB0\xD9");
    EXPECT_EQ(Utf8ToGbk("\xF0\x9F\x98\x80"), std::nullopt);
}

} // namespace
} // namespace vesk::catalogue
