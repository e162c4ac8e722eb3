// Column records, the arrangement they make and the tile geometry of the
// arrangement dialog, without windows.
#include "application/column_defaults.h"
#include "components/other/arrangement.h"
#include "components/other/tile_geometry.h"
#include "numbers/gbk_text.h"

#include <gtest/gtest.h>

#include <array>

namespace vesk::other {
namespace {

std::vector<int> Attributes(const std::vector<ColumnItem>& items)
{
    std::vector<int> attributes;
    for (const ColumnItem& item : items)
        attributes.push_back(item.attribute);
    return attributes;
}

std::vector<std::uint8_t> Records(std::initializer_list<int> attributes)
{
    return MakeColumnRecords(std::vector<int>(attributes));
}

TEST(ColumnRecords, ReadAndWrittenBackByteForByte)
{
    std::vector<std::uint8_t> bytes = Records({0, 7, 10});
    // A title of all 32 bytes without terminator, and a foreign index.
    std::array<std::uint8_t, kColumnRecordBytes> odd{};
    odd[0] = 0xFE;
    odd[1] = odd[2] = odd[3] = 0xFF; // -2
    std::fill(odd.begin() + 4, odd.end(), 'A');
    bytes.insert(bytes.end(), odd.begin(), odd.end());
    const auto items = ParseColumnRecords(bytes);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].title, "和值");
    EXPECT_EQ(items[1].title, "012路");
    EXPECT_EQ(items[2].title, "和值遗漏");
    EXPECT_EQ(Utf8ToGbk(items[2].title), items[2].gbkTitle);
    EXPECT_EQ(items[3].attribute, -2);
    EXPECT_EQ(items[3].gbkTitle, std::string(32, 'A'));
    // Written back, the full title keeps the terminator the readers need.
    const auto written = SerializeColumnRecords(items);
    ASSERT_EQ(written.size(), bytes.size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 3 * kColumnRecordBytes, written.begin()));
    EXPECT_EQ(written[3 * kColumnRecordBytes + 35], 0);
    EXPECT_EQ(written[3 * kColumnRecordBytes], 0xFE);
}

TEST(ColumnRecords, AFullTitleIsWrittenBackShorterByWholeCharactersOnly)
{
    // Sixteen double-byte characters fill the field; the terminator leaves
    // room for fifteen, not fifteen and a half.
    const std::string title = *Utf8ToGbk("大小单双奇偶质合和值跨度形态遗漏");
    ASSERT_EQ(title.size(), kColumnTitleBytes);
    std::vector<std::uint8_t> bytes(kColumnRecordBytes, 0);
    bytes[0] = 4;
    std::copy(title.begin(), title.end(), bytes.begin() + 4);
    const auto items = ParseColumnRecords(bytes);
    ASSERT_EQ(items.size(), 1u);
    const auto back = ParseColumnRecords(SerializeColumnRecords(items));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].attribute, 4);
    EXPECT_EQ(back[0].title, "大小单双奇偶质合和值跨度形态遗");
    // A single-byte character at the cut costs one byte only.
    std::string kept = title.substr(0, 30);
    kept.insert(kept.begin(), 'A');
    const auto mixed = ParseColumnRecords(SerializeColumnRecords({{1, kept + 'B', ""}}));
    EXPECT_EQ(mixed[0].gbkTitle, kept);
}

TEST(ColumnRecords, APartialRecordAtTheEndIsIgnored)
{
    std::vector<std::uint8_t> bytes = Records({1, 2});
    bytes.resize(bytes.size() - 1);
    EXPECT_EQ(Attributes(ParseColumnRecords(bytes)), std::vector<int>{1});
    EXPECT_TRUE(ParseColumnRecords({}).empty());
}

TEST(Arrangement, EveryAttributeOfTheHostStandsInOneAreaOnce)
{
    // 3 is in neither record, 5 in both.
    const auto shown = Records({0, 5, 1});
    const auto hidden = Records({5, 2, 4, 6, 7, 8, 9, 10});
    const Arrangement a = Arrangement::FromRecords(shown, hidden);
    EXPECT_EQ(Attributes(a.Items(Area::Shown)), (std::vector<int>{0, 5, 1}));
    EXPECT_EQ(Attributes(a.Items(Area::Hidden)), (std::vector<int>{2, 4, 6, 7, 8, 9, 10, 3}));
    EXPECT_EQ(a.Items(Area::Hidden).back().title, "奇数");
}

