#pragma once
// The distributions the chart window shows for a list of numbers, each a
// table of counts: categories along the axis, one series of bars or several
// (the place distribution has one series per place).
//
//   和值    sum of the digits: 0 .. 9·D
//   跨度    largest digit − smallest: 0 .. 9
//   形态    3 digits: 豹子 (aaa), 组三 (aab), 组六 (abc); else how many
//           different digits the number has ("k种数字", 1 .. min(D, 10))
//   奇偶    odd:even count, "D:0" .. "0:D"
//   大小    big (5–9):small (0–4) count, "D:0" .. "0:D"
//   012路   digits with remainder 0, 1, 2 when divided by 3, "a:b:c" with
//           a + b + c = D, a from D down
//   号码位置 how often each digit 0–9 stands in each place (百位, 十位, 个位
//           for 3 digits, else 第1位 ..)

#include "app/chart/chart_numbers.h"

#include <string>
#include <vector>

namespace vesk::chart {

struct Distribution {
    std::string title;
    std::vector<std::string> categories;
    std::vector<std::string> series;         // names; one entry for single-series tables
    std::vector<std::vector<int>> counts;    // counts[series][category]

    int Count(std::size_t series, const std::string& category) const;
};

struct ChartStatistics {
    std::size_t numberCount = 0;
    std::vector<Distribution> distributions; // in the order listed above
};

ChartStatistics ComputeStatistics(const ChartNumbers& numbers);

} // namespace vesk::chart
