#include "numbers/digit_stream.h"
#include "numbers/number_length.h"
#include "numbers/number_list.h"
#include "numbers/number_scanner.h"

#include "list_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

namespace vesk {
namespace {

using test::ExpectedNumbers;
using test::Strings;
using test::Texts;

// Text as users' files hold it: numbers (some a digit short or long),
// separators, GB18030 double-byte characters (neither byte an ASCII digit).
// Cut at size, which may leave a short group or half a character at the end.
std::string RandomNumberText(std::mt19937& random, std::size_t size, int length)
{
    std::string text;
    while (text.size() < size) {
        switch (random() % 4) {
        case 0:
        case 1:
            for (int d = 0; d < length + static_cast<int>(random() % 3) - 1; ++d)
                text += static_cast<char>('0' + random() % 10);
            break;
        case 2:
            text.append(1 + random() % 2, " ,\r\n"[random() % 4]);
            break;
        default:
            text += static_cast<char>(0x81 + random() % 0x7E);
            text += static_cast<char>(0x40 + random() % 0x3F);
            break;
        }
    }
    text.resize(size);
    return text;
}

TEST(DigitStream, CollectsWhatTheBytewiseLoopCollectsAtEveryAlignment)
{
    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        const std::size_t size = random() % 100;
        std::string text(size, '\0');
        for (char& c : text)
            c = round % 2 == 0 ? static_cast<char>(random()) : "0123456789 \xB0"[random() % 12];
        const std::size_t skip = size == 0 ? 0 : random() % std::min<std::size_t>(size, 16);
        const auto* bytes = reinterpret_cast<const unsigned char*>(text.data()) + skip;
        std::vector<std::uint8_t> fast(size + digit_stream::kSlack);
        std::vector<std::uint8_t> portable(size + digit_stream::kSlack);
        const std::size_t count = digit_stream::CollectDigits(bytes, size - skip, fast.data());
        ASSERT_EQ(count, digit_stream::CollectDigitsPortable(bytes, size - skip, portable.data()));
        ASSERT_EQ(count, static_cast<std::size_t>(std::count_if(text.begin() + static_cast<long>(skip), text.end(),
                             [](char c) { return c >= '0' && c <= '9'; })));
        ASSERT_TRUE(std::equal(fast.begin(), fast.begin() + static_cast<long>(count), portable.begin())) << round;
    }
}

TEST(DigitStream, GroupsDigitsIntoValuesForEveryLength)
{
    std::mt19937 random(5);
    for (int length = 1; length <= 8; ++length) {
        for (std::size_t groups = 0; groups <= 21; ++groups) {
            std::vector<std::uint8_t> digits(groups * std::size_t(length) + digit_stream::kSlack);
            // All nines first: the largest value of each length must survive
            // the narrow intermediate sums.
            for (std::size_t i = 0; i < groups * std::size_t(length); ++i)
                digits[i] = static_cast<std::uint8_t>(groups % 3 == 0 ? 9 : random() % 10);
            std::vector<std::uint32_t> fast(groups);
            std::vector<std::uint32_t> portable(groups);
            digit_stream::GroupValues(digits.data(), groups, length, fast.data());
            digit_stream::GroupValuesPortable(digits.data(), groups, length, portable.data());
            for (std::size_t g = 0; g < groups; ++g) {
                const auto* first = digits.data() + g * std::size_t(length);
                const std::uint32_t expected = std::accumulate(
                    first, first + length, 0u, [](std::uint32_t value, std::uint8_t d) { return value * 10 + d; });
                ASSERT_EQ(fast[g], expected) << "length " << length << " group " << g;
                ASSERT_EQ(portable[g], expected) << "length " << length << " group " << g;
            }
        }
    }
}

TEST(ParseText, AgreesWithTheBytewiseRuleAcrossBlocksAndEncodings)
{
    std::mt19937 random(17);
    for (int round = 0; round < 3; ++round) {
        for (int length = 1; length <= 8; ++length) {
            // Several blocks of the scanner, so groups straddle block ends.
            const std::size_t block = scan_detail::kBlockBytes;
            const std::string text = RandomNumberText(random, 3 * block + random() % block, length);
            for (bool dedupe : {false, true}) {
                NumberList list(3);
                const Strings expected = ExpectedNumbers(text, length, dedupe);
                ASSERT_EQ(list.ParseText(text, length, dedupe), static_cast<std::int64_t>(expected.size()));
                ASSERT_EQ(Texts(list), expected) << "length " << length << " dedupe " << dedupe;
            }
        }
    }
}

TEST(ParseText, WithDedupeListsADenseSetOfNumbersInOrder)
{
    // Dense enough that every hundred of the number space is present, and
    // with it every way a run of values crosses from one hundred to the next.
    std::mt19937 random(23);
    for (int length = 2; length <= 6; ++length) {
        const std::uint32_t space = PowerOfTen(length);
        std::vector<std::uint32_t> values;
        for (std::uint32_t v = 0; v < space; ++v) {
            if (random() % 3 != 0)
                values.push_back(v);
        }
        Strings expected;
        for (std::uint32_t v : values) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%0*u", length, v);
            expected.emplace_back(digits);
        }
        std::vector<std::uint32_t> shuffled = values;
        shuffled.insert(shuffled.end(), values.begin(), values.begin() + static_cast<long>(values.size() / 4));
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        std::string text;
        for (std::uint32_t v : shuffled)
            text += expected[static_cast<std::size_t>(std::lower_bound(values.begin(), values.end(), v) - values.begin())]
                + " ";
        NumberList list(3);
        ASSERT_EQ(list.ParseText(text, length, true), static_cast<std::int64_t>(expected.size()));
        ASSERT_EQ(Texts(list), expected) << "length " << length;
    }
}

} // namespace
} // namespace vesk
