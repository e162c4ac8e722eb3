// The attribute set, its selectors, group codes and the draw history.
#include "app/services/analysis_service.h"
#include "app/services/game_service.h"
#include "application/group_codes.h"
#include "application/number_attributes.h"
#include "numbers/draw_history.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace vesk::app {
namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

struct KnownNumber {
    Digits3 digits;
    int sum, span, tail, odd, big, prime, form, road;
};

TEST(NumberAttributes, KnownNumbers)
{
    const KnownNumber cases[] = {
        {{1, 2, 3}, 6, 2, 6, 2, 0, 3, 6, 120},
        {{5, 5, 8}, 18, 3, 8, 2, 3, 2, 3, 222},
        {{0, 0, 0}, 0, 0, 0, 0, 0, 0, 1, 0},
        {{9, 9, 9}, 27, 0, 7, 3, 3, 0, 1, 0},
        {{9, 0, 4}, 13, 9, 3, 1, 1, 0, 6, 1},
        {{1, 2, 1}, 4, 1, 4, 2, 0, 3, 3, 121}, // the pair at the ends
    };
    for (const KnownNumber& n : cases) {
        SCOPED_TRACE(n.digits[0] * 100 + n.digits[1] * 10 + n.digits[2]);
        EXPECT_EQ(AttributeValue(Attribute::Sum, n.digits, nullptr), n.sum);
        EXPECT_EQ(AttributeValue(Attribute::Span, n.digits, nullptr), n.span);
        EXPECT_EQ(AttributeValue(Attribute::SumTail, n.digits, nullptr), n.tail);
        EXPECT_EQ(AttributeValue(Attribute::OddCount, n.digits, nullptr), n.odd);
        EXPECT_EQ(AttributeValue(Attribute::BigCount, n.digits, nullptr), n.big);
        EXPECT_EQ(AttributeValue(Attribute::PrimeCount, n.digits, nullptr), n.prime);
        EXPECT_EQ(AttributeValue(Attribute::Form, n.digits, nullptr), n.form);
        EXPECT_EQ(AttributeValue(Attribute::Road, n.digits, nullptr), n.road);
        EXPECT_EQ(AttributeValue(Attribute::NumberOmission, n.digits, nullptr), -1);
    }
    EXPECT_EQ(AttributeValue(Attribute::Sum, {1, 10, 2}, nullptr), 0);
}

TEST(NumberAttributes, ServicesAnswerTheModulesSelectors)
{
    AnalysisService analysis;
    GameService game;
    const std::uint8_t digits[3] = {5, 5, 8};
    ASSERT_EQ(analysis.SetCurrentNumber(digits), 1);
    const SlotInt v = game.GetAttributeContext(0);

    // Selectors arrive sign-extended from 32-bit callers or zero-extended.
    EXPECT_EQ(analysis.GetAttribute(static_cast<SlotInt>(0xFFFF0010u)), 18);
    EXPECT_EQ(analysis.GetAttribute(static_cast<std::int32_t>(0xFFFF0010u)), 18);
    EXPECT_EQ(game.GetAttribute(static_cast<std::int32_t>(0x80000001u), 9, v, digits), 3);
    EXPECT_EQ(game.GetAttribute(0x80000010u, 9, v, digits), 8);
    EXPECT_EQ(analysis.GetAttribute17(1), 2);
    EXPECT_EQ(analysis.GetAttribute17(0), 3);
    EXPECT_EQ(analysis.GetAttribute18(1), 2);
    EXPECT_EQ(analysis.GetAttribute18(0), 3);
    EXPECT_EQ(analysis.GetAttribute28(1), 222);
    EXPECT_EQ(analysis.GetAttribute(static_cast<SlotInt>(0xFFFF0012u)), -1);
    EXPECT_EQ(analysis.GetAttribute(0x1234), 0);
    EXPECT_EQ(game.GetAttribute(0x80000001u, 9, v, nullptr), 0);
}

TEST(NumberAttributes, BadDigitsLeaveTheCurrentNumber)
{
    AnalysisService analysis;
    const std::uint8_t good[3] = {1, 2, 3};
    const std::uint8_t bad[3] = {1, 12, 3};
    ASSERT_EQ(analysis.SetCurrentNumber(good), 1);
    EXPECT_EQ(analysis.SetCurrentNumber(bad), 0);
    EXPECT_EQ(analysis.SetCurrentNumber(nullptr), 0);
    EXPECT_EQ(analysis.GetAttribute(static_cast<SlotInt>(0xFFFF0010u)), 6);
}

TEST(GroupCodes, DistinctAscendingAndBounded)
{
    EXPECT_EQ(GroupCode(321), 123);
    EXPECT_EQ(GroupCode(211), 112);
    EXPECT_EQ(GroupCode(7), 7);

    const std::vector<std::uint32_t> codes = {321, 123, 213, 111, 121, 1000, 0xFFFFFFFFu, 211};
    std::vector<std::uint32_t> out(220, 0xDEAD);
    ASSERT_EQ(ToGroupCodes(codes, out), 3u);
    EXPECT_EQ(out[0], 111u);
    EXPECT_EQ(out[1], 112u);
    EXPECT_EQ(out[2], 123u);
    EXPECT_EQ(out[3], 0xDEADu);

    std::vector<std::uint32_t> all(1000);
    for (std::uint32_t i = 0; i < 1000; ++i)
        all[i] = i;
    EXPECT_EQ(ToGroupCodes(all, out), 220u);
    std::vector<std::uint32_t> small(5);
    EXPECT_EQ(ToGroupCodes(all, small), 5u);
}

TEST(GroupCodes, ServiceRefusesBadArguments)
{
    AnalysisService analysis;
    const std::uint32_t codes[] = {1, 10, 100};
    std::uint32_t out[220] = {};
    EXPECT_EQ(analysis.ToGroupCodes(codes, 3, out), 1);
    EXPECT_EQ(out[0], 1u);
    EXPECT_EQ(analysis.ToGroupCodes(codes, -1, out), 0);
    EXPECT_EQ(analysis.ToGroupCodes(nullptr, 3, out), 0);
    EXPECT_EQ(analysis.ToGroupCodes(codes, 3, nullptr), 0);
}

TEST(DrawHistory, OmissionAttributesAskTheHistory)
{
    const DrawHistory history = DrawHistory::Parse(AsBytes("123\n456\n321\n555\n"));
    const Digits3 digits = {2, 1, 3};
    EXPECT_EQ(AttributeValue(Attribute::NumberOmission, digits, &history), 4);
    EXPECT_EQ(AttributeValue(Attribute::GroupOmission, digits, &history), 1);
    EXPECT_EQ(AttributeValue(Attribute::SumOmission, digits, &history), 1);
    EXPECT_EQ(AttributeValue(Attribute::SumOmission, digits, nullptr), -1);
}

} // namespace
} // namespace vesk::app
