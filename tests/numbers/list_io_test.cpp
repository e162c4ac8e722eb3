#include "numbers/number_list.h"

#include "list_helpers.h"
#include "numbers/uint_array.h"
#include "tests/support/failing_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace vesk {
namespace {

using test::ListOf;
using test::Strings;
using test::Texts;

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

ReadStatus ReadFrom(NumberList& list, const std::string& bytes)
{
    std::istringstream in(bytes);
    return list.Read(in);
}

TEST(ListBinaryForm, WriteGivesCountLengthAndDigitBytes)
{
    NumberList list = ListOf("123 007");
    std::ostringstream out;
    ASSERT_TRUE(list.Write(out));
    EXPECT_EQ(out.str(), Bytes({2, 0, 0, 0, 3, 1, 2, 3, 0, 0, 7}));
    EXPECT_EQ(list.ToBinary(), out.str());
    NumberList empty(3);
    EXPECT_EQ(empty.ToBinary(), Bytes({0, 0, 0, 0, 0}));
}

TEST(ListBinaryForm, WriteReportsAStreamThatFailsAnywhere)
{
    // More than one write chunk, so a failure between chunks is covered.
    std::string text;
    for (int i = 0; i < 30000; ++i)
        text += std::to_string(100 + i % 900) + ' ';
    const NumberList list = ListOf(text);
    const std::string whole = list.ToBinary();
    ASSERT_GT(whole.size(), std::size_t{1} << 16);
    for (std::size_t capacity : {std::size_t{0}, std::size_t{4}, std::size_t{5}, std::size_t{6},
                                 std::size_t{1} << 16, whole.size() - 1}) {
        test::FailingStream out(capacity);
        EXPECT_FALSE(list.Write(out)) << capacity;
        EXPECT_EQ(out.Taken(), whole.substr(0, capacity)) << capacity;
    }
    test::FailingStream exact(whole.size());
    EXPECT_TRUE(list.Write(exact));
    EXPECT_EQ(exact.Taken(), whole);
    test::FailingStream header(5);
    EXPECT_TRUE(NumberList(3).Write(header));
}

TEST(ListBinaryForm, RoundTripsAndLeavesTheStreamAfterTheList)
{
    NumberList list = ListOf("98765432 00000001 12345678", 8);
    std::stringstream data;
    list.Write(data);
    data << "tail";
    NumberList back(3);
    ASSERT_EQ(back.Read(data), ReadStatus::Complete);
    EXPECT_EQ(Texts(back), (Strings{"98765432", "00000001", "12345678"}));
    EXPECT_EQ(back.TagAt(2), NumberList::kLiveTag);
}

TEST(ListBinaryForm, TruncatedDataKeepsTheAnnouncedCountWithZeroDigits)
{
    NumberList list(3);
    EXPECT_EQ(ReadFrom(list, Bytes({3, 0, 0, 0, 3, 1, 2, 3, 4, 5})), ReadStatus::Truncated);
    EXPECT_EQ(Texts(list), (Strings{"123", "450", "000"}));
}

TEST(ListBinaryForm, APartialLastRecordTakesOnlyTheBytesGiven)
{
    // The bytes after the span belong to someone else: a cut record keeps
    // the digits it got and zeros, never what lies beyond.
    const std::string buffer = Bytes({3, 0, 0, 0, 3, 1, 2, 3, 4, 5, 6, 7, 8});
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(buffer.data()), 10);
    NumberList list(3);
    std::size_t consumed = 0;
    EXPECT_EQ(list.ReadBinary(bytes, &consumed), ReadStatus::Truncated);
    EXPECT_EQ(Texts(list), (Strings{"123", "450", "000"}));
    EXPECT_EQ(consumed, 10u);
    EXPECT_EQ(list.ReadBinary(std::span(bytes).first(3), &consumed), ReadStatus::MissingHeader);
    EXPECT_EQ(consumed, 3u);
}

struct CorruptCase {
    const char* name;
    std::string bytes;
    ReadStatus status;
};

TEST(ListBinaryForm, DamagedDataIsRefusedAndLeavesTheListEmpty)
{
    const CorruptCase cases[] = {
        {"empty", "", ReadStatus::MissingHeader},
        {"short header", Bytes({1, 0, 0}), ReadStatus::MissingHeader},
        {"length 9", Bytes({1, 0, 0, 0, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9}), ReadStatus::BadLength},
        {"length 0 with numbers", Bytes({1, 0, 0, 0, 0}), ReadStatus::BadLength},
        {"digit above 9", Bytes({1, 0, 0, 0, 3, 1, 10, 3}), ReadStatus::BadDigit},
        {"four billion numbers", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 3, 1, 2, 3}), ReadStatus::AbsurdCount},
        {"a million from nothing", Bytes({0x40, 0x42, 0x0F, 0, 7}), ReadStatus::AbsurdCount},
    };
    for (const auto& c : cases) {
        NumberList list = ListOf("111 222");
        EXPECT_EQ(ReadFrom(list, c.bytes), c.status) << c.name;
        EXPECT_EQ(list.Count(), 0u) << c.name;
        EXPECT_EQ(list.Length(), 0) << c.name;
        NumberList fromBytes = ListOf("111");
        EXPECT_EQ(fromBytes.ReadBinary({reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size()}),
                  c.status)
            << c.name;
        EXPECT_EQ(fromBytes.Count(), 0u) << c.name;
    }
}

