#include "numbers/number_list.h"

#include "host/host_services.h"
#include "list_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vesk {
namespace {

using test::ListOf;
using test::Strings;
using test::Texts;

class FakeGame final : public IGameService {
public:
    explicit FakeGame(SlotInt length) : m_length(length) {}
    SlotInt GetAttributeContext(SlotInt) override { return 0; }
    SlotInt GetListKey() override { return 0; }
    SlotInt GetListSubKey() override { return 0; }
    SlotInt GetNumberLength(SlotInt which) override
    {
        lastWhich = which;
        return which == 1 ? m_length : 0;
    }
    SlotInt GetNEnd(SlotInt) override { return 0; }
    SlotInt GetAttribute(SlotInt, SlotInt, SlotInt, const std::uint8_t*) override { return 0; }
    SlotInt lastWhich = -1;

private:
    SlotInt m_length;
};

TEST(NumberListShape, ResizeTakesTheGameLengthFromTheGameService)
{
    FakeGame game(5);
    NumberList list(&game);
    ASSERT_TRUE(list.Resize(2));
    EXPECT_EQ(game.lastWhich, 1);
    EXPECT_EQ(list.Length(), 5);
    EXPECT_EQ(list.RecordSize(), 9);
    EXPECT_EQ(list.TagAt(1), NumberList::kLiveTag);
    EXPECT_EQ(Texts(list), (Strings{"00000", "00000"}));
}

TEST(NumberListShape, LengthsOutsideOneToEightAreRefusedAndLeaveTheListEmpty)
{
    for (int length : {-1, 9, 12}) {
        NumberList list = ListOf("123 456");
        EXPECT_FALSE(list.Resize(3, length)) << length;
        EXPECT_EQ(list.Count(), 0u);
        EXPECT_EQ(list.Length(), 0);
        EXPECT_EQ(list.ParseText("12345678901", length), -1);
    }
    FakeGame broken(9);
    NumberList bound(&broken);
    EXPECT_FALSE(bound.Resize(1));
    EXPECT_EQ(bound.ParseText("123456789"), -1);
}

TEST(NumberListShape, StoreOperationsRefuseOutOfRangeIndexesAndDigits)
{
    NumberList list(3);
    ASSERT_TRUE(list.Resize(1, 3));
    const std::uint8_t bad[] = {1, 10, 2};
    const std::uint8_t good[] = {0, 0, 7};
    EXPECT_FALSE(list.SetAt(0, bad));
    EXPECT_FALSE(list.SetAt(1, good));
    EXPECT_FALSE(list.Append(bad));
    EXPECT_EQ(list.GetAt(1), nullptr);
    EXPECT_EQ(list.ToText(1), "");
    ASSERT_TRUE(list.SetAt(0, good));
    EXPECT_EQ(list.ToValue(0), 7u);
    EXPECT_EQ(list.ToText(0), "007");
}

TEST(NumberListShape, AppendGrowsFromEmptyWithTheGameLength)
{
    NumberList list(3);
    const std::uint8_t digits[] = {1, 2, 3};
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(list.Append(digits));
    EXPECT_EQ(list.Count(), 1000u);
    EXPECT_EQ(list.Length(), 3);
    EXPECT_EQ(list.ToText(999), "123");
    std::uint32_t tag = 0;
    list.GetAt(999, &tag);
    EXPECT_EQ(tag, NumberList::kLiveTag);
}

TEST(NumberListCompact, MovesMarkedRecordsToTheRemovedListInOrder)
{
    NumberList list = ListOf("111 222 333 444 555");
    list.Mark(3);
    list.Mark(1);
    NumberList removed(3);
    ASSERT_TRUE(list.Compact(&removed));
    EXPECT_EQ(Texts(list), (Strings{"111", "333", "555"}));
    EXPECT_EQ(Texts(removed), (Strings{"222", "444"}));
    EXPECT_EQ(removed.TagAt(0), NumberList::kRemovalTag);
    // Tags are carried over: compacting the receiver would drop them all.
    removed.Compact();
    EXPECT_EQ(removed.Count(), 0u);
}

TEST(NumberListCompact, EveryRecordMarkedLeavesAnEmptyListOfLengthZero)
{
    NumberList list = ListOf("123 456");
    list.SetAllTags(NumberList::kRemovalTag);
    list.Compact();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Length(), 0);
}

TEST(NumberListCompact, KeepsRecordsWithWorkingTags)
{
    // Only the removal tag drops a record; counts and other working tags stay.
    NumberList list = ListOf("111 222 333 444");
    list.SetTag(0, 5);
    list.Mark(1);
    list.SetTag(3, 0);
    ASSERT_TRUE(list.Compact());
    EXPECT_EQ(Texts(list), (Strings{"111", "333", "444"}));
    EXPECT_EQ(list.TagAt(0), 5u);
    EXPECT_EQ(list.TagAt(2), 0u);
}

TEST(NumberListCompact, NothingMarkedLeavesTheRemovedListAlone)
{
    NumberList list = ListOf("123 456");
    NumberList removed = ListOf("999");
    list.Compact(&removed);
    EXPECT_EQ(Texts(removed), (Strings{"999"}));
    EXPECT_EQ(list.Count(), 2u);
}

TEST(NumberListSort, OrdersByTagAsUnsignedThenDigitsAndDescendingIsTheReverse)
{
    NumberList list = ListOf("500 100 300 200");
    list.SetTag(0, 1);
    list.SetTag(2, 0x80000000u); // above 2^31: must sort as unsigned
    list.Sort(true);
    EXPECT_EQ(Texts(list), (Strings{"500", "300", "100", "200"}));
    EXPECT_EQ(list.TagAt(1), 0x80000000u);
    list.Sort(false);
    EXPECT_EQ(Texts(list), (Strings{"200", "100", "300", "500"}));
}

