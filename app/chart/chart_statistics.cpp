#include "app/chart/chart_statistics.h"

#include <algorithm>
#include <array>

namespace vesk::chart {
namespace {


std::string Ratio(int first, int second)
{
    return std::to_string(first) + ":" + std::to_string(second);
}

Distribution Single(std::string title, std::vector<std::string> categories)
{
    Distribution d;
    d.title = std::move(title);
    d.series = {d.title};
    d.counts.assign(1, std::vector<int>(categories.size(), 0));
    d.categories = std::move(categories);
    return d;
}

// "D:0", "D-1:1", .. "0:D": the category of k counted digits is D − k.
std::vector<std::string> RatioCategories(int digits)
{
    std::vector<std::string> categories;
    for (int k = digits; k >= 0; --k)
        categories.push_back(Ratio(k, digits - k));
    return categories;
}

int CountIf(const std::uint8_t* d, int n, bool (*test)(std::uint8_t))
{
    return static_cast<int>(std::count_if(d, d + n, test));
}

int Distinct(const std::uint8_t* d, int n)
{
    std::array<bool, 10> seen{};
    int distinct = 0;
    for (int i = 0; i < n; ++i) {
        if (!seen[d[i]]) {
            seen[d[i]] = true;
            ++distinct;
        }
    }
    return distinct;
}

// The a:b:c categories of the 012 road, a from D down, then b from D − a down.
std::vector<std::array<int, 3>> RoadShapes(int digits)
{
    std::vector<std::array<int, 3>> shapes;
    for (int a = digits; a >= 0; --a) {
        for (int b = digits - a; b >= 0; --b)
            shapes.push_back({a, b, digits - a - b});
    }
    return shapes;
}

std::string PlaceName(int place, int digits)
{
    static const char* const kThree[] = {"百位", "十位", "个位"};
    return digits == 3 ? kThree[place] : "第" + std::to_string(place + 1) + "位";
}

} // namespace

int Distribution::Count(std::size_t s, const std::string& category) const
{
    const auto it = std::find(categories.begin(), categories.end(), category);
    if (s >= counts.size() || it == categories.end())
        return -1;
    return counts[s][static_cast<std::size_t>(it - categories.begin())];
}

ChartStatistics ComputeStatistics(const ChartNumbers& numbers)
{
    const int n = numbers.digits;
    ChartStatistics stats;
    stats.numberCount = numbers.Count();
    if (n < 1)
        return stats;

    std::vector<std::string> sums;
    for (int s = 0; s <= 9 * n; ++s)
        sums.push_back(std::to_string(s));
    std::vector<std::string> spans;
    for (int s = 0; s <= 9; ++s)
        spans.push_back(std::to_string(s));
    std::vector<std::string> forms;
    if (n == 3) {
        forms = {"豹子", "组三", "组六"};
    } else {
        for (int k = 1; k <= std::min(n, 10); ++k)
            forms.push_back(std::to_string(k) + "种数字");
    }
    const auto shapes = RoadShapes(n);
    std::vector<std::string> roads;
    for (const auto& s : shapes)
        roads.push_back(std::to_string(s[0]) + ":" + std::to_string(s[1]) + ":" + std::to_string(s[2]));

    Distribution sum = Single("和值", sums);
    Distribution span = Single("跨度", spans);
    Distribution form = Single("形态", forms);
    Distribution oddEven = Single("奇偶", RatioCategories(n));
    Distribution bigSmall = Single("大小", RatioCategories(n));
    Distribution road = Single("012路", roads);
    Distribution places;
    places.title = "号码位置";
    places.categories = spans; // the digits 0..9
    for (int p = 0; p < n; ++p)
        places.series.push_back(PlaceName(p, n));
    places.counts.assign(static_cast<std::size_t>(n), std::vector<int>(10, 0));

    for (std::size_t i = 0; i < stats.numberCount; ++i) {
        const std::uint8_t* d = numbers.Number(i);
        int total = 0;
        std::array<int, 3> roadCount{};
        for (int p = 0; p < n; ++p) {
            total += d[p];
            ++roadCount[d[p] % 3];
            ++places.counts[static_cast<std::size_t>(p)][d[p]];
        }
        const auto [low, high] = std::minmax_element(d, d + n);
        ++sum.counts[0][static_cast<std::size_t>(total)];
        ++span.counts[0][static_cast<std::size_t>(*high - *low)];
        // 3 digits: 1 distinct is 豹子, 2 组三, 3 组六 — the same order.
        ++form.counts[0][static_cast<std::size_t>(Distinct(d, n) - 1)];
        const int odd = CountIf(d, n, [](std::uint8_t v) { return v % 2 == 1; });
        const int big = CountIf(d, n, [](std::uint8_t v) { return v >= 5; });
        ++oddEven.counts[0][static_cast<std::size_t>(n - odd)];
        ++bigSmall.counts[0][static_cast<std::size_t>(n - big)];
        const auto shape = std::find(shapes.begin(), shapes.end(), roadCount);
        ++road.counts[0][static_cast<std::size_t>(shape - shapes.begin())];
    }
    stats.distributions = {std::move(sum), std::move(span), std::move(form), std::move(oddEven),
                           std::move(bigSmall), std::move(road), std::move(places)};
    return stats;
}

} // namespace vesk::chart