TEST(ListBinaryForm, DataCutToHalfTheAnnouncedCountIsTheLastTruncationAccepted)
{
    // Small counts are always accepted; above them, a file must hold at
    // least half of what it announces (a partial record does not count).
    auto file = [](std::uint32_t count, int length, std::size_t digits) {
        std::string bytes(5, '\0');
        std::memcpy(bytes.data(), &count, sizeof count);
        bytes[4] = static_cast<char>(length);
        return bytes + std::string(digits, '\1');
    };
    struct Case {
        std::uint32_t count;
        int length;
        std::size_t digits;
        ReadStatus status;
    };
    const std::uint32_t lenient = 1 << 16;
    const Case cases[] = {
        {lenient, 3, 0, ReadStatus::Truncated},
        {lenient + 1, 3, 0, ReadStatus::AbsurdCount},
        {2 * lenient + 2, 1, lenient + 1, ReadStatus::Truncated},
        {2 * lenient + 2, 1, lenient, ReadStatus::AbsurdCount},
        {2 * lenient + 2, 3, 3 * (lenient + 1), ReadStatus::Truncated},
        {2 * lenient + 2, 3, 3 * (lenient + 1) - 1, ReadStatus::AbsurdCount},
        {2 * lenient + 3, 3, 3 * (lenient + 1) + 2, ReadStatus::AbsurdCount},
    };
    for (const Case& c : cases) {
        const std::string bytes = file(c.count, c.length, c.digits);
        NumberList list = ListOf("111");
        EXPECT_EQ(ReadFrom(list, bytes), c.status) << c.count << " / " << c.digits;
        EXPECT_EQ(list.Count(), IsLoaded(c.status) ? c.count : 0u) << c.count << " / " << c.digits;
        NumberList fromBytes = ListOf("111");
        EXPECT_EQ(fromBytes.ReadBinary({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}),
                  c.status)
            << c.count << " / " << c.digits;
        if (IsLoaded(c.status) && c.digits > 0) {
            EXPECT_EQ(fromBytes.ToValue(0), c.length == 1 ? 1u : 111u);
            EXPECT_EQ(fromBytes.ToValue(c.count - 1), 0u);
        }
    }
}

TEST(ListBinaryForm, AnEmptyListOfLengthZeroReadsBackEmpty)
{
    NumberList list = ListOf("123");
    EXPECT_EQ(ReadFrom(list, Bytes({0, 0, 0, 0, 0})), ReadStatus::Complete);
    EXPECT_EQ(list.Count(), 0u);
}

TEST(ListSnapshots, HoldThePackedDigitsAndRestoreTheList)
{
    NumberList list = ListOf("123 007");
    ListSnapshot snapshot;
    ASSERT_TRUE(list.ToSnapshot(snapshot));
    EXPECT_EQ(snapshot.marker, -1);
    EXPECT_EQ(snapshot.length, 3);
    EXPECT_EQ(snapshot.count, 2u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(snapshot.digits), 6), Bytes({1, 2, 3, 0, 0, 7}));
    NumberList back(5);
    ASSERT_TRUE(back.FromSnapshot(snapshot));
    EXPECT_EQ(Texts(back), (Strings{"123", "007"}));
    snapshot.digits[1] = 11;
    EXPECT_FALSE(back.FromSnapshot(snapshot));
    EXPECT_EQ(back.Count(), 0u);
    ReleaseSnapshot(snapshot);
    EXPECT_EQ(snapshot.digits, nullptr);
}

TEST(ListSnapshots, ACountWithoutABufferRestoresEmpty)
{
    ListSnapshot snapshot;
    snapshot.length = 3;
    snapshot.count = 4; // announced, but no digits to read
    NumberList list = ListOf("123");
    EXPECT_TRUE(list.FromSnapshot(snapshot));
    EXPECT_EQ(list.Count(), 0u);
}

TEST(ListSnapshots, AnEmptyListGivesANullBufferAndRestoresEmpty)
{
    NumberList empty(3);
    ListSnapshot snapshot;
    ASSERT_TRUE(empty.ToSnapshot(snapshot));
    EXPECT_EQ(snapshot.count, 0u);
    EXPECT_EQ(snapshot.digits, nullptr);
    NumberList list = ListOf("123");
    ASSERT_TRUE(list.FromSnapshot(snapshot));
    EXPECT_EQ(list.Count(), 0u);
}

TEST(UIntArrays, SerializeAsCountAndLittleEndianElements)
{
    C3DUIntArray presence;
    ASSERT_TRUE(presence.SetSize(1000));
    EXPECT_EQ(presence.Serialize().size(), 4u + 4000u);
    C3DUIntArray small;
    small.Add(1);
    small.Add(0x01020304);
    EXPECT_EQ(small.Serialize(), Bytes({2, 0, 0, 0, 1, 0, 0, 0, 4, 3, 2, 1}));
    C3DUIntArray back;
    const std::string bytes = small.Serialize();
    std::size_t used = 0;
    ASSERT_TRUE(back.Deserialize({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, &used));
    EXPECT_EQ(used, bytes.size());
    EXPECT_EQ(back.GetSize(), 2u);
    EXPECT_EQ(back[1], 0x01020304u);
}

TEST(UIntArrays, RefuseACountTheBytesCannotHold)
{
    C3DUIntArray array;
    array.Add(5);
    const std::string bytes = Bytes({3, 0, 0, 0, 1, 0, 0, 0});
    EXPECT_FALSE(array.Deserialize({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}));
    EXPECT_EQ(array.GetSize(), 1u);
    EXPECT_NE(C3DUIntArray::CreateObject("C3DUIntArray"), nullptr);
    EXPECT_EQ(C3DUIntArray::CreateObject("CUIntArray"), nullptr);
}

} // namespace
} // namespace vesk