TEST(NumberListSort, LargeListsMatchAComparisonSort)
{
    std::mt19937 random(7);
    NumberList list(5);
    ASSERT_TRUE(list.Resize(50000, 5));
    std::vector<std::pair<std::uint32_t, std::string>> expected;
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        std::uint8_t digits[5];
        for (auto& d : digits)
            d = static_cast<std::uint8_t>(random() % 10);
        list.SetAt(i, digits);
        list.SetTag(i, random() % 3 == 0 ? 0xFFFF0000u : static_cast<std::uint32_t>(random() % 4));
        expected.emplace_back(list.TagAt(i), std::string(list.ToText(i)));
    }
    std::sort(expected.begin(), expected.end());
    list.Sort(true);
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        ASSERT_EQ(list.TagAt(i), expected[i].first) << i;
        ASSERT_EQ(list.ToText(i), expected[i].second) << i;
    }
}

TEST(NumberListSort, ALargeListWithOneOddNumberStillSorts)
{
    // Every key but one shares all its digit bands: no pass may be skipped
    // for that one.
    std::string text(3000 * 4, ' ');
    for (std::size_t i = 0; i < 3000; ++i)
        text.replace(i * 4, 3, "555");
    NumberList list = ListOf(text + "333");
    list.Sort(true);
    EXPECT_EQ(list.ToText(0), "333");
    EXPECT_EQ(list.ToText(list.Count() - 1), "555");
}

TEST(NumberListDedupe, GivesAscendingUniqueNumbers)
{
    NumberList list = ListOf("321 123 321");
    list.Dedupe();
    EXPECT_EQ(Texts(list), (Strings{"123", "321"}));
}

TEST(NumberListDedupe, DropsMarkedRecordsAndKeepsWorkingTags)
{
    NumberList list = ListOf("321 123 321 555");
    list.Mark(3);
    list.SetTag(0, 7);
    list.SetTag(2, 7);
    list.Dedupe();
    // 123 keeps the live tag and sorts after the tag-7 run.
    EXPECT_EQ(Texts(list), (Strings{"321", "123"}));
    EXPECT_EQ(list.TagAt(0), 7u);
}

TEST(NumberListDedupe, BitmapAndSortingPathsAgree)
{
    std::mt19937 random(11);
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += std::to_string(1000000 + random() % 30000) + " ";
    NumberList dense = ListOf(text, 7);
    NumberList sparse = ListOf(text, 7);
    sparse.SetAllTags(5); // a uniform tag other than live
    dense.Dedupe();
    sparse.Dedupe();
    ASSERT_EQ(dense.Count(), sparse.Count());
    const Strings texts = Texts(dense);
    EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end()));
    EXPECT_EQ(Texts(dense), Texts(sparse));
    EXPECT_EQ(sparse.TagAt(0), 5u);
}

TEST(NumberListMerge, IntoAnEmptyListCopiesUnsortedWithDuplicates)
{
    NumberList list(3);
    NumberList other = ListOf("321 123 321");
    other.Mark(1);
    ASSERT_TRUE(list.Merge(other));
    EXPECT_EQ(Texts(list), (Strings{"321", "123", "321"}));
    EXPECT_EQ(list.TagAt(1), NumberList::kLiveTag);
}

TEST(NumberListMerge, IntoANonEmptyListGivesTheSortedUnion)
{
    NumberList list = ListOf("900 123");
    ASSERT_TRUE(list.Merge(ListOf("321 123 321")));
    EXPECT_EQ(Texts(list), (Strings{"123", "321", "900"}));
    ASSERT_TRUE(list.Merge(list));
    EXPECT_EQ(list.Count(), 3u);
}

TEST(NumberListMerge, IntoAListWithMarkedRecordsAndCountTagsGivesTheLiveUnion)
{
    // A list after Compact's removal marks or a count report still holds
    // working tags; merging must neither drop marked numbers nor keep counts.
    NumberList list = ListOf("500 123 777 900");
    list.Mark(0);
    list.SetTag(2, 3);
    NumberList other = ListOf("321 123 004");
    other.Mark(2);
    other.SetTag(0, 9);
    ASSERT_TRUE(list.Merge(other));
    EXPECT_EQ(Texts(list), (Strings{"004", "123", "321", "500", "777", "900"}));
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.TagAt(i), NumberList::kLiveTag) << i;
}

TEST(NumberListMerge, RefusesNumbersOfAnotherLength)
{
    NumberList list = ListOf("123");
    EXPECT_FALSE(list.Merge(ListOf("12345", 5)));
    EXPECT_EQ(Texts(list), (Strings{"123"}));
}

TEST(NumberListValue, ToValueAndToTextAgreeWithTheNumberCode)
{
    NumberList list = ListOf("007 000 999 12345678", 3);
    EXPECT_EQ(list.ToValue(0), 7u);
    EXPECT_EQ(list.ToText(0), "007");
    EXPECT_EQ(list.ToValue(2), 999u);
    NumberList eight = ListOf("12345678 00000001", 8);
    EXPECT_EQ(eight.ToValue(0), 12345678u);
    EXPECT_EQ(eight.ToValue(1), 1u);
    EXPECT_EQ(eight.ToText(0), "12345678");
}

TEST(NumberListCopy, CopyFromIsByteForByte)
{
    NumberList source = ListOf("456 123");
    source.SetTag(1, 42);
    NumberList copy(3);
    ASSERT_TRUE(copy.CopyFrom(source));
    ASSERT_EQ(copy.Count(), 2u);
    EXPECT_TRUE(std::equal(copy.Records(), copy.Records() + 14, source.Records()));
}

} // namespace
} // namespace vesk
