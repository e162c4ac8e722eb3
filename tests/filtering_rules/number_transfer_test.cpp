// Numbers handed to the workbench by other features, in each source layout.
#include "filtering/rules/number_transfer.h"

#include "host/module_messages.h"
#include "numbers/number_list.h"
#include "numbers/uint_array.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace vesk::workbench {
namespace {

std::vector<std::string> Texts(NumberList& list)
{
    std::vector<std::string> out;
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        out.emplace_back(list.ToText(i));
    return out;
}

NumberList Holding(const char* text)
{
    NumberList list(3);
    list.ParseText(text);
    return list;
}

TEST(NumberTransfer, PointerListKeepsItsOrderAndDuplicates)
{
    std::array<std::uint8_t, 3> a{9, 0, 1}, b{0, 0, 7};
    std::array<void*, 3> elements{a.data(), b.data(), a.data()};
    NumberPointerListRecord source{nullptr, {nullptr, elements.data(), 3, 3, 0}};
    NumberList list = Holding("555");
    EXPECT_EQ(ReadTransferredNumbers(kTransferPointerList, &source, 3, list), TransferResult::Replaced);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"901", "007", "901"}));
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.TagAt(i), NumberList::kLiveTag);
}

TEST(NumberTransfer, PackedDigitsTakeWholeNumbersOnly)
{
    const std::array<std::uint8_t, 8> bytes{1, 2, 3, 4, 5, 6, 7, 8}; // 8 / 3: two numbers, the rest ignored
    PackedDigitsRecord source{nullptr, bytes.data(), 8, 8, 0};
    NumberList list(3);
    EXPECT_EQ(ReadTransferredNumbers(kTransferPackedDigits, &source, 3, list), TransferResult::Replaced);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"123", "456"}));

    source.size = 2; // less than one number
    NumberList kept = Holding("111");
    EXPECT_EQ(ReadTransferredNumbers(kTransferPackedDigits, &source, 3, kept), TransferResult::Empty);
    EXPECT_EQ(Texts(kept), std::vector<std::string>{"111"});
}

TEST(NumberTransfer, PresenceArraysGiveAscendingCodes)
{
    C3DUIntArray presence;
    ASSERT_TRUE(presence.SetSize(1000));
    presence[999] = 1;
    presence[5] = 3; // any nonzero entry counts
    presence[120] = 1;
    for (const std::uintptr_t kind : {kTransferPresence, kTransferPresenceToo}) {
        NumberList list(3);
        EXPECT_EQ(ReadTransferredNumbers(kind, &presence, 3, list), TransferResult::Replaced);
        EXPECT_EQ(Texts(list), (std::vector<std::string>{"005", "120", "999"}));
    }
    C3DUIntArray none;
    ASSERT_TRUE(none.SetSize(1000));
    NumberList kept = Holding("222");
    EXPECT_EQ(ReadTransferredNumbers(kTransferPresence, &none, 3, kept), TransferResult::Empty);
    EXPECT_EQ(Texts(kept), std::vector<std::string>{"222"});
}

TEST(NumberTransfer, EmptyBadOrForeignSourcesChangeNothing)
{
    std::array<std::uint8_t, 3> good{1, 2, 3}, bad{1, 12, 3};
    std::array<void*, 2> withBadDigit{good.data(), bad.data()};
    std::array<void*, 2> withNull{good.data(), nullptr};
    NumberPointerListRecord badDigit{nullptr, {nullptr, withBadDigit.data(), 2, 2, 0}};
    NumberPointerListRecord nullElement{nullptr, {nullptr, withNull.data(), 2, 2, 0}};
    NumberPointerListRecord empty{nullptr, {nullptr, nullptr, 0, 0, 0}};
    NumberPointerListRecord negative{nullptr, {nullptr, withNull.data(), -4, 0, 0}};
    struct Case {
        std::uintptr_t kind;
        const void* source;
        TransferResult expected;
    };
    const Case cases[] = {
        {kTransferPointerList, &badDigit, TransferResult::Refused},
        {kTransferPointerList, &nullElement, TransferResult::Refused},
        {kTransferPointerList, &empty, TransferResult::Empty},
        {kTransferPointerList, &negative, TransferResult::Empty},
        {kTransferPointerList, nullptr, TransferResult::Refused},
        {2, nullptr, TransferResult::NotRead},
        {9, &badDigit, TransferResult::NotRead},
        {13, &badDigit, TransferResult::Refused},
        {0, &badDigit, TransferResult::Refused},
    };
    for (const Case& c : cases) {
        NumberList list = Holding("321 654");
        EXPECT_EQ(ReadTransferredNumbers(c.kind, c.source, 3, list), c.expected) << c.kind;
        EXPECT_EQ(Texts(list), (std::vector<std::string>{"321", "654"})) << c.kind;
    }
}

TEST(NumberTransfer, OtherGameLengths)
{
    const std::array<std::uint8_t, 10> bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    PackedDigitsRecord source{nullptr, bytes.data(), 10, 10, 0};
    NumberList list(5);
    EXPECT_EQ(ReadTransferredNumbers(kTransferPackedDigits, &source, 5, list), TransferResult::Replaced);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"12345", "67890"}));
    EXPECT_EQ(ReadTransferredNumbers(kTransferPackedDigits, &source, 9, list), TransferResult::Refused);

    // A presence array names 3-digit codes: in a 5-digit game they fill the last places.
    C3DUIntArray presence;
    ASSERT_TRUE(presence.SetSize(1000));
    presence[7] = 1;
    presence[450] = 1;
    NumberList five(5);
    EXPECT_EQ(ReadTransferredNumbers(kTransferPresenceToo, &presence, 5, five), TransferResult::Replaced);
    EXPECT_EQ(five.Length(), 5);
    EXPECT_EQ(Texts(five), (std::vector<std::string>{"00007", "00450"}));
    NumberList two = Holding("123");
    EXPECT_EQ(ReadTransferredNumbers(kTransferPresence, &presence, 2, two), TransferResult::Refused);
    EXPECT_EQ(Texts(two), std::vector<std::string>{"123"});
}

} // namespace
} // namespace vesk::workbench
