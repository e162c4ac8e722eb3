// The numbers copied out of a chart record and the distributions computed
// from them, against counts worked out by hand.
#include "app/chart/chart_statistics.h"
#include "tests/app/chart/chart_record_builder.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vesk::chart {
namespace {

const Distribution& Named(const ChartStatistics& stats, const std::string& title)
{
    for (const Distribution& d : stats.distributions) {
        if (d.title == title)
            return d;
    }
    static const Distribution none;
    ADD_FAILURE() << "no distribution " << title;
    return none;
}

TEST(ChartNumbers, CopiesEveryValidBlockAndKeepsNoPointer)
{
    test::ChartRecordBuilder builder(3, {"123", "905"});
    builder.AddNullBlock();
    builder.Block(1)[1] = 12; // not a digit
    const auto numbers = CopyChartNumbers(&builder.Record());
    ASSERT_TRUE(numbers);
    EXPECT_EQ(numbers->Count(), 1u);
    EXPECT_EQ(numbers->skipped, 2u);
    builder.Block(0)[0] = 7; // the sender reuses its blocks after the call
    EXPECT_EQ(numbers->values, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(ChartNumbers, RefusesRecordsItCannotRead)
{
    EXPECT_FALSE(CopyChartNumbers(nullptr));
    for (const int digits : {0, 9, -3}) {
        test::ChartRecordBuilder builder(3, {"123"});
        builder.Record().digits = digits;
        EXPECT_FALSE(CopyChartNumbers(&builder.Record())) << digits;
    }
    test::ChartRecordBuilder negative(3, {"123"});
    negative.Record().numbers.size = -1;
    EXPECT_FALSE(CopyChartNumbers(&negative.Record()));
    test::ChartRecordBuilder noArray(3, {"123"});
    noArray.Record().numbers.data = nullptr;
    EXPECT_FALSE(CopyChartNumbers(&noArray.Record()));
    // No numbers at all is a valid, empty chart.
    test::ChartRecordBuilder empty(3, {});
    const auto none = CopyChartNumbers(&empty.Record());
    ASSERT_TRUE(none);
    EXPECT_EQ(none->Count(), 0u);
}

class ThreeDigitStatistics : public ::testing::Test {
protected:
    test::ChartRecordBuilder builder{3, {"000", "112", "123", "999", "505", "378"}};
    ChartStatistics stats = ComputeStatistics(*CopyChartNumbers(&builder.Record()));
};

TEST_F(ThreeDigitStatistics, SumSpanAndForm)
{
    EXPECT_EQ(stats.numberCount, 6u);
    const Distribution& sum = Named(stats, "和值");
    EXPECT_EQ(sum.categories.size(), 28u);
    for (const char* s : {"0", "4", "6", "10", "18", "27"})
        EXPECT_EQ(sum.Count(0, s), 1) << s;
    EXPECT_EQ(sum.Count(0, "5"), 0);
    const Distribution& span = Named(stats, "跨度");
    EXPECT_EQ(span.Count(0, "0"), 2);
    EXPECT_EQ(span.Count(0, "1"), 1);
    EXPECT_EQ(span.Count(0, "2"), 1);
    EXPECT_EQ(span.Count(0, "5"), 2);
    const Distribution& form = Named(stats, "形态");
    EXPECT_EQ(form.categories, (std::vector<std::string>{"豹子", "组三", "组六"}));
    EXPECT_EQ(form.counts[0], (std::vector<int>{2, 2, 2}));
}

TEST_F(ThreeDigitStatistics, OddEvenBigSmallAndRoads)
{
    const Distribution& oddEven = Named(stats, "奇偶");
    EXPECT_EQ(oddEven.categories, (std::vector<std::string>{"3:0", "2:1", "1:2", "0:3"}));
    EXPECT_EQ(oddEven.counts[0], (std::vector<int>{1, 4, 0, 1}));
    const Distribution& bigSmall = Named(stats, "大小");
    EXPECT_EQ(bigSmall.counts[0], (std::vector<int>{1, 2, 0, 3}));
    const Distribution& road = Named(stats, "012路");
    EXPECT_EQ(road.categories.size(), 10u);
    EXPECT_EQ(road.Count(0, "3:0:0"), 2);
    EXPECT_EQ(road.Count(0, "0:2:1"), 1);
    EXPECT_EQ(road.Count(0, "1:1:1"), 2);
    EXPECT_EQ(road.Count(0, "1:0:2"), 1);
    EXPECT_EQ(road.Count(0, "0:0:3"), 0);
}

TEST_F(ThreeDigitStatistics, DigitsPerPlace)
{
    const Distribution& places = Named(stats, "号码位置");
    EXPECT_EQ(places.series, (std::vector<std::string>{"百位", "十位", "个位"}));
    EXPECT_EQ(places.counts[0], (std::vector<int>{1, 2, 0, 1, 0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(places.counts[1], (std::vector<int>{2, 1, 1, 0, 0, 0, 0, 1, 0, 1}));
    EXPECT_EQ(places.counts[2], (std::vector<int>{1, 0, 1, 1, 0, 1, 0, 0, 1, 1}));
}

TEST(ChartStatistics, EveryNumberIsCountedOnceInEachTableAtOtherLengths)
{
    test::ChartRecordBuilder builder(5, {"12345", "00000", "99990", "13579", "11223", "80808"});
    const ChartStatistics stats = ComputeStatistics(*CopyChartNumbers(&builder.Record()));
    EXPECT_EQ(Named(stats, "和值").categories.size(), 46u);
    EXPECT_EQ(Named(stats, "012路").categories.size(), 21u);
    EXPECT_EQ(Named(stats, "形态").categories.front(), "1种数字");
    EXPECT_EQ(Named(stats, "形态").Count(0, "5种数字"), 2);
    EXPECT_EQ(Named(stats, "号码位置").series.back(), "第5位");
    for (const Distribution& d : stats.distributions) {
        for (const auto& series : d.counts)
            EXPECT_EQ(std::accumulate(series.begin(), series.end(), 0), 6) << d.title;
    }
}

TEST(ChartStatistics, NoNumbersGiveEmptyTables)
{
    test::ChartRecordBuilder builder(3, {});
    const ChartStatistics stats = ComputeStatistics(*CopyChartNumbers(&builder.Record()));
    EXPECT_EQ(stats.numberCount, 0u);
    ASSERT_EQ(stats.distributions.size(), 7u);
    for (const Distribution& d : stats.distributions) {
        for (const auto& series : d.counts)
            EXPECT_EQ(std::accumulate(series.begin(), series.end(), 0), 0) << d.title;
    }
}

} // namespace
} // namespace vesk::chart