TEST(Arrangement, EmptyRecordsOfferTheWholeSetHidden)
{
    const Arrangement a = Arrangement::FromRecords({}, {});
    EXPECT_TRUE(a.Items(Area::Shown).empty());
    EXPECT_EQ(Attributes(a.Items(Area::Hidden)), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(Arrangement, MovesWithinAndBetweenAreas)
{
    Arrangement a = Arrangement::FromRecords(Records({0, 1, 2, 3}), Records({4, 5, 6, 7, 8, 9, 10}));
    ASSERT_TRUE(a.Move(Area::Shown, 0, Area::Shown, 2));
    EXPECT_EQ(Attributes(a.Items(Area::Shown)), (std::vector<int>{1, 2, 0, 3}));
    ASSERT_TRUE(a.Move(Area::Shown, 3, Area::Shown, 0));
    EXPECT_EQ(Attributes(a.Items(Area::Shown)), (std::vector<int>{3, 1, 2, 0}));
    ASSERT_TRUE(a.Move(Area::Hidden, 1, Area::Shown, 99)); // clamped to the end
    EXPECT_EQ(Attributes(a.Items(Area::Shown)), (std::vector<int>{3, 1, 2, 0, 5}));
    ASSERT_TRUE(a.Move(Area::Shown, 0, Area::Hidden, 0));
    EXPECT_EQ(Attributes(a.Items(Area::Hidden)), (std::vector<int>{3, 4, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(a.Move(Area::Shown, 4, Area::Hidden, 0));
    EXPECT_EQ(a.Size(Area::Shown), 4u);
}

TEST(Arrangement, AFullAreaTakesNoMoreButStillReorders)
{
    Arrangement a = Arrangement::FromRecords(Records({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), {});
    std::vector<ColumnItem> foreign = ParseColumnRecords(Records({0}));
    foreign[0].attribute = 42;
    Arrangement full(a.Items(Area::Shown), foreign);
    EXPECT_FALSE(full.Move(Area::Hidden, 0, Area::Shown, 0));
    EXPECT_EQ(full.Size(Area::Shown), kMaxColumns);
    EXPECT_TRUE(full.Move(Area::Shown, 10, Area::Shown, 0));
    EXPECT_EQ(full.Items(Area::Shown).front().attribute, 10);
}

TEST(Arrangement, RecordsOfMoreColumnsKeepEveryOneMovableOnceRaised)
{
    // A caller's fourteen columns, all shown: without the raise nothing could
    // come back from the hidden area once one went there.
    std::vector<ColumnItem> fourteen;
    for (int i = 0; i < 14; ++i) {
        const std::string title = std::to_string(100 + i); // any title the records may hold
        fourteen.push_back({i, title, title});
    }
    Arrangement a(fourteen, {});
    a.RaiseCapacityToItems();
    EXPECT_EQ(a.Capacity(), 14u);
    ASSERT_TRUE(a.Move(Area::Shown, 3, Area::Hidden, 0));
    EXPECT_TRUE(a.Move(Area::Hidden, 0, Area::Shown, 3));
    EXPECT_EQ(a.Items(Area::Shown), fourteen);

    Arrangement host = Arrangement::FromRecords(Records({0, 1, 2}), {});
    host.RaiseCapacityToItems();
    EXPECT_EQ(host.Capacity(), kMaxColumns) << "never below what the host's records hold";
}

TEST(TileGeometry, TilesWrapAndPointsFindThem)
{
    // 6 + 3 × 81 − 6 + 6 = 249: three tiles per row.
    constexpr int width = 249;
    EXPECT_EQ(TilesPerRow(width), 3);
    EXPECT_EQ(TilesPerRow(10), 1);
    const TileRect fourth = TileAt(3, width);
    EXPECT_EQ(fourth.x, kAreaMargin);
    EXPECT_EQ(fourth.y, kAreaMargin + kTileHeight + kTileGap);
    EXPECT_EQ(TileIndexAt(fourth.x, fourth.y, width, 5), 3);
    EXPECT_EQ(TileIndexAt(fourth.x + kTileWidth - 1, fourth.y + kTileHeight - 1, width, 5), 3);
    EXPECT_EQ(TileIndexAt(fourth.x + kTileWidth, fourth.y, width, 5), -1); // the gap
    EXPECT_EQ(TileIndexAt(fourth.x, fourth.y, width, 3), -1);              // no such tile
    EXPECT_EQ(TileIndexAt(0, 0, width, 5), -1);
}

TEST(TileGeometry, DropSlotsAreTheNearestGap)
{
    constexpr int width = 249;
    const TileRect first = TileAt(0, width);
    EXPECT_EQ(DropSlotAt(first.x + 10, first.y + 5, width, 5), 0);              // left half of tile 0
    EXPECT_EQ(DropSlotAt(first.x + 60, first.y + 5, width, 5), 1);              // right half
    EXPECT_EQ(DropSlotAt(-30, -30, width, 5), 0);
    const TileRect fifth = TileAt(4, width);
    EXPECT_EQ(DropSlotAt(fifth.x + 60, fifth.y + 5, width, 5), 5);              // after the last
    EXPECT_EQ(DropSlotAt(10, 500, width, 5), 5);                                // below every row
    EXPECT_EQ(DropSlotAt(TileAt(2, width).x + 70, first.y + 5, width, 5), 3);   // end of row 0
}

} // namespace
} // namespace vesk::other
