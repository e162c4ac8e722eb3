// Every item of our catalogue kept for the 3-digit game maps to a value,
// and the value means what the item's text says, read independently.
#include "components/features/analysis/omission/catalogue_items.h"

#include "module/catalogue/catalogue_source.h"
#include "numbers/gbk_text.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace vesk::analysis {
namespace {

using Digits = std::vector<int>;

std::string Text(const char* field, std::size_t size) { return GbkToUtf8(std::string_view(field, strnlen(field, size))); }

int CountOf(const Digits& d, bool (*is)(int)) { return static_cast<int>(std::count_if(d.begin(), d.end(), is)); }

// The item's meaning read from its text alone.
test::Predicate PredicateOfText(const std::string& text)
{
    std::smatch m;
    const auto number = [&](int i) { return std::stoi(m[static_cast<std::size_t>(i)].str()); };
    if (std::regex_match(text, m, std::regex("和值(\\d+)"))) {
        const int v = number(1);
        return [v](const Digits& d) { return d[0] + d[1] + d[2] == v; };
    }
    if (std::regex_match(text, m, std::regex("和尾(\\d)"))) {
        const int v = number(1);
        return [v](const Digits& d) { return (d[0] + d[1] + d[2]) % 10 == v; };
    }
    if (std::regex_match(text, m, std::regex("跨度(\\d)"))) {
        const int v = number(1);
        return [v](const Digits& d) { return *std::max_element(d.begin(), d.end()) - *std::min_element(d.begin(), d.end()) == v; };
    }
    if (std::regex_match(text, m, std::regex("(奇偶|大小|质合)(\\d):(\\d)"))) {
        const int v = number(2);
        bool (*is)(int) = m[1] == "奇偶" ? +[](int x) { return x % 2 == 1; }
                        : m[1] == "大小" ? +[](int x) { return x >= 5; }
                                         : +[](int x) { return x == 1 || x == 2 || x == 3 || x == 5 || x == 7; };
        return [v, is](const Digits& d) { return CountOf(d, is) == v; };
    }
    if (std::regex_match(text, m, std::regex("(\\d):(\\d):(\\d)"))) {
        const int a = number(1), b = number(2), c = number(3);
        return [=](const Digits& d) {
            int n[3] = {};
            for (int x : d)
                ++n[x % 3];
            return n[0] == a && n[1] == b && n[2] == c;
        };
    }
    if (std::regex_match(text, m, std::regex("([0-2])([0-2])([0-2])路"))) {
        const int a = number(1), b = number(2), c = number(3);
        return [=](const Digits& d) { return d[0] % 3 == a && d[1] % 3 == b && d[2] % 3 == c; };
    }
    if (text == "组六" || text == "组三" || text == "豹子") {
        const std::size_t distinct = text == "组六" ? 3 : text == "组三" ? 2 : 1;
        return [distinct](const Digits& d) { return std::set<int>(d.begin(), d.end()).size() == distinct; };
    }
    const std::vector<std::string> places = {"百", "十", "个"};
    for (std::size_t p = 0; p < 3; ++p) {
        if (std::regex_match(text, m, std::regex(places[p] + "位(\\d)"))) {
            const int v = number(1);
            return [p, v](const Digits& d) { return d[p] == v; };
        }
        for (std::size_t q = p + 1; q < 3; ++q) {
            if (std::regex_match(text, m, std::regex(places[p] + places[q] + "(和|差)(\\d+)"))) {
                const int v = number(2);
                const bool sum = m[1] == "和";
                return [=](const Digits& d) { return (sum ? d[p] + d[q] : std::abs(d[p] - d[q])) == v; };
            }
        }
    }
    return nullptr;
}

catalogue::CatalogueSource SampleCatalogue()
{
    const char* source = std::getenv("VESK_SOURCE_DIR");
    std::ifstream file(std::string(source ? source : ".") + "/data/catalogue/s3cdt.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    catalogue::SourceResult parsed = catalogue::ParseSource(text);
    EXPECT_TRUE(parsed.source) << parsed.error;
    return parsed.source ? *parsed.source : catalogue::CatalogueSource{};
}

TEST(CatalogueItems, EveryShownItemOfTheThreeDigitGameMeansWhatItSays)
{
    const std::uint32_t mask = catalogue::MaskForDigits(3);
    std::size_t checked = 0;
    for (const catalogue::SourceCategory& category : SampleCatalogue().categories) {
        if ((category.record.flags & catalogue::kHiddenFlag) || catalogue::DroppedByMask(category.record.gameFlags, mask))
            continue;
        std::vector<CatalogueEntry> entries;
        for (const catalogue::SourceGroup& group : category.groups) {
            if ((group.record.flags & catalogue::kHiddenFlag) || catalogue::DroppedByMask(group.record.gameFlags, mask))
                continue;
            for (const catalogue::ItemRecord& item : group.items) {
                if (!(item.flags & catalogue::kHiddenFlag) && !catalogue::DroppedByMask(item.gameFlags, mask))
                    entries.push_back({item.key, Text(item.text, sizeof item.text)});
            }
        }
        const std::string name = Text(category.record.text, sizeof category.record.text);
        const CatalogueFamily made = MakeCatalogueFamily(name, category.record.key, entries, 3);
        EXPECT_TRUE(made.unmapped.empty()) << name << ": " << (made.unmapped.empty() ? "" : made.unmapped.front());
        const Family& family = *made.family;
        for (std::size_t k = 0; k < family.Size(); ++k) {
            const std::string& text = family.Items()[k].label;
            const test::Predicate said = PredicateOfText(text);
            ASSERT_TRUE(said) << text;
            const std::vector<std::uint32_t> numbers = family.NumbersOf({k});
            std::vector<std::uint32_t> expected;
            for (std::uint32_t code = 0; code < 1000; ++code)
                if (said(test::DigitsOfCode(code, 3)))
                    expected.push_back(code);
            EXPECT_EQ(numbers, expected) << name << " / " << text;
            ++checked;
        }
    }
    EXPECT_GT(checked, 200u);
}

TEST(CatalogueItems, PairsWithoutAMappingAreSaidNotGuessed)
{
    EXPECT_FALSE(MapCatalogueItem(99, 1, 3));   // reference values
    EXPECT_FALSE(MapCatalogueItem(8, 0, 3));    // 全部形态
    EXPECT_FALSE(MapCatalogueItem(4, 10, 3));   // 奇偶5:0 in a 3-digit game
    EXPECT_FALSE(MapCatalogueItem(4, 0, 5));    // 奇偶3:0 in a 5-digit game
    EXPECT_FALSE(MapCatalogueItem(7, 4, 5));    // 1:1:1 in a 5-digit game
    EXPECT_FALSE(MapCatalogueItem(9, 130, 3));  // 千位 of a 3-digit number
    EXPECT_FALSE(MapCatalogueItem(10, 19, 3));  // between the pair groups
    const auto thousands = MapCatalogueItem(9, 134, 5);
    ASSERT_TRUE(thousands);
    EXPECT_EQ(thousands->position, 1);
    EXPECT_EQ(thousands->values, std::vector<std::int64_t>{4});
    const auto odd = MapCatalogueItem(4, 12, 5); // 奇偶3:2
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->values, std::vector<std::int64_t>{3});

    const CatalogueFamily made = MakeCatalogueFamily("组选形态", 8, {{6, "组六"}, {0, "全部形态"}, {1, "豹子"}}, 3);
    EXPECT_EQ(made.unmapped, std::vector<std::string>{"全部形态"});
    EXPECT_EQ(made.family->Size(), 2u);
    EXPECT_EQ(made.keys, (std::vector<std::uint16_t>{6, 1}));
}

} // namespace
} // namespace vesk::analysis
