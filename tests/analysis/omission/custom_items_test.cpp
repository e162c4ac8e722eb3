// The user's own items: their file refused with the place named, set aside
// when damaged, replaced safely; and what the items mean.
#include "components/features/analysis/omission/custom_items.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vesk::analysis {
namespace {

std::string Wrap(const std::string& body)
{
    return R"({"format": "3dvesk-omission-items", "version": 1, "digits": 3)" + body + "}";
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

CustomItems Sample()
{
    CustomItems items;
    filter::Condition sum;
    sum.type = filter::ConditionType::Sum;
    sum.values = {10, 11, 12};
    filter::Condition pair;
    pair.type = filter::ConditionType::PairDiff;
    pair.pair = {0, 2};
    pair.values = {0};
    items.combinations = {{"和值10-12", sum}, {"", pair}};
    items.compounds = {{"复式", {"12", "34", "56"}}};
    items.lists = {{"我的", {"123", "456"}, true}, {"直选", {"123"}, false}};
    return items;
}

TEST(CustomItems, FileReadsBackAsWritten)
{
    const CustomItemsParse parsed = ParseCustomItems(WriteCustomItems(Sample(), 3), 3);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.items, Sample());
    const CustomItemsParse empty = ParseCustomItems(Wrap(""), 3);
    ASSERT_TRUE(empty.ok) << empty.error;
    EXPECT_TRUE(empty.items.combinations.empty());
}

TEST(CustomItems, DamagedTextsAreRefusedWithThePlace)
{
    struct Bad {
        std::string text;
        std::string place;
    };
    const std::vector<Bad> bads = {
        {"{", "not valid JSON"},
        {"[]", "expected an object"},
        {R"({"format": "other", "version": 1, "digits": 3})", "format"},
        {R"({"format": "3dvesk-omission-items", "version": 2, "digits": 3})", "version"},
        {R"({"format": "3dvesk-omission-items", "version": 1, "digits": 5})", "digits"},
        // Past the signed range: named as written, not as the negative it wraps to.
        {R"({"format": "3dvesk-omission-items", "version": 18446744073709551615, "digits": 3})",
         "version: expected a whole number, not 18446744073709551615"},
        {Wrap(R"(, "combinations": [{"type": "position", "position": 18446744073709551615, "values": [1]}])"),
         "combinations[0].position: expected a whole number"},
        {Wrap(R"(, "extra": 1)"), "unknown key \"extra\""},
        {Wrap(R"(, "combinations": [{"type": "repeat", "values": [1]}])"), "combinations[0].type"},
        {Wrap(R"(, "combinations": [{"type": "list", "values": [1]}])"), "combinations[0].type"},
        {Wrap(R"(, "combinations": [{"type": "sum", "values": []}])"), "combinations[0].values"},
        {Wrap(R"(, "combinations": [{"type": "sum", "values": [28]}])"), "combinations[0].values"},
        {Wrap(R"(, "combinations": [{"type": "position", "position": 3, "values": [1]}])"), "combinations[0].position"},
        {Wrap(R"(, "combinations": [{"type": "sum", "position": 1, "values": [1]}])"), "combinations[0]"},
        {Wrap(R"(, "combinations": [{"type": "sum", "values": ["1"]}])"), "combinations[0].values[0]"},
        {Wrap(R"(, "compounds": [{"digits": ["12", "34"]}])"), "compounds[0].digits"},
        {Wrap(R"(, "compounds": [{"digits": ["12", "33", "5"]}])"), "compounds[0].digits[1]"},
        {Wrap(R"(, "compounds": [{"digits": ["12", "", "5"]}])"), "compounds[0].digits[1]"},
        {Wrap(R"(, "lists": [{"numbers": ["12a"]}])"), "lists[0].numbers[0]"},
        {Wrap(R"(, "lists": [{"numbers": []}])"), "lists[0].numbers"},
        {Wrap(R"(, "lists": [{"numbers": ["123"], "group": 1}])"), "lists[0].group"},
        {Wrap(R"(, "lists": {})"), "lists"},
    };
    for (const Bad& bad : bads) {
        const CustomItemsParse parsed = ParseCustomItems(bad.text, 3);
        EXPECT_FALSE(parsed.ok) << bad.text;
        EXPECT_NE(parsed.error.find(bad.place), std::string::npos) << bad.text << " → " << parsed.error;
    }
}

TEST(CustomItems, AValueNestedDeepIsRefusedByItsKindNotWrittenOut)
{
    const std::size_t depth = 400000;
    const std::string deep = std::string(depth, '[') + std::string(depth, ']');
    const CustomItemsParse parsed =
        ParseCustomItems(R"({"format": "3dvesk-omission-items", "version": )" + deep + R"(, "digits": 3})", 3);
    EXPECT_FALSE(parsed.ok);
    EXPECT_EQ(parsed.error, "version: expected a whole number, not an array");
}

TEST(CustomItems, DamagedFileIsSetAsideNotEmptied)
{
    test::TempFolder folder;
    const std::string path = CustomItemsPath(folder.Path(), 3);
    EXPECT_EQ(path, folder.Path() + "omission-items-3.json");

    const CustomItemsLoad missing = LoadCustomItems(path, 3);
    EXPECT_TRUE(missing.error.empty());

    ASSERT_EQ(SaveCustomItems(path, Sample(), 3), "");
    EXPECT_EQ(LoadCustomItems(path, 3).items, Sample());

    const std::string damaged = Wrap(R"(, "lists": [{"numbers": ["1234"]}])");
    for (int round = 0; round < 2; ++round) {
        std::ofstream(path, std::ios::binary) << damaged;
        const CustomItemsLoad load = LoadCustomItems(path, 3);
        EXPECT_NE(load.error.find("lists[0].numbers[0]"), std::string::npos) << load.error;
        EXPECT_EQ(load.setAsidePath, path + (round == 0 ? ".damaged" : ".damaged-2"));
        EXPECT_EQ(ReadAll(load.setAsidePath), damaged);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST(CustomItems, EditedTextIsSavedOnlyWhenItReads)
{
    test::TempFolder folder;
    const std::string path = CustomItemsPath(folder.Path(), 3);
    ASSERT_EQ(SaveCustomItemsText(path, WriteCustomItems(ExampleCustomItems(3), 3), 3), "");
    EXPECT_EQ(LoadCustomItems(path, 3).items, ExampleCustomItems(3));
    const std::string before = ReadAll(path);
    EXPECT_NE(SaveCustomItemsText(path, Wrap(R"(, "lists": [{"numbers": ["12"]}])"), 3).find("lists[0].numbers[0]"),
              std::string::npos);
    EXPECT_EQ(ReadAll(path), before);
    for (std::uint32_t code : {kCustomCombinationCode, kCustomCompoundCode, kCustomListCode})
        EXPECT_EQ(MakeCustomFamily(code, ExampleCustomItems(3), 3)->Size(), 1u);
}

TEST(CustomItems, FailedSaveLeavesTheOldFile)
{
    test::TempFolder folder;
    const std::string path = folder.Path() + "omission-items-3.json";
    ASSERT_EQ(SaveCustomItems(path, Sample(), 3), "");
    const std::string before = ReadAll(path);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool writable = std::ofstream(folder.Path() + "probe").good();
    CustomItems other;
    const std::string error = SaveCustomItems(path, other, 3);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    if (writable)
        GTEST_SKIP() << "running with rights that ignore the folder's mode";
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(path), before);
}

TEST(CustomItems, FamiliesMeanWhatTheUserMade)
{
    const CustomItems items = Sample();
    const auto combinations = MakeCustomFamily(kCustomCombinationCode, items, 3);
    ASSERT_EQ(combinations->Size(), 2u);
    EXPECT_EQ(combinations->SpaceCount(0), 63u + 69u + 73u);
    EXPECT_EQ(combinations->Items()[1].title, "组合2");
    EXPECT_EQ(combinations->SpaceCount(1), 100u); // 百位 = 个位
    const auto compounds = MakeCustomFamily(kCustomCompoundCode, items, 3);
    EXPECT_EQ(compounds->SpaceCount(0), 8u);
    EXPECT_EQ(compounds->NumbersOf({0}).front(), 135u);
    const auto lists = MakeCustomFamily(kCustomListCode, items, 3);
    EXPECT_EQ(lists->SpaceCount(0), 12u); // the orderings of 123 and 456
    EXPECT_EQ(lists->SpaceCount(1), 1u);
    EXPECT_FALSE(MakeCustomFamily(0x1023, items, 3));
}

} // namespace
} // namespace vesk::analysis
